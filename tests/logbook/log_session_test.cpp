#include "logbook/log_list_model.h"
#include "logbook/log_session.h"
#include "platform/text_file.h"
#include "support/test_env.h"
#include <QProcess>
#include <QSignalSpy>
#include <cerrno>

namespace {

class LogSessionTest : public DataDirTest {
protected:
    QStringList logLines() const { return splitLines(fromWindows1252(logBytes())); }

    // What a session that has just read the file holds, compared with the
    // session that followed the changes one row at a time.
    void expectSameAsFullReload(const LogSession& session, const char* after) const
    {
        SCOPED_TRACE(after);
        LogSession fresh(dir.path(), &clock);
        ASSERT_TRUE(fresh.open("F5ABC"));
        EXPECT_EQ(session.lines(), logLines());
        EXPECT_EQ(session.lines(), fresh.lines());
        EXPECT_TRUE(session.castles() == fresh.castles());
        EXPECT_EQ(session.castles().size(), fresh.castles().size());
        EXPECT_EQ(session.nonQsoLineCount(), fresh.nonQsoLineCount());
        ASSERT_EQ(session.model()->rowCount(), fresh.model()->rowCount());
        for (int row = 0; row < fresh.model()->rowCount(); ++row)
            ASSERT_EQ(session.model()->index(row).data().toString(), fresh.model()->rowText(row)) << row;
    }

    const QString a = qsoLine("F6AAA", "77", "77121", "01/02/08", "10:00", "14 Mhz");
    const QString b = qsoLine("F6BBB", "75", "75001", "03/02/08", "10:00", "14 Mhz");
    const QString c = qsoLine("F6CCC", "2a", "2a004", "05/02/08", "10:00", "144 Mhz");
};

} // namespace

TEST_F(LogSessionTest, EveryChangeLeavesMemoryAsAFullReadOfTheFileWould)
{
    const QString notQso = QStringLiteral("une ligne ajoutée à la main");
    writeLog({a, b, c, notQso});
    LogSession session(dir.path(), &clock);
    ASSERT_TRUE(session.open("F5ABC"));
    EXPECT_EQ(session.nonQsoLineCount(), 1);
    QSignalSpy changes(&session, &LogSession::changed);
    QSignalSpy resets(session.model(), &LogListModel::modelReset);
    const auto lastChange = [&] { return changes.last().first().value<LogChange>(); };

    const QString again75001 = qsoLine("F6DDD", "75", "75001", "06/02/08", "11:00", "7.0 Mhz");
    ASSERT_TRUE(session.Ajoute_QSO(again75001));
    EXPECT_EQ(lastChange().kind, LogChange::Kind::Added);
    EXPECT_EQ(lastChange().row, 4);
    EXPECT_EQ(session.Cherche_Chateau("75001", "HF").date, "03/02/08"); // the first contact stays
    expectSameAsFullReload(session, "add");

    // Before the first contact of 75001 in HF: it becomes the first.
    const QString earlier75001 = qsoLine("F6EEE", "75", "75001", "02/02/08", "09:00", "21 Mhz");
    ASSERT_TRUE(session.Insere_QSO_Date(earlier75001));
    EXPECT_EQ(lastChange().kind, LogChange::Kind::Inserted);
    EXPECT_EQ(session.lastRow(), 1);
    EXPECT_EQ(session.Cherche_Chateau("75001", "HF").date, "02/02/08");
    expectSameAsFullReload(session, "insert by date");

    // 77121 moves from HF to VHF.
    const QString a144 = qsoLine("F6AAA", "77", "77121", "01/02/08", "10:00", "144 Mhz");
    ASSERT_TRUE(session.Remplace_QSO(0, a, a144));
    EXPECT_FALSE(session.Cherche_Chateau("77121", "HF").found);
    EXPECT_EQ(session.Cherche_Chateau("77121", "VHF").band, "144 Mhz");
    expectSameAsFullReload(session, "replace");

    // The first contact removed: the next one of the castle takes its place.
    ASSERT_TRUE(session.Supprime_QSO(1, earlier75001));
    EXPECT_EQ(lastChange().kind, LogChange::Kind::Removed);
    EXPECT_EQ(session.Cherche_Chateau("75001", "HF").date, "03/02/08");
    expectSameAsFullReload(session, "delete of a first contact");

    ASSERT_TRUE(session.Supprime_QSO(3, notQso));
    EXPECT_EQ(session.nonQsoLineCount(), 0);
    ASSERT_TRUE(session.Supprime_QSO(2, c));
    EXPECT_FALSE(session.Cherche_Chateau("2a004", "VHF").found);
    expectSameAsFullReload(session, "delete of the last contact of a castle");

    // A line no longer the one shown is refused and changes nothing.
    const Result stale = session.Supprime_QSO(0, b);
    EXPECT_EQ(stale.message, QStringLiteral("Ce QSO a changé dans le log depuis son affichage : rien n'a été modifié."));
    expectSameAsFullReload(session, "refused delete");

    EXPECT_EQ(changes.size(), 6);
    EXPECT_EQ(resets.size(), 0); // the list moved row by row
}

TEST_F(LogSessionTest, ALineAppendedByAnotherProgramIsKeptAndSeen)
{
    writeLog({b});
    LogSession session(dir.path(), &clock);
    ASSERT_TRUE(session.open("F5ABC"));
    EXPECT_FALSE(session.Cherche_Chateau("77121", "HF").found);

    // The other program adds F6XYZ on 77121 in 14 Mhz through its own lock and rewrite.
    QProcess other;
    other.start(QStringLiteral(WRITER_DRIVER), {"log", dir.path(), "F6XYZ", "0"});
    ASSERT_TRUE(other.waitForFinished(15000));
    ASSERT_EQ(other.exitCode(), 0) << other.readAllStandardOutput().toStdString();
    const QStringList afterOther = logLines();
    ASSERT_EQ(afterOther.size(), 2);

    // The duplicate check sees it, and a save keeps it.
    EXPECT_EQ(session.Cherche_Chateau("77121", "HF").date, "05/02/08");
    EXPECT_EQ(session.lines(), afterOther);
    writeLog({b, afterOther[1], a}); // and once more, behind the session's back
    ASSERT_TRUE(session.Ajoute_QSO(c));
    EXPECT_EQ(logLines(), QStringList({b, afterOther[1], a, c}));
    expectSameAsFullReload(session, "after the other program");

    // The same size, renamed over the log as another copy of the program does:
    // a replace aimed at a line that moved is refused.
    ASSERT_TRUE(writeLinesAtomically(path(logName()), path("autre.tmp"), {a, b, afterOther[1], c}));
    EXPECT_FALSE(session.Remplace_QSO(2, a, b));
    EXPECT_EQ(logLines(), QStringList({a, b, afterOther[1], c}));
    expectSameAsFullReload(session, "refused replace");
}

TEST_F(LogSessionTest, AFailedWriteLeavesMemoryAndFileAsTheyWere)
{
    writeLog({a, b});
    LogSession session(dir.path(), &clock);
    ASSERT_TRUE(session.open("F5ABC"));
    const QByteArray before = logBytes();
    const ContactedCastles castles = session.castles();
    QSignalSpy changes(&session, &LogSession::changed);
    for (WriteStep failing : {WriteStep::Write, WriteStep::Rename}) {
        setWriteFault([failing](WriteStep step, const QString&) { return step == failing ? ENOSPC : 0; });
        EXPECT_FALSE(session.Ajoute_QSO(c));
        EXPECT_FALSE(session.Insere_QSO_Date(c));
        EXPECT_FALSE(session.Remplace_QSO(0, a, c));
        const Result deleted = session.Supprime_QSO(1, b);
        EXPECT_FALSE(deleted);
        EXPECT_TRUE(deleted.message.startsWith(QStringLiteral("Impossible d'enregistrer le fichier"))) << deleted.text().toStdString();
    }
    setWriteFault({});
    EXPECT_EQ(logBytes(), before);
    EXPECT_EQ(session.lines(), QStringList({a, b}));
    EXPECT_EQ(session.model()->lines(), QStringList({a, b}));
    EXPECT_TRUE(session.castles() == castles);
    EXPECT_EQ(changes.size(), 0);
    EXPECT_FALSE(exists("Temporaire.txt"));
    EXPECT_FALSE(exists("Temporaire6.txt"));
    expectSameAsFullReload(session, "failed writes");
}
