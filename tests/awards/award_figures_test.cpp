#include "awards/award_figures.h"
#include "logbook/departments.h"
#include "logbook/log_line.h"
#include "support/test_env.h"

namespace {

// Confirmed records spread over the first departments of the award in turn.
QStringList confirmed(int count, int departments, const QString& band = "14 Mhz")
{
    QStringList lines;
    for (int i = 0; i < count; ++i) {
        const QString dpt = awardDepartments()[i % departments];
        lines << qsoLine("F6AAA", dpt, dpt + QString::number(i % 1000).rightJustified(3, '0'), "01/02/08", "10:00",
                         band, true);
    }
    return lines;
}

AwardStatus status(const QString& group, const QString& nom, const QStringList& lines)
{
    const AwardFigures figures = computeAwardFigures(lines);
    for (const AwardRule& rule : awardRules(group))
        if (rule.nom == nom)
            return awardStatus(rule, *figures.group(group));
    ADD_FAILURE() << "no award " << nom.toStdString();
    return {};
}

void expectStatus(const AwardStatus& got, bool reached, int castles, int departments)
{
    EXPECT_EQ(got.reached, reached);
    EXPECT_EQ(got.castles, castles);
    EXPECT_EQ(got.departments, departments);
}

} // namespace

TEST(AwardFigures, HfAwardsAreReachedExactlyAtTheirLimits)
{
    expectStatus(status("HF", "de Base", confirmed(29, 29)), false, 1, 0);
    expectStatus(status("HF", "de Base", confirmed(30, 30)), true, 30, 30);

    const QStringList honneurDepartmentsShort = confirmed(1500, 89);
    expectStatus(status("HF", "Honneur", honneurDepartmentsShort), false, 0, 1);
    expectStatus(status("HF", "Honneur", confirmed(1499, 90)), false, 1, 0);
    expectStatus(status("HF", "Honneur", confirmed(1500, 90)), true, 1500, 90);
    expectStatus(status("HF", "Trophe", confirmed(2999, 90)), false, 1, 0);
    expectStatus(status("HF", "Trophe", confirmed(3000, 89)), false, 0, 1);
    expectStatus(status("HF", "Trophe", confirmed(3000, 90)), true, 3000, 90);

    expectStatus(status("HF", "Excellence", confirmed(94, 94)), false, 0, 1);
    const QStringList ninetyFive = confirmed(95, 95);
    expectStatus(status("HF", "Excellence", ninetyFive), true, 95, 95);
    EXPECT_TRUE(status("HF", "de Base", ninetyFive).reached);
    expectStatus(status("HF", "Honneur", ninetyFive), false, 1405, 0);
    expectStatus(status("HF", "Trophe", ninetyFive), false, 2905, 0);
}

TEST(AwardFigures, VhfAndUhfAwardsAreReachedExactlyAtTheirLimits)
{
    expectStatus(status("VHF", "de Base", confirmed(9, 9, "144 Mhz")), false, 1, 0);
    expectStatus(status("VHF", "de Base", confirmed(10, 10, "144 Mhz")), true, 10, 10);
    expectStatus(status("VHF", "Honneur", confirmed(160, 44, "144 Mhz")), false, 0, 1);
    expectStatus(status("VHF", "Honneur", confirmed(149, 45, "144 Mhz")), false, 1, 0);
    expectStatus(status("VHF", "Honneur", confirmed(150, 45, "144 Mhz")), true, 150, 45);

    expectStatus(status("UHF", "de Base", confirmed(4, 4, "432 Mhz")), false, 1, 0);
    expectStatus(status("UHF", "de Base", confirmed(5, 5, "432 Mhz")), true, 5, 5);
    expectStatus(status("UHF", "Honneur", confirmed(75, 19, "432 Mhz")), false, 0, 1);
    expectStatus(status("UHF", "Honneur", confirmed(74, 20, "432 Mhz")), false, 1, 0);
    expectStatus(status("UHF", "Honneur", confirmed(75, 20, "432 Mhz")), true, 75, 20);

    // The same five records on the other band leave each window short.
    expectStatus(status("VHF", "de Base", confirmed(5, 5, "432 Mhz")), false, 10, 0);
    expectStatus(status("UHF", "de Base", confirmed(5, 5, "144 Mhz")), false, 5, 0);
}

TEST(AwardFigures, RecordsOfEachGroupCountOnlyThere)
{
    const QStringList lines = {
        qsoLine("F6AAA", "77", "77121", "01/02/08", "10:00", "14 Mhz", true),
        qsoLine("F6AAA", "77", "77121", "02/02/08", "10:00", "14 Mhz", true),  // same castle again
        qsoLine("F6AAA", "77", "77121", "03/02/08", "10:00", "14 Mhz", false),
        qsoLine("F6BBB", "45", "45001", "01/02/08", "10:00", "50 Mhz", true),  // 50 Mhz is HF
        qsoLine("F6CCC", "12", "12001", "01/02/08", "10:00", "10 Mhz", true),  // no group at all
        qsoLine("F6DDD", "13", "13001", "01/02/08", "10:00", "144 Mhz", true),
        qsoLine("F6EEE", "14", "14001", "01/02/08", "10:00", "432 Mhz", false),
    };
    QString otherMark = qsoLine("F6FFF", "15", "15001", "01/02/08", "10:00", "14 Mhz", false);
    otherMark[106] = 'N';
    QString unitInCapitals = qsoLine("F6GGG", "16", "16001", "01/02/08", "10:00", "14 Mhz", true);
    unitInCapitals.replace(59, 7, "14 MHz ");
    const QString shortLine = lines[0].left(100);

    const AwardFigures figures = computeAwardFigures(QStringList(lines) << otherMark << unitInCapitals << shortLine);
    EXPECT_EQ(figures.hf.contacted, 6);
    EXPECT_EQ(figures.hf.confirmed, 3);
    EXPECT_EQ(figures.hf.confirmedDepartments, 2);
    EXPECT_EQ(figures.vhf.contacted, 1);
    EXPECT_EQ(figures.vhf.confirmed, 1);
    EXPECT_EQ(figures.vhf.confirmedDepartments, 1);
    EXPECT_EQ(figures.uhf.contacted, 1);
    EXPECT_EQ(figures.uhf.confirmed, 0);
    EXPECT_EQ(figures.uhf.confirmedDepartments, 0);
    EXPECT_FALSE(figures.uhf.departmentFlags[14]);
    EXPECT_EQ(figures.hf.confirmedLines, QStringList({lines[0], lines[1], lines[3]}));
    EXPECT_EQ(figures.hf.lastConfirmedLine[77], lines[1]);
}

TEST(AwardFigures, CorsicaZeroTwentyAndOddDepartments)
{
    const QStringList lines = {
        qsoLine("F6AAA", "2B", "2B001", "01/02/08", "10:00", "144 Mhz", true),
        qsoLine("F6AAA", "97", "97001", "01/02/08", "10:00", "144 Mhz", true),
        qsoLine("F6AAA", "2a", "2a001", "01/02/08", "10:00", "432 Mhz", true),
        qsoLine("F6AAA", "2A", "2A001", "01/02/08", "10:00", "14 Mhz", true),
        qsoLine("F6AAA", "96", "96001", "01/02/08", "10:00", "14 Mhz", true),
        qsoLine("F6AAA", "20", "20001", "01/02/08", "10:00", "14 Mhz", true),
        qsoLine("F6AAA", "00", "00001", "01/02/08", "10:00", "14 Mhz", true),
        qsoLine("F6AAA", "0", "00002", "01/02/08", "10:00", "14 Mhz", true),
        qsoLine("F6AAA", "98", "98001", "01/02/08", "10:00", "14 Mhz", true),
        qsoLine("F6AAA", "", "xx001", "01/02/08", "10:00", "14 Mhz", true),
        qsoLine("F6AAA", "ab", "ab001", "01/02/08", "10:00", "14 Mhz", true),
        qsoLine("F6AAA", "2c", "2c001", "01/02/08", "10:00", "14 Mhz", true),
    };
    const AwardFigures figures = computeAwardFigures(lines);
    EXPECT_EQ(figures.vhf.confirmedDepartments, 1);
    EXPECT_TRUE(figures.vhf.departmentFlags[97]);
    EXPECT_EQ(figures.vhf.lastConfirmedLine[97], lines[0]);
    EXPECT_EQ(figures.uhf.confirmedDepartments, 1);
    EXPECT_TRUE(figures.uhf.departmentFlags[96]);
    // Only "2A" is one of the 96; the others ("96", "20", "00", "98", blank...)
    // count as confirmed castles without a department.
    EXPECT_EQ(figures.hf.confirmed, 9);
    EXPECT_EQ(figures.hf.confirmedLines.size(), 9);
    EXPECT_EQ(figures.hf.confirmedDepartments, 1);
    EXPECT_FALSE(figures.hf.departmentFlags[0]);
    EXPECT_FALSE(figures.hf.departmentFlags[20]);
    EXPECT_EQ(figures.hf.lastConfirmedLine[96], lines[3]);
}

TEST(AwardFigures, OldDepartmentsNeverLiftTheCountAboveNinetySix)
{
    QStringList lines;
    for (int index = 0; index < 100; ++index)
        lines << qsoLine("F6AAA", departmentLabel(index), "00001", "01/02/08", "10:00", "14 Mhz", true);
    const AwardFigures figures = computeAwardFigures(lines);
    EXPECT_EQ(figures.hf.confirmed, 100);
    EXPECT_EQ(figures.hf.confirmedDepartments, 96);
    const AwardStatus excellence = awardStatus(awardRules("HF").last(), figures.hf);
    EXPECT_TRUE(excellence.reached);
    EXPECT_EQ(excellence.departments, 96);
}

TEST(AwardFigures, EmptyLogGivesZeroEverywhere)
{
    const AwardFigures figures = computeAwardFigures({});
    for (const GroupFigures* group : {&figures.hf, &figures.vhf, &figures.uhf}) {
        EXPECT_EQ(group->contacted, 0);
        EXPECT_EQ(group->confirmed, 0);
        EXPECT_EQ(group->confirmedDepartments, 0);
    }
    EXPECT_EQ(figures.group("10 Mhz"), nullptr);
}

class AwardFiguresRead : public DataDirTest {};

TEST_F(AwardFiguresRead, MissingLogNamesTheFileAndGivesZeros)
{
    const FiguresRead read = readAwardFigures(context.dataDir, context.Indicatif_Station);
    EXPECT_FALSE(read.result.ok);
    EXPECT_TRUE(read.result.message.contains("F5ABC_DFCF.log")) << read.result.message.toStdString();
    EXPECT_EQ(read.figures.hf.contacted, 0);

    writeLog({qsoLine("F6AAA", "77", "77121", "01/02/08", "10:00", "14 Mhz", true)});
    const FiguresRead present = readAwardFigures(context.dataDir, context.Indicatif_Station);
    EXPECT_TRUE(present.result.ok);
    EXPECT_EQ(present.figures.hf.confirmed, 1);
}
