#include "logbook/log_line.h"
#include "logbook/log_store.h"
#include "platform/text_file.h"
#include "support/test_env.h"
#include <QDir>

namespace {

class LogStoreTest : public DataDirTest {
protected:
    LogStore store() const { return LogStore(dir.path(), "F5ABC"); }
    QStringList logLines() const { return splitLines(fromWindows1252(logBytes())); }
    // A directory standing where the scratch file must go makes every write fail.
    void blockScratch(const QString& name) const { QDir(dir.path()).mkdir(name); }

    const QString a = qsoLine("F6AAA", "77", "77121", "01/02/08", "10:00", "14 Mhz");
    const QString b = qsoLine("F6BBB", "75", "75001", "03/02/08", "10:00", "14 Mhz");
    const QString c = qsoLine("F6CCC", "2a", "2a004", "05/02/08", "10:00", "144 Mhz");
};

} // namespace

TEST_F(LogStoreTest, AccentedLinesRoundTripOneBytePerLetter)
{
    const QString line = qsoLine("F6ABC", "77", "77121", "01/02/08", "10:00", "14 Mhz", true,
                                 QStringLiteral("C. Château d'Œuf €"), "SSB", QStringLiteral("Hélène"));
    writeLog({});
    ASSERT_TRUE(store().Ajoute_QSO(line).ok);
    const QByteArray bytes = logBytes();
    EXPECT_EQ(bytes.size(), 109);
    EXPECT_TRUE(bytes.endsWith("*\r\n"));
    EXPECT_NE(bytes.indexOf("H\xC9L\xC8NE"), -1);
    EXPECT_NE(bytes.indexOf("CH\xC2TEAU D'\x8C" "UF \x80"), -1);
    EXPECT_EQ(store().read().lines, QStringList{line});
}

TEST_F(LogStoreTest, AddAppendsEvenAfterACallsignThatBeginsWithADigit)
{
    const QString digit = qsoLine("9A1AA", "77", "77122", "02/02/08", "10:00", "14 Mhz");
    writeLog({a, digit});
    ASSERT_TRUE(store().Ajoute_QSO(b).ok);
    EXPECT_EQ(logLines(), QStringList({a, digit, b}));
    EXPECT_FALSE(exists("Temporaire.txt"));
}

TEST_F(LogStoreTest, InsertByDateKeepsDateOrderAndGoesBeforeAnEqualInstant)
{
    writeLog({});
    ASSERT_TRUE(store().Insere_QSO_Date(b).ok);
    EXPECT_EQ(logLines(), QStringList{b}); // an empty log receives the line alone

    writeLog({a, b});
    const QString sameAsB = qsoLine("F6SAM", "75", "75002", "03/02/08", "10:00", "14 Mhz");
    ASSERT_TRUE(store().Insere_QSO_Date(sameAsB).ok);
    EXPECT_EQ(logLines(), QStringList({a, sameAsB, b}));

    const QString y2049 = qsoLine("F6NEW", "75", "75003", "31/12/49", "00:00", "14 Mhz");
    const QString y1950 = qsoLine("F6OLD", "75", "75004", "01/01/50", "00:00", "14 Mhz");
    writeLog({y1950, a});
    ASSERT_TRUE(store().Insere_QSO_Date(y2049).ok);
    EXPECT_EQ(logLines(), QStringList({y1950, a, y2049}));
    EXPECT_FALSE(exists("Temporaire6.txt"));
}

TEST_F(LogStoreTest, InsertingManyByDatePlacesEachAsASingleInsertWould)
{
    // An unsorted log (automatic-date QSOs appended) and new QSOs in no order,
    // at distinct instants: one rewrite must give what one insert per QSO gives.
    QStringList log, added;
    for (int i = 0; i < 40; ++i)
        log << qsoLine(QStringLiteral("F%1LOG").arg(i), "75", "75001", QStringLiteral("%1/0%2/08").arg(1 + (i * 7) % 28, 2, 10, QChar('0')).arg(1 + i % 3),
                       QStringLiteral("10:%1").arg(i, 2, 10, QChar('0')), "14 Mhz");
    for (int i = 0; i < 25; ++i)
        added << qsoLine(QStringLiteral("F%1NEW").arg(i), "77", "77121", QStringLiteral("%1/0%2/08").arg(1 + (i * 11) % 28, 2, 10, QChar('0')).arg(1 + i % 4),
                         QStringLiteral("11:%1").arg(i, 2, 10, QChar('0')), "14 Mhz");
    writeLog(log);
    for (const QString& line : added)
        ASSERT_TRUE(store().Insere_QSO_Date(line).ok);
    const QStringList oneByOne = logLines();
    writeLog(log);
    ASSERT_TRUE(store().Insere_QSOs_Date(added).ok);
    EXPECT_EQ(logLines(), oneByOne);

    // New QSOs at one instant keep their order, before the log's QSO at that instant.
    const QString sameAsB = qsoLine("F6SAM", "75", "75002", "03/02/08", "10:00", "14 Mhz");
    writeLog({a, b});
    ASSERT_TRUE(store().Insere_QSOs_Date({c, sameAsB, b}).ok);
    EXPECT_EQ(logLines(), QStringList({a, sameAsB, b, b, c}));
    writeLog({});
    ASSERT_TRUE(store().Insere_QSOs_Date({c, a}).ok);
    EXPECT_EQ(logLines(), QStringList({a, c}));
}

TEST_F(LogStoreTest, InsertByDateOrdersImpossibleStoredDatesAsNumbers)
{
    const QString feb31 = qsoLine("F6FEB", "75", "75005", "31/02/08", "12:00", "14 Mhz");
    const QString zero = qsoLine("F6ZER", "75", "75006", "00/00/00", "00:00", "14 Mhz");
    writeLog({zero, feb31});
    const QString march = qsoLine("F6MAR", "75", "75007", "01/03/08", "00:00", "14 Mhz");
    ASSERT_TRUE(store().Insere_QSO_Date(march).ok);
    const QString feb = qsoLine("F6FEV", "75", "75008", "28/02/08", "00:00", "14 Mhz");
    ASSERT_TRUE(store().Insere_QSO_Date(feb).ok);
    EXPECT_EQ(logLines(), QStringList({zero, feb, feb31, march}));
}

TEST_F(LogStoreTest, ReplaceAndDeleteActOnTheOneLineAtTheirPosition)
{
    writeLog({a, b, a, c});
    ASSERT_TRUE(store().Supprime_QSO(2, a).ok);
    EXPECT_EQ(logLines(), QStringList({a, b, c})); // the identical twin stays

    const QString edited = qsoLine("F6BBB", "75", "75001", "03/02/08", "10:00", "14 Mhz", true);
    ASSERT_TRUE(store().Remplace_QSO(1, b, edited).ok);
    EXPECT_EQ(logLines(), QStringList({a, edited, c}));

    const QString lower = QString(a).replace(75, 10, "c. chateau");
    writeLog({lower});
    ASSERT_TRUE(store().Remplace_QSO(0, lower, b).ok); // whatever the case of the stored name
    EXPECT_EQ(logLines(), QStringList{b});
}

TEST_F(LogStoreTest, ALineThatChangedMeanwhileIsLeftAloneAndSaidSo)
{
    writeLog({a, b});
    const QByteArray before = logBytes();
    for (const Result& r : {store().Supprime_QSO(0, b), store().Remplace_QSO(1, a, c), store().Supprime_QSO(2, a),
                            store().Remplace_QSO(-1, a, c)}) {
        EXPECT_FALSE(r.ok);
        EXPECT_EQ(r.message, QStringLiteral("Ce QSO a changé dans le log depuis son affichage : rien n'a été modifié."));
    }
    EXPECT_EQ(logBytes(), before);
}

TEST_F(LogStoreTest, AFailedRewriteLeavesTheLogByteForByte)
{
    writeLog({a, b});
    const QByteArray before = logBytes();
    blockScratch("Temporaire.txt");
    blockScratch("Temporaire6.txt");
    for (const Result& r : {store().Ajoute_QSO(c), store().Insere_QSO_Date(c), store().Remplace_QSO(0, a, c),
                            store().Supprime_QSO(1, b)}) {
        EXPECT_FALSE(r.ok);
        EXPECT_EQ(r.message, QStringLiteral("Impossible d'enregistrer le fichier F5ABC_DFCF.log : il est resté inchangé."));
    }
    EXPECT_EQ(logBytes(), before);
}

TEST_F(LogStoreTest, AMissingLogIsReportedNotRecreated)
{
    const Result r = store().Ajoute_QSO(a);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.message, QStringLiteral("Le fichier F5ABC_DFCF.log est introuvable : rien n'a été modifié."));
    EXPECT_FALSE(exists("F5ABC_DFCF.log"));
    EXPECT_EQ(store().read().status, ReadStatus::NotFound);
}

TEST_F(LogStoreTest, CreateLogNeverReplacesALogWithQsos)
{
    EXPECT_TRUE(LogStore::Creer_Log(dir.path(), "F1NEW").ok); // no template: an empty log
    EXPECT_TRUE(exists("F1NEW_DFCF.log"));
    EXPECT_EQ(readFile("F1NEW_DFCF.log"), QByteArray());

    writeLog({a});
    writeFile("FXXXX.txt", "");
    EXPECT_TRUE(LogStore::Creer_Log(dir.path(), "F5ABC").ok);
    EXPECT_EQ(logBytes(), joinLines({a}));

    QDir(dir.path()).mkdir("F2DIR_DFCF.log");
    EXPECT_FALSE(LogStore::Creer_Log(dir.path(), "F2DIR").ok);
}

TEST_F(LogStoreTest, CastleSearchFindsTheFirstQsoOfTheGroup)
{
    const QString on10 = qsoLine("F6AAA", "77", "77121", "01/02/08", "10:00", "10 Mhz");
    const QString on14 = qsoLine("F6BBB", "77", "77121", "02/02/08", "10:00", "14 Mhz");
    const QString on28 = qsoLine("F6CCC", "77", "77121", "03/02/08", "10:00", "28 Mhz");
    const QString vhf = qsoLine("F6DDD", "2a", "2a004", "04/02/08", "10:00", "144 Mhz");
    writeLog({on10, on14, on28, vhf});
    const auto hf = store().Cherche_Chateau("77121", "HF");
    EXPECT_TRUE(hf.found);
    EXPECT_EQ(hf.date, "02/02/08");
    EXPECT_EQ(hf.band, "14 Mhz");
    EXPECT_FALSE(store().Cherche_Chateau("77121", "VHF").found);
    EXPECT_FALSE(store().Cherche_Chateau("77121", "").found);
    EXPECT_TRUE(store().Cherche_Chateau("2a004", "VHF").found);
    EXPECT_FALSE(store().Cherche_Chateau("2A004", "VHF").found);
}
