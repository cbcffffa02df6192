#include "castles/castle_list.h"
#include "castles/castle_update.h"
#include "castles/name_refresh.h"
#include "logbook/log_list_model.h"
#include "logbook/log_store.h"
#include "logbook/prenoms.h"
#include "platform/text_file.h"
#include "shell/main_window.h"
#include "support/test_env.h"
#ifdef _WIN32
#include <gtest/gtest.h>

// Windows has no fork(): the child killed in the middle of a rewrite cannot be made here.
TEST(CrashSafetyTest, LogRewritesAreAllOrNothing)
{
    GTEST_SKIP() << "Windows has no fork(): this test runs on Linux";
}
#else
#include <QElapsedTimer>
#include <QFile>
#include <csignal>
#include <random>
#include <sys/wait.h>
#include <unistd.h>

// Kills a rewrite at random instants and checks that the file is always
// either its old or its new version, never a mix, and still loads.
namespace {

class CrashSafetyTest : public DataDirTest {
protected:
    using Change = std::function<void()>;

    QStringList bigLog(int n) const
    {
        QStringList lines;
        for (int i = 0; i < n; ++i)
            lines << qsoLine(QStringLiteral("F%1AB").arg(i), "77", QStringLiteral("77%1").arg(i % 1000, 3, 10, QChar('0')),
                             QStringLiteral("%1/01/08").arg(1 + i % 28, 2, 10, QChar('0')), "12:00", "14 Mhz");
        return lines;
    }

    // Runs the change to completion once to learn the new bytes and its duration.
    void learn(const QString& file, const QByteArray& old, const Change& change)
    {
        writeFile(file, old);
        QElapsedTimer timer;
        timer.start();
        change();
        duration = std::max<qint64>(timer.nsecsElapsed() / 1000, 200);
        expectedNew = readFile(file);
        ASSERT_NE(expectedNew, old);
    }

    // Forks a child that runs the change; kills it after a random delay.
    void killAtRandom(const QString& file, const QByteArray& old, const Change& change, int kills)
    {
        learn(file, old, change);
        std::uniform_int_distribution<qint64> delay(0, duration * 3 / 2);
        // On a busy machine a rewrite's duration varies: kill more often, up to
        // three times as many, until both outcomes have been seen.
        for (int i = 0; i < kills || ((keptOld == 0 || gotNew == 0) && i < 3 * kills); ++i) {
            writeFile(file, old);
            const pid_t child = fork();
            ASSERT_GE(child, 0);
            if (child == 0) {
                change();
                _exit(0);
            }
            usleep(useconds_t(delay(random)));
            kill(child, SIGKILL);
            int status = 0;
            waitpid(child, &status, 0);
            const QByteArray now = readFile(file);
            ASSERT_TRUE(now == old || now == expectedNew) << "kill " << i << " left " << now.size() << " bytes";
            ++(now == old ? keptOld : gotNew);
            ASSERT_EQ(readLines(path(file)).status, ReadStatus::Ok);
        }
    }

    // Both outcomes must occur, or the kills did not land inside the rewrite.
    void TearDown() override
    {
        EXPECT_GT(keptOld, 0);
        EXPECT_GT(gotNew, 0);
    }

    int keptOld = 0;
    int gotNew = 0;
    std::mt19937 random{20261208};
    qint64 duration = 0;
    QByteArray expectedNew;
};

} // namespace

TEST_F(CrashSafetyTest, LogRewritesAreAllOrNothing)
{
    const QStringList lines = bigLog(10000);
    const QByteArray old = joinLines(lines);
    const QString extra = qsoLine("F6NEW", "75", "75001", "15/01/08", "12:30", "14 Mhz");
    const LogStore store(dir.path(), "F5ABC");
    const auto run = [&](auto op) { return [=]() mutable { LogStore s = store; op(s); }; };
    killAtRandom(logName(), old, run([&](LogStore& s) { s.Ajoute_QSO(extra); }), 40);
    killAtRandom(logName(), old, run([&](LogStore& s) { s.Insere_QSO_Date(extra); }), 40);
    killAtRandom(logName(), old, run([&](LogStore& s) { s.Remplace_QSO(5000, lines[5000], extra); }), 40);
    killAtRandom(logName(), old, run([&](LogStore& s) { s.Supprime_QSO(9999, lines[9999]); }), 40);
    const QStringList imported = bigLog(1000).mid(0, 500).replaceInStrings("F", "G");
    killAtRandom(logName(), old, run([&](LogStore& s) { s.Insere_QSOs_Date(imported); }), 40);

    // The program starts on what the last kill left.
    settings.write("Setup ", "Indicatif Station", "F5ABC");
    Main window(context);
    window.load();
    EXPECT_EQ(window.logModel()->rowCount(), readLines(path(logName())).lines.size());
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(CrashSafetyTest, FirstNameUpdateIsAllOrNothing)
{
    QStringList names;
    for (int i = 0; i < 10000; ++i)
        names << prenomRecord(QStringLiteral("F%1CD").arg(i), "77", "JEAN");
    const QString dataDir = dir.path();
    killAtRandom(prenomFileName, joinLines(names),
                 [=] { Maj_Prenom(dataDir, prenomRecord("F5000CD", "75", "PAUL")); }, 40);
}

TEST_F(CrashSafetyTest, CastleNameRefreshIsAllOrNothing)
{
    QStringList castles{"Rev 012 du 08/03/19"};
    for (int i = 0; i < 1000; ++i)
        castles << QStringLiteral("77-%1;Château numéro %1;Ville").arg(i, 3, 10, QChar('0'));
    writeLines(castleListFileName, castles);
    const QByteArray old = joinLines(bigLog(10000)); // every castle field holds only "C. "
    const QString dataDir = dir.path();
    killAtRandom(logName(), old, [=] { Maj_Nom_DFCF(dataDir, "F5ABC"); }, 40);
}

TEST_F(CrashSafetyTest, StoringADownloadedCastleListIsAllOrNothing)
{
    QStringList castles{"Rev 013 du 08/12/26"};
    for (int i = 0; i < 10000; ++i)
        castles << QStringLiteral("%1-%2;Château numéro %2;Ville").arg(1 + i % 95, 2, 10, QChar('0')).arg(i, 3, 10, QChar('0'));
    HttpReply reply;
    reply.outcome = HttpReply::Outcome::Completed;
    reply.status = 200;
    reply.body = joinLines(castles);
    const QString target = path(castleListFileName);
    killAtRandom(castleListFileName, "Rev 012 du 08/03/19\r\n77-121;Ancien;Ville\r\n",
                 [=] { Download(reply, target); }, 40);
}
#endif
