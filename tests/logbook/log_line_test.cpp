#include "logbook/departments.h"
#include "logbook/list_row.h"
#include "logbook/log_line.h"
#include "support/test_env.h"

namespace {

Ligne_Log sampleQso()
{
    Ligne_Log q;
    q.indicatif = "F6ABC";
    q.dpt = "7";
    q.prenom = "jérôme";
    q.ref = "77121";
    q.date = "05/02/08";
    q.qtr = "09:05";
    q.mode = "SSB";
    q.qrg = "14 Mhz";
    q.rstr = "59";
    q.rste = "579";
    q.chateau = "  C. château de Blandy-les-Tours et son donjon  ";
    return q;
}

} // namespace

TEST(LogLine, BuildsTheFixedColumnsAndReadsThemBack)
{
    const BuiltLine built = buildLogLine(sampleQso());
    ASSERT_TRUE(built.ok());
    const QString& line = built.text;
    EXPECT_EQ(line.size(), 107);
    EXPECT_EQ(line, QStringLiteral("F6ABC        7    JÉRÔME          77121 05/02/08 09:05 SSB 14 Mhz  59  579 "
                                   "C. CHÂTEAU DE BLANDY-LES-TOURS  "));
    EXPECT_EQ(logField(line, LogField::Dpt), QStringLiteral("7   "));
    EXPECT_EQ(logFieldTrimmed(line, LogField::QRG), QStringLiteral("14 Mhz"));
    EXPECT_FALSE(isConfirmed(line));
    EXPECT_EQ(line.right(1), QStringLiteral(" "));

    const Ligne_Log back = Ligne_Log::fromLine(line);
    EXPECT_EQ(back.indicatif, "F6ABC");
    EXPECT_EQ(back.prenom, QStringLiteral("JÉRÔME"));
    EXPECT_EQ(back.chateau, QStringLiteral("C. CHÂTEAU DE BLANDY-LES-TOURS"));
    EXPECT_EQ(back.rste, "579");

    Ligne_Log confirmed = sampleQso();
    confirmed.qsl = true;
    confirmed.prenom.clear();
    confirmed.chateau.clear();
    const QString c = buildLogLine(confirmed).text;
    EXPECT_TRUE(isConfirmed(c));
    EXPECT_EQ(logField(c, LogField::Prenom), QString(15, ' '));
    EXPECT_EQ(logField(c, LogField::Chateau), QString(30, ' '));
}

TEST(LogLine, UpperCasingNeverChangesAWidth)
{
    Ligne_Log q = sampleQso();
    q.prenom = "ßßßßßßßßßßßßßßß"; // 15 characters whose capital would be "SS"
    q.chateau = "straße " + QString(40, QChar(0x00E9));
    const BuiltLine built = buildLogLine(q);
    ASSERT_TRUE(built.ok());
    EXPECT_EQ(built.text.size(), 107);
    EXPECT_EQ(logField(built.text, LogField::Prenom), q.prenom);
    EXPECT_EQ(logField(built.text, LogField::Chateau), QStringLiteral("STRAßE ") + QString(23, QChar(0x00C9)));
}

TEST(LogLine, RefusesAFieldThatWouldShiftTheColumns)
{
    Ligne_Log q = sampleQso();
    q.mode = "RTTY";
    EXPECT_EQ(buildLogLine(q).error, QStringLiteral("3 caracteres maxi pour le mode"));
    q = sampleQso();
    q.indicatif = "F5ABCDEFGHIJK";
    EXPECT_FALSE(buildLogLine(q).ok());
    q = sampleQso();
    q.date = "5/2/08";
    EXPECT_TRUE(buildLogLine(q).ok()); // narrower fields are padded
    q.prenom = "A\r\nB";
    EXPECT_FALSE(buildLogLine(q).ok());
    q = sampleQso();
    q.prenom = QStringLiteral("Łukasz"); // no Windows-1252 byte for Ł
    EXPECT_FALSE(buildLogLine(q).ok());
}

TEST(LogLine, ShortAndDamagedLinesReadAsShortFields)
{
    const QString shortLine = "F6ABC        77   JEAN";
    EXPECT_EQ(logField(shortLine, LogField::Prenom), "JEAN");
    EXPECT_TRUE(logField(shortLine, LogField::Ref).isEmpty());
    EXPECT_FALSE(isConfirmed(shortLine));
    EXPECT_TRUE(lineBandGroup(shortLine).isEmpty());
    EXPECT_EQ(Ligne_Liste(3, shortLine).size(), 122);
    EXPECT_EQ(Ligne_Liste(3, QString()).size(), 122);
}

TEST(Departments, CorsicaAndNumbersMapToIndexes)
{
    EXPECT_EQ(departmentIndex("2a"), 96);
    EXPECT_EQ(departmentIndex("2A"), 96);
    EXPECT_EQ(departmentIndex("2b"), 97);
    EXPECT_EQ(departmentIndex("7"), 7);
    EXPECT_EQ(departmentIndex("07"), 7);
    EXPECT_EQ(departmentIndex("20"), 20);
    EXPECT_EQ(departmentIndex("0"), 0);
    EXPECT_EQ(departmentIndex("99"), 99); // the map has boxes up to 99; award tables stop at 97
    EXPECT_EQ(departmentIndex(""), -1);
    EXPECT_EQ(departmentIndex("ab"), -1);
    EXPECT_EQ(departmentIndex("123"), -1);
    EXPECT_EQ(departmentLabel(7), "07");
    EXPECT_EQ(departmentLabel(96), "2a");
}

TEST(Departments, OnlyTheNinetySixOfTheAwardCount)
{
    int count = 0;
    for (int index = 0; index < 100; ++index)
        count += isAwardDepartment(departmentLabel(index));
    EXPECT_EQ(count, awardDepartmentCount);
    for (const char* odd : {"00", "0", "20", "96", "97", "98", "99", "", "2c", "a1", "123"})
        EXPECT_EQ(awardDepartmentIndex(odd), -1) << odd;
    EXPECT_EQ(awardDepartmentIndex("7"), 7);
    EXPECT_EQ(awardDepartmentIndex("95"), 95);
    EXPECT_EQ(awardDepartmentIndex("2A"), 96);
    EXPECT_EQ(awardDepartmentIndex("2b"), 97);
}

TEST(ListRow, NumbersStayInFiveColumnsUpTo99999AndOnlyTheNumberWidens)
{
    const QString line = qsoLine("F6ABC", "77", "77121", "05/02/08", "09:05", "14 Mhz", true, "C. TEST");
    const QString row = Ligne_Liste(1, line);
    EXPECT_EQ(row.size(), 122);
    EXPECT_EQ(row.left(5), "    1");
    EXPECT_EQ(row.mid(7, 12), logField(line, LogField::Indicatif));
    EXPECT_EQ(row.mid(42, 5), "77121");
    EXPECT_EQ(row.mid(49, 8), "05/02/08");
    EXPECT_EQ(row.mid(89, 30), logField(line, LogField::Chateau));
    EXPECT_EQ(row.right(1), "*");
    EXPECT_EQ(Ligne_Liste(10, line).left(5), "   10");
    EXPECT_EQ(Ligne_Liste(1000, line).left(5), " 1000");
    EXPECT_EQ(Ligne_Liste(10000, line).left(5), "10000");
    EXPECT_EQ(Ligne_Liste(10000, line).mid(5), row.mid(5));
    EXPECT_EQ(Ligne_Liste(123456, line), "123456" + row.mid(5));
}
