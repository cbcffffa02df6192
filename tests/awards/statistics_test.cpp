#include "awards/statistics.h"
#include "support/test_env.h"

namespace {

QString qso(const QString& date, const QString& band, bool qsl, const QString& mode = "SSB")
{
    return qsoLine("F6AAA", "77", "77121", date, "10:00", band, qsl, "C. ", mode);
}

// March 2008: HF and VHF confirmed, one HF unconfirmed; May: UHF confirmed;
// one HF line on the 31st of February and a 10 Mhz line without a date.
QStringList smallLog()
{
    return {
        qso("15/03/08", "14 Mhz", true),
        qso("20/03/08", "144 Mhz", true, "CW"),
        qso("22/03/08", "14 Mhz", false),
        qso("05/05/08", "432 Mhz", true, "FM"),
        qso("31/02/09", "14 Mhz", true),
        qso("01/04/08", "10 Mhz", false),
        qso("        ", "10 Mhz", true),
    };
}

} // namespace

TEST(Statistics, SmallLogGivesTheFiguresCountedByHand)
{
    const LogStatistics stats = computeStatistics(smallLog());
    const GroupStatistics& hf = stats.group(StatGroup::HF);
    EXPECT_EQ(hf.qsos, 3);
    EXPECT_EQ(hf.confirmed, 2);
    EXPECT_EQ(hf.undated, 1);
    EXPECT_EQ(hf.confirmedByMonth, (QMap<int, int>{{monthKey(2008, 3), 1}}));
    ASSERT_EQ(hf.byYear.keys(), QList<int>{2008});
    EXPECT_EQ(hf.byYear[2008].contacted, 2);
    EXPECT_EQ(hf.byYear[2008].confirmed, 1);
    EXPECT_EQ(hf.byBand, (QMap<QString, int>{{"14 Mhz", 3}}));
    EXPECT_EQ(hf.byMode, (QMap<QString, int>{{"SSB", 3}}));

    EXPECT_EQ(stats.group(StatGroup::VHF).byMode, (QMap<QString, int>{{"CW", 1}}));
    EXPECT_EQ(stats.group(StatGroup::Other).qsos, 2);
    EXPECT_EQ(stats.group(StatGroup::Other).undated, 1);
    EXPECT_TRUE(stats.group(StatGroup::Other).confirmedByMonth.isEmpty());
    EXPECT_EQ(stats.undated(), 2);

    EXPECT_EQ(stats.firstMonth, monthKey(2008, 3));
    EXPECT_EQ(stats.lastMonth, monthKey(2008, 5));
    EXPECT_EQ(stats.cumulativeConfirmed(StatGroup::HF), (QList<int>{1, 1, 1}));
    EXPECT_EQ(stats.cumulativeConfirmed(StatGroup::VHF), (QList<int>{1, 1, 1}));
    EXPECT_EQ(stats.cumulativeConfirmed(StatGroup::UHF), (QList<int>{0, 0, 1}));

    const GroupStatistics all = stats.allGroups();
    EXPECT_EQ(all.qsos, 7);
    EXPECT_EQ(all.undated, 2);
    EXPECT_EQ(all.byYear[2008].contacted, 5);
    EXPECT_EQ(all.byYear[2008].confirmed, 3);
    EXPECT_EQ(orderedBands(all.byBand), (QStringList{"10 Mhz", "14 Mhz", "144 Mhz", "432 Mhz"}));
    EXPECT_EQ(orderedModes(all.byMode), (QStringList{"SSB", "CW", "FM"}));
}

TEST(Statistics, TwoDigitYearsAndUnknownLabelsFollowTheLogRules)
{
    QStringList log = {qso("31/12/49", "14 Mhz", true), qso("01/01/50", "14 Mhz", true),
                       qso("29/02/00", "15 Mhz", false, "RTT"), qso("29/02/01", "14 Mhz", false),
                       qso("01/13/08", "14 Mhz", false), qso("0a/01/08", "14 Mhz", false)};
    log << QStringLiteral("F6AAA") << QString();
    const LogStatistics stats = computeStatistics(log);
    // 2049 is later than 1950; 2000 was a leap year, 2001 was not.
    EXPECT_EQ(stats.firstMonth, monthKey(1950, 1));
    EXPECT_EQ(stats.lastMonth, monthKey(2049, 12));
    EXPECT_EQ(stats.group(StatGroup::HF).byYear.keys(), (QList<int>{1950, 2049}));
    EXPECT_EQ(stats.group(StatGroup::Other).byYear.keys(), QList<int>{2000});
    EXPECT_EQ(stats.cumulativeConfirmed(StatGroup::HF).size(), 100 * 12);
    EXPECT_EQ(stats.cumulativeConfirmed(StatGroup::HF).first(), 1);
    EXPECT_EQ(stats.cumulativeConfirmed(StatGroup::HF).last(), 2);
    // Short lines and impossible dates count as undated QSOs of no known band.
    EXPECT_EQ(stats.undated(), 5);
    EXPECT_EQ(orderedBands(stats.allGroups().byBand), (QStringList{"14 Mhz", "", "15 Mhz"}));
    EXPECT_EQ(orderedModes(stats.allGroups().byMode), (QStringList{"SSB", "", "RTT"}));
}

TEST_F(DataDirTest, StatisticsOfAMissingLogAreEmptyAndSaySo)
{
    StatisticsRead read = readStatistics(dir.path(), "F5ABC");
    EXPECT_FALSE(read.result.ok);
    EXPECT_EQ(read.result.text(), "Le log F5ABC_DFCF.log est introuvable : les statistiques sont vides.");
    EXPECT_FALSE(read.statistics.hasDatedRecords());
    EXPECT_TRUE(read.statistics.cumulativeConfirmed(StatGroup::HF).isEmpty());

    writeLog(smallLog());
    read = readStatistics(dir.path(), context.Indicatif_Station);
    EXPECT_TRUE(read.result.ok);
    EXPECT_EQ(read.statistics.allGroups().qsos, 7);
}

TEST(Statistics, ThresholdsAreTheCastleLimitsOfEachGroupsAwards)
{
    const auto limits = [](StatGroup g, int confirmed, bool nextOnly) {
        QList<int> castles;
        for (const CastleThreshold& t : castleThresholds(g, confirmed, nextOnly))
            castles << t.castles;
        return castles;
    };
    EXPECT_EQ(limits(StatGroup::HF, 0, false), (QList<int>{30, 1500, 3000}));
    EXPECT_EQ(limits(StatGroup::VHF, 0, false), (QList<int>{10, 150}));
    EXPECT_EQ(limits(StatGroup::UHF, 0, false), (QList<int>{5, 75}));
    EXPECT_TRUE(limits(StatGroup::Other, 0, false).isEmpty());
    EXPECT_EQ(limits(StatGroup::HF, 29, true), QList<int>{30});
    EXPECT_EQ(limits(StatGroup::HF, 30, true), QList<int>{1500});
    EXPECT_EQ(limits(StatGroup::UHF, 80, true), QList<int>{75});
    EXPECT_TRUE(limits(StatGroup::Other, 80, true).isEmpty());
    EXPECT_EQ(castleThresholds(StatGroup::HF, 0, false)[2].label, "HF Trophé : 3000");
}
