#pragma once
#include "entry/saisie_widget.h"
#include "shell/main_window.h"
#include "support/test_env.h"
#include <QProcess>
#include <memory>

class Rig;

// The main window of station F5ABC following a radio, with short read and
// retry intervals so that each test takes a fraction of a second.
class RigWindowTest : public DataDirTest {
protected:
    ~RigWindowTest() override;
    void start(Rig& rig, const QString& follow = QStringLiteral("Oui"), int model = 2);
    // Waits until the status label shows the text (or begins with it).
    bool waitStatus(const QString& text, bool prefix = false, int ms = 5000);
    QString status() const;

    quint16 port = 0;
    std::unique_ptr<Main> window;
    SaisieFrame* f = nullptr;
};

// A real rigctld with the dummy rig (model 1) on a free port of 127.0.0.1,
// driven through its text protocol.
class Rigctld {
public:
    Rigctld();
    ~Rigctld();
    bool start(quint16 onPort);
    void stop();
    // Sends one command ("F 14205000", "M USB 0"); true on "RPRT 0".
    bool send(const QStringList& commands);
    quint16 port = 0;

private:
    QProcess process;
};

quint16 freeLocalPort();
