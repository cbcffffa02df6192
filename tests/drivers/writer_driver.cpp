// A second process for the tests of two writers or two copies of the program
// on one data directory. Prints what happened on stdout, one line each.
//   writer_driver instance <dir>                claims the directory as the program does
//   writer_driver log <dir> <callsign> <pause>  appends a QSO to F5ABC_DFCF.log
//   writer_driver prenom <dir> <callsign> <pause> records a first name
// <pause> milliseconds are spent between the write and the rename of that file.
#include "logbook/log_line.h"
#include "logbook/log_store.h"
#include "logbook/prenoms.h"
#include "platform/messages.h"
#include "platform/qt_single_instance.h"
#include "platform/text_file.h"
#include <QApplication>
#include <QThread>
#include <QWidget>
#include <cstdio>
#ifdef Q_OS_WIN
#include <fcntl.h>
#include <io.h>
#endif

namespace {

void say(const QString& text)
{
    std::fputs((text + QLatin1Char('\n')).toUtf8().constData(), stdout);
    std::fflush(stdout);
}

class PrintedMessages final : public Messages {
public:
    void info(const QString& text) override { say(text); }
    bool askYesNo(const QString& text) override
    {
        say(text);
        return true;
    }
};

QString qso(const QString& call)
{
    Ligne_Log q;
    q.indicatif = call;
    q.dpt = QStringLiteral("77");
    q.ref = QStringLiteral("77121");
    q.date = QStringLiteral("05/02/08");
    q.qtr = QStringLiteral("09:05");
    q.mode = QStringLiteral("SSB");
    q.qrg = QStringLiteral("14 Mhz");
    q.rstr = q.rste = QStringLiteral("59");
    q.chateau = QStringLiteral("C. ");
    return buildLogLine(q).text;
}

int instance(int argc, char* argv[], const QString& dir)
{
    QApplication app(argc, argv);
    PrintedMessages messages;
    QtSingleInstance single(dir);
    if (!single.claim(messages))
        return 3;
    QWidget window;
    window.show();
    single.raiseOnRequest(&window);
    QObject::connect(&single, &QtSingleInstance::activationRequested, [] { say(QStringLiteral("premier plan")); });
    say(QStringLiteral("pret"));
    return app.exec();
}

int write(const QString& what, const QString& dir, const QString& call, int pauseMs)
{
    const QString file = what == QLatin1String("log") ? QStringLiteral("F5ABC_DFCF.log") : prenomFileName;
    setWriteFault([=](WriteStep step, const QString& target) {
        if (step == WriteStep::Rename && target.endsWith(file) && pauseMs > 0) {
            say(QStringLiteral("pause"));
            QThread::msleep(pauseMs);
        }
        return 0;
    });
    const Result result = what == QLatin1String("log") ? LogStore(dir, QStringLiteral("F5ABC")).Ajoute_QSO(qso(call))
                                                       : Maj_Prenom(dir, prenomRecord(call, QStringLiteral("77"), QStringLiteral("PAUL")));
    say(result.ok ? QStringLiteral("ok") : result.text());
    return result.ok ? 0 : 1;
}

} // namespace

int main(int argc, char* argv[])
{
#ifdef Q_OS_WIN
    _setmode(_fileno(stdout), _O_BINARY); // the same bytes as on Linux: no "\r" added before "\n"
#endif
    const QStringList args = [&] {
        QStringList list;
        for (int i = 1; i < argc; ++i)
            list << QString::fromLocal8Bit(argv[i]);
        return list;
    }();
    if (args.size() == 2 && args[0] == QLatin1String("instance"))
        return instance(argc, argv, args[1]);
    if (args.size() == 4 && (args[0] == QLatin1String("log") || args[0] == QLatin1String("prenom")))
        return write(args[0], args[1], args[2], args[3].toInt());
    say(QStringLiteral("usage: writer_driver instance|log|prenom <dir> [<callsign> <pause ms>]"));
    return 2;
}
