#include "awards/award_figures.h"
#include "awards/award_list.h"
#include "reports/report_file.h"
#include "support/test_env.h"

TEST(AwardList, RowsKeepTheirFullWidthsEvenFromAShortLine)
{
    const QString line = qsoLine("F6BBB", "7", "07001", "02/02/08", "11:00", "7.0 Mhz", true, "X", "CW", "ANNE");
    EXPECT_EQ(castleRow(line), " 07001  7   X                               02/02/08  11:00  F6BBB       ");
    EXPECT_EQ(departmentRow(line), "7   07001  F6BBB        ANNE            02/02/08  11:00  7.0 Mhz  CW   ");
    EXPECT_EQ(castleRow(line.left(20)).size(), 73);
    EXPECT_EQ(departmentRow(QString()).size(), departmentRow(line).size());
}

TEST(AwardList, DuplicatesAreListedTwiceAndNumbersAlignRight)
{
    QStringList log;
    for (int i = 0; i < 123; ++i)
        log << qsoLine("F6AAA", "77", "77121", "01/02/08", "10:00", "14 Mhz", true);
    const AwardFigures figures = computeAwardFigures(log);
    const AwardList list = buildAwardList(figures.hf, "HF", "Trophe");
    EXPECT_EQ(list.rows.size(), 123);
    EXPECT_EQ(list.count, " 123 châteaux confirmés");
    const QStringList saved = savedAwardLines(list, "F5ABC", QDate(2026, 12, 6));
    EXPECT_TRUE(saved[4 + 6].startsWith("    7 "));
    EXPECT_TRUE(saved[4 + 122].startsWith("  123 "));
    EXPECT_EQ(awardFileName("F5ABC", list, QDate(2026, 12, 6)), "F5ABC_Diplome_DFCF_Trophe_Bande_HF_06_12_26.txt");
    const QStringList printed = printedAwardLines(list, "F5ABC", QDate(2026, 12, 6));
    EXPECT_TRUE(printed[4 + 122].startsWith("      123  77121"));

    const AwardList excellence = buildAwardList(figures.hf, "HF", "Excellence");
    EXPECT_EQ(excellence.rows.size(), 1);
    EXPECT_EQ(excellence.count, " 1 départements confirmés");
}

TEST(AwardList, SlotZeroAndUnknownDepartmentsAreNeverListedUnderExcellence)
{
    const QStringList log = {
        qsoLine("F6AAA", "00", "00001", "01/02/08", "10:00", "14 Mhz", true),
        qsoLine("F6AAA", "98", "98001", "01/02/08", "10:00", "14 Mhz", true),
    };
    const AwardFigures figures = computeAwardFigures(log);
    EXPECT_TRUE(buildAwardList(figures.hf, "HF", "Excellence").rows.isEmpty());
    EXPECT_EQ(buildAwardList(figures.hf, "HF", "de Base").rows.size(), 2);
}

TEST(AwardList, SortingIgnoresCaseAndKeepsTheOrderOfEqualRows)
{
    QStringList rows = {"b2", "B1", "a", "A", "2b", "2A", "29", "30"};
    sortRows(rows);
    EXPECT_EQ(rows, QStringList({"29", "2A", "2b", "30", "a", "A", "B1", "b2"}));
}
