#include "castles/castle_list.h"
#include "castles/name_refresh.h"
#include "logbook/log_list_model.h"
#include "logbook/log_store.h"
#include "platform/text_file.h"
#include "shell/main_window.h"
#include "support/test_env.h"
#include <QAction>
#include <QListView>

namespace {

// The line with its castle columns replaced.
QString withCastle(QString line, const QString& castle)
{
    return line.replace(75, 30, castle.leftJustified(30, ' ', true));
}

class NameRefreshTest : public DataDirTest {
protected:
    void SetUp() override
    {
        writeLines(castleListFileName, {"Rev 001 du 01/01/19", "77-121;Château Test;Ville", "2a004;Tour génoise;",
                                        "01001;Une demeure au nom bien plus long que trente;", "33333;Doublon;"});
        named = qsoLine("F6AAA", "77", "77121", "01/02/19", "10:00", "14 Mhz", true, "CHATEAU DEJA NOMME");
        prefixed = qsoLine("F6BBB", "77", "77121", "02/02/19", "10:05", "14 Mhz", false, "C. ");
        blank = qsoLine("F6CCC", "2a", "2a004", "03/02/19", "10:10", "7.0 Mhz", true, "");
        shortPrefix = qsoLine("F6DDD", "1", "01001", "04/02/19", "10:15", "144 Mhz", false, "C.");
        unlisted = qsoLine("F6EEE", "99", "99999", "05/02/19", "10:20", "14 Mhz", false, "C. ");
        // A hand-edited department of four characters keeps its first two.
        wideDpt = qsoLine("F6FFF", "33", "33333", "06/02/19", "10:25", "14 Mhz", false, "C. ").replace(13, 4, "33xy");
        writeLog({named, prefixed, blank, shortPrefix, unlisted, wideDpt});
    }

    QStringList expected() const
    {
        return {named,
                withCastle(prefixed, "C. CHÂTEAU TEST"),
                withCastle(blank, "C. TOUR GÉNOISE"),
                withCastle(shortPrefix, "C. UNE DEMEURE AU NOM BIEN PLU"),
                withCastle(unlisted, ""),
                withCastle(QString(wideDpt).replace(13, 4, "33  "), "C. DOUBLON")};
    }

    QString named, prefixed, blank, shortPrefix, unlisted, wideDpt;
};

} // namespace

TEST_F(NameRefreshTest, MissingNamesAreFilledInUpperCaseAndTheRestIsKeptByteForByte)
{
    QList<qsizetype> progress;
    const Result result = Maj_Nom_DFCF(dir.path(), "F5ABC", [&](qsizetype done, qsizetype total) {
        progress << done << total;
    });
    ASSERT_TRUE(result.ok) << result.text().toStdString();
    const QByteArray once = logBytes();
    EXPECT_EQ(once, joinLines(expected()));
    EXPECT_TRUE(once.contains("C. CH\xC2TEAU TEST                "));
    EXPECT_EQ(progress.mid(progress.size() - 2), (QList<qsizetype>{6, 6}));
    EXPECT_FALSE(exists(refreshScratchName));

    // A second run finds only the unlisted castle to look up, and changes nothing.
    ASSERT_TRUE(Maj_Nom_DFCF(dir.path(), "F5ABC").ok);
    EXPECT_EQ(logBytes(), once);
}

TEST_F(NameRefreshTest, AMissingLogOrListStopsBeforeTheLogIsTouched)
{
    const QByteArray before = logBytes();
    QFile::remove(path(castleListFileName));
    const Result noList = Maj_Nom_DFCF(dir.path(), "F5ABC");
    EXPECT_FALSE(noList.ok);
    EXPECT_EQ(noList.message, castleListMissingMessage());
    EXPECT_EQ(noList.detail, QStringLiteral("Le log F5ABC_DFCF.log n'a pas été modifié."));
    EXPECT_EQ(logBytes(), before);

    const Result noLog = Maj_Nom_DFCF(dir.path(), "F6XYZ");
    EXPECT_EQ(noLog.message, QStringLiteral("Le log F6XYZ_DFCF.log est introuvable : rien n'a été modifié."));
    EXPECT_FALSE(exists("F6XYZ_DFCF.log"));
    EXPECT_FALSE(exists(refreshScratchName));
}

TEST_F(NameRefreshTest, AScratchFileThatCannotBeWrittenLeavesTheLog)
{
    const QByteArray before = logBytes();
    QDir(dir.path()).mkdir(refreshScratchName); // a directory stands where the scratch file goes
    const Result result = Maj_Nom_DFCF(dir.path(), "F5ABC");
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.message.contains("F5ABC_DFCF.log")) << result.message.toStdString();
    EXPECT_EQ(logBytes(), before);
}

TEST_F(NameRefreshTest, TheMenuWarnsRefreshesTheStationLogReloadsAndResetsTheEntry)
{
    context.Indicatif_Station = "F5ABC_P"; // shown as F5ABC/P, stored with "_"
    writeLog({named, prefixed, blank, shortPrefix, unlisted, wideDpt});
    Main main(context);
    main.show();
    main.Mnu_Maj_Nom_DFCF->trigger();
    EXPECT_EQ(messages.shown, (QStringList{"          Attention en fonction du nombre de références\r\n"
                                           "            la mise à jour peut prendre quelques minutes\r\n"
                                           " Attendre la fenetre 'Mise à jour du nom des Chateaux términée'",
                                           "Mise à jour du nom des Chateaux términée"}));
    EXPECT_EQ(readFile("F5ABC_P_DFCF.log"), joinLines(expected()));
    ASSERT_EQ(main.logModel()->rowCount(), 6);
    EXPECT_EQ(main.logModel()->logLine(1), expected()[1]);
    EXPECT_EQ(main.logList()->currentIndex().row(), 5);
}

TEST_F(NameRefreshTest, TheMenuReportsAMissingListAndLeavesTheLog)
{
    QFile::remove(path(castleListFileName));
    const QByteArray before = logBytes();
    Main main(context);
    main.Mnu_Maj_Nom_DFCF->trigger();
    ASSERT_EQ(messages.shown.size(), 2);
    EXPECT_EQ(messages.shown[1], castleListMissingMessage() + "\r\nLe log F5ABC_DFCF.log n'a pas été modifié.");
    EXPECT_EQ(logBytes(), before);
}
