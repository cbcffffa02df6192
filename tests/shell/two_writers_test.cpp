#include "logbook/prenoms.h"
#include "platform/qt_single_instance.h"
#include "platform/text_file.h"
#include "support/test_env.h"
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTest>
#include <memory>

// Two processes on one data directory, with the interleaving forced: the
// first writer pauses between its write and its rename while the others run.
namespace {

class Process {
public:
    Process(const QString& program, const QStringList& args, const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment())
    {
        process.setProcessEnvironment(env);
        process.start(program, args);
    }
    ~Process()
    {
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished(5000);
        }
    }
    bool waitForLine(const QByteArray& line, int ms = 10000)
    {
        QElapsedTimer timer;
        timer.start();
        while (!output.split('\n').contains(line)) {
            if (timer.elapsed() > ms || (process.state() == QProcess::NotRunning && !process.bytesAvailable()))
                return false;
            process.waitForReadyRead(50);
            output += process.readAllStandardOutput();
        }
        return true;
    }
    QString finish(int* exitCode = nullptr)
    {
        process.waitForFinished(15000);
        output += process.readAllStandardOutput();
        if (exitCode)
            *exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
        return QString::fromUtf8(output).trimmed();
    }
    void kill()
    {
        process.kill();
        process.waitForFinished(5000);
    }

    QProcess process;
    QByteArray output;
};

class TwoWritersTest : public DataDirTest {
protected:
    std::unique_ptr<Process> driver(const QStringList& args)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        return std::make_unique<Process>(QStringLiteral(WRITER_DRIVER), args, env);
    }
    std::unique_ptr<Process> save(const QString& what, const QString& call, int pauseMs)
    {
        return driver({what, dir.path(), call, QString::number(pauseMs)});
    }
    std::unique_ptr<Process> instance() { return driver({"instance", dir.path()}); }

    QStringList log() const { return readLines(path(logName())).lines; }
    QStringList leftovers() const
    {
        return QDir(dir.path()).entryList({"Temporaire*", "*.tmp*", "*.lock", "*.old"}, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot);
    }
};

} // namespace

TEST_F(TwoWritersTest, SavesAtTheSameInstantKeepEveryQsoAndEveryFileItsOwnLines)
{
    QStringList old;
    for (int i = 0; i < 2000; ++i)
        old << qsoLine(QStringLiteral("F%1AB").arg(i), "77", "77121", "01/01/08", "12:00", "14 Mhz");
    writeLog(old);
    writeLines(prenomFileName, {prenomRecord("F6OLD", "75", "JEAN")});

    auto first = save("log", "F6AAA", 500);
    ASSERT_TRUE(first->waitForLine("pause")) << first->finish().toStdString();
    // While the first waits to rename: a second save of the log and a first
    // name, the two rewrites that shared one scratch file.
    auto second = save("log", "F6BBB", 0);
    auto names = save("prenom", "F6CCC", 0);
    EXPECT_EQ(names->finish(), "ok");
    EXPECT_EQ(first->finish(), "pause\nok");
    EXPECT_EQ(second->finish(), "ok");

    const QStringList now = log();
    ASSERT_EQ(now.size(), old.size() + 2);
    EXPECT_EQ(now.mid(0, old.size()), old);
    EXPECT_TRUE(now[old.size()].startsWith("F6AAA "));
    EXPECT_TRUE(now[old.size() + 1].startsWith("F6BBB "));
    EXPECT_EQ(readFile(prenomFileName), QByteArray("F6OLD        75 JEAN\r\nF6CCC        77 PAUL\r\n"));
    EXPECT_EQ(leftovers(), QStringList());
}

TEST_F(TwoWritersTest, TheLockOfAWriterThatDiedIsTakenOver)
{
    const QString kept = qsoLine("F6OLD", "77", "77121", "01/01/08", "12:00", "14 Mhz");
    writeLog({kept});
    auto killed = save("log", "F6AAA", 60000);
    ASSERT_TRUE(killed->waitForLine("pause"));
    killed->kill();
    ASSERT_TRUE(exists(logName() + ".lock"));

    QElapsedTimer timer;
    timer.start();
    auto next = save("log", "F6BBB", 0);
    EXPECT_EQ(next->finish(), "ok");
    EXPECT_LT(timer.elapsed(), 4000); // not after the wait for a live writer runs out
    const QStringList now = log();
    ASSERT_EQ(now.size(), 2);
    EXPECT_EQ(now[0], kept);
    EXPECT_TRUE(now[1].startsWith("F6BBB "));
}

TEST_F(TwoWritersTest, ASecondCopyOnTheSameDataDirectoryRefusesToStartAndRaisesTheFirst)
{
    auto running = instance();
    ASSERT_TRUE(running->waitForLine("pret"));
    int code = 0;
    auto second = instance();
    EXPECT_EQ(second->finish(&code), QtSingleInstance::alreadyOpenMessage(dir.path()));
    EXPECT_EQ(code, 3);
    EXPECT_TRUE(running->waitForLine("premier plan"));
    EXPECT_TRUE(QtSingleInstance::alreadyOpenMessage(dir.path())
                    .startsWith(QStringLiteral("KOR_DFCF est déjà ouvert sur le dossier de données ")));

    // A copy that died leaves its lock behind: the next one starts.
    running->kill();
    auto after = instance();
    EXPECT_TRUE(after->waitForLine("pret"));
    after->kill();

    // The program itself holds the directory for its whole run.
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("DFCF_DATA_DIR", dir.path());
    env.insert("XDG_CONFIG_HOME", path("config"));
    QFile::remove(path(QtSingleInstance::lockFileName()));
    Process program(QStringLiteral(DFCF_PROGRAM), {}, env);
    QElapsedTimer timer;
    timer.start();
    while (!exists(QtSingleInstance::lockFileName()) && timer.elapsed() < 15000)
        program.process.waitForFinished(50);
    ASSERT_EQ(program.process.state(), QProcess::Running);
    auto refused = instance();
    EXPECT_EQ(refused->finish(&code), QtSingleInstance::alreadyOpenMessage(dir.path()));
    EXPECT_EQ(code, 3);
}

TEST_F(TwoWritersTest, AFolderNamedLikeALockIsReportedAtStartAndAtSaveWithoutHanging)
{
    const QString kept = qsoLine("F6OLD", "77", "77121", "01/01/08", "12:00", "14 Mhz");
    writeLog({kept});
    ASSERT_TRUE(QDir(dir.path()).mkdir(QtSingleInstance::lockFileName()));
    ASSERT_TRUE(QDir(dir.path()).mkdir(logName() + ".lock"));
    QTest::qWait(150); // older than a lock file being created

    // The copy starts all the same, having said why the folder is in the way.
    auto started = instance();
    ASSERT_TRUE(started->waitForLine("pret")) << started->finish().toStdString();
    EXPECT_EQ(QString::fromUtf8(started->output),
              QString::fromUtf8("KOR_DFCF ne peut pas réserver le dossier de données %1 pour lui seul.\r\n"
                                "Un dossier porte le nom de ce fichier (KOR_DFCF.lock) : renommez ou déplacez ce "
                                "dossier puis recommencez.\r\n"
                                "Le log s'ouvre quand même ; n'ouvrez pas une deuxième copie du programme sur ce "
                                "dossier tant que ce verrou reste.\npret\n")
                  .arg(QDir::toNativeSeparators(QDir(dir.path()).canonicalPath())));
    started->kill();

    QElapsedTimer timer;
    timer.start();
    auto refused = save("log", "F6BBB", 0);
    EXPECT_EQ(refused->finish(),
              QString::fromUtf8("Impossible d'enregistrer le fichier F5ABC_DFCF.log : il est resté inchangé.\r\n"
                                "Un dossier porte le nom de ce fichier (F5ABC_DFCF.log.lock) : renommez ou déplacez "
                                "ce dossier puis recommencez."));
    EXPECT_LT(timer.elapsed(), 10000); // the wait for a living writer, and no more
    EXPECT_EQ(log(), QStringList{kept});
}
