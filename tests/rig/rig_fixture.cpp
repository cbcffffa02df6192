#include "rig/rig_fixture.h"
#include "castles/castle_list.h"
#include "logbook/prenoms.h"
#include "logbook/station.h"
#include "platform/rig.h"
#include "rig/rig_control.h"
#include <QLabel>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

quint16 freeLocalPort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

RigWindowTest::~RigWindowTest() { window.reset(); }

void RigWindowTest::start(Rig& rig, const QString& follow, int model)
{
    const QString section = Keys::stationSection("F5ABC");
    settings.write(Keys::commonSection, Keys::IndicatifStation, "F5ABC");
    settings.write(section, Keys::BandeUtilisee, "0");
    settings.write(section, "Suivre le poste", follow);
    settings.write(section, "Poste Modele", QString::number(model));
    settings.write(section, "Poste Adresse", QStringLiteral("127.0.0.1:%1").arg(port));
    writeLog({});
    writeFile(prenomFileName, {});
    writeLines(castleListFileName, {"Rev 001 du 01/02/12", "77121;Château de Blandy;Blandy"});
    context.rig = &rig;
    window = std::make_unique<Main>(context);
    context.rigControl->setTiming(50, 200);
    window->load();
    f = window->entry();
}

QString RigWindowTest::status() const
{
    const auto* label = window->findChild<QLabel*>("Poste_Etat");
    return label ? label->text() : QString();
}

bool RigWindowTest::waitStatus(const QString& text, bool prefix, int ms)
{
    return QTest::qWaitFor([&] { return prefix ? status().startsWith(text) : status() == text; }, ms);
}

Rigctld::Rigctld() = default;

Rigctld::~Rigctld() { stop(); }

bool Rigctld::start(quint16 onPort)
{
    port = onPort;
    process.start("rigctld", {"-m", "1", "-T", "127.0.0.1", "-t", QString::number(port)});
    if (!process.waitForStarted(3000))
        return false;
    return QTest::qWaitFor([this] {
        QTcpSocket probe;
        probe.connectToHost(QHostAddress::LocalHost, port);
        return probe.waitForConnected(100);
    }, 5000);
}

void Rigctld::stop()
{
    if (process.state() == QProcess::NotRunning)
        return;
    process.kill();
    process.waitForFinished(3000);
}

bool Rigctld::send(const QStringList& commands)
{
    // rigctld serves the program's polling at the same time, and a slow
    // (sanitized, or Wine) run can miss its answer: the commands, which set
    // values, are simply sent again. One connection for all of them: under
    // Wine, rigctld.exe sometimes leaves a new connection unanswered.
    const QByteArray lines = commands.join(QLatin1Char('\n')).toLatin1() + '\n';
    for (int attempt = 0; attempt < 3; ++attempt) {
        QTcpSocket socket;
        socket.connectToHost(QHostAddress::LocalHost, port);
        if (!socket.waitForConnected(2000))
            continue;
        socket.write(lines);
        QByteArray answer;
        while (answer.count("RPRT") < commands.size() && socket.waitForReadyRead(2000))
            answer += socket.readAll();
        if (answer.count("RPRT 0") == commands.size())
            return true;
    }
    return false;
}
