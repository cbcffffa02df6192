#pragma once
#include <QLockFile>
#include <QObject>
#include <QPointer>
#include <QString>

class Messages;
class QLocalServer;
class QWidget;

// One program per data directory: two copies would both rewrite the same
// log. The first holds a lock file in the data directory for its whole run
// (taken over when its owner has died) and listens on a local socket named
// after the directory; a later one asks it to come to the front, tells the
// operator, and must end.
class QtSingleInstance : public QObject {
    Q_OBJECT
public:
    explicit QtSingleInstance(const QString& dataDir, QObject* parent = nullptr);
    ~QtSingleInstance() override;

    // True when this copy may run: it is the only one on the directory, or
    // no lock can be made or removed there (the latter said to the operator).
    // False when another one runs: it has been asked to come to the front
    // and the operator told.
    bool claim(Messages& messages);
    // The window a later copy brings to the front.
    void raiseOnRequest(QWidget* window);

    static QString lockFileName() { return QStringLiteral("KOR_DFCF.lock"); }
    static QString alreadyOpenMessage(const QString& dataDir);
    // Said at start-up when a lock left behind cannot be removed.
    static QString staleLockMessage(const QString& dataDir);

signals:
    void activationRequested();

private:
    void listen();
    void askRunningOneToShow() const;
    void bringToFront();

    QString dataDir;
    QString serverName;
    QLockFile lock;
    QLocalServer* server = nullptr;
    QPointer<QWidget> window;
};
