#include "logbook/bands.h"
#include "logbook/dates.h"
#include "support/qt_printers.h"
#include <gtest/gtest.h>

TEST(ClockTexts, DateAndTimesComeFromOneInstant)
{
    const QDateTime instant(QDate(2008, 2, 5), QTime(23, 59, 59, 900), Qt::UTC);
    EXPECT_EQ(Date_UTC(instant), QStringLiteral("05/02/08"));
    EXPECT_EQ(Heure_UTC(instant), QStringLiteral("23:59:59"));
    EXPECT_EQ(Date_UTC(QDateTime(QDate(2010, 1, 1), QTime(0, 0), Qt::UTC)), QStringLiteral("01/01/10"));
    const QDateTime paris = QDateTime(QDate(2008, 2, 5), QTime(10, 5, 7), QTimeZone("Europe/Paris"));
    EXPECT_EQ(Heure_UTC(paris), QStringLiteral("09:05:07"));
}

TEST(DateCheck, AcceptsCalendarDatesOnly)
{
    for (const char* good : {"05/02/08", "29/02/08", "29/02/00", "31/12/49", "01/01/50"})
        EXPECT_TRUE(Verif_Date(QString::fromLatin1(good))) << good;
    // 1900 is no leap year: 29/02/00 is 2000, 29/02/99 is 1999.
    for (const char* bad : {"31/02/08", "00/00/00", "29/02/99", "32/01/08", "01/13/08", "01-02-08", "0a/02/08",
                            "1/02/08", "05/02/2008", ""})
        EXPECT_FALSE(Verif_Date(QString::fromLatin1(bad))) << bad;
}

TEST(TimeCheck, AcceptsHoursAndMinutesInRange)
{
    EXPECT_TRUE(Verif_Heure("23:59"));
    EXPECT_TRUE(Verif_Heure("00:00"));
    for (const char* bad : {"24:00", "12:60", "12.30", "1:30", "ab:cd", ""})
        EXPECT_FALSE(Verif_Heure(QString::fromLatin1(bad))) << bad;
}

TEST(DateOrder, UsesTheCenturyRuleAndNumbersEvenForImpossibleDates)
{
    EXPECT_GT(dateTimeKey("31/12/49", "00:00"), dateTimeKey("01/01/50", "23:59"));
    EXPECT_LT(dateTimeKey("28/02/08", "12:00"), dateTimeKey("31/02/08", "12:00"));
    EXPECT_LT(dateTimeKey("31/02/08", "12:00"), dateTimeKey("01/03/08", "00:00"));
    EXPECT_LT(dateTimeKey("00/00/00", "00:00"), dateTimeKey("01/01/00", "00:00"));
    EXPECT_LT(dateTimeKey("05/02/08", "09:05"), dateTimeKey("05/02/08", "09:06"));
    EXPECT_EQ(dateTimeKey("", ""), dateTimeKey("xx/yy/zz", "ab:cd")); // damaged text sorts, never fails
}

TEST(Bands, GroupsFollowTheBandTable)
{
    ASSERT_EQ(bandLabels().size(), 12);
    EXPECT_EQ(bandLabels().first(), QStringLiteral("1.8 Mhz"));
    EXPECT_EQ(bandLabels()[10], QStringLiteral("144 Mhz"));
    EXPECT_EQ(bandGroup("144 Mhz"), QStringLiteral("VHF"));
    EXPECT_EQ(bandGroup(" 18 Mhz  "), QStringLiteral("HF"));
    EXPECT_EQ(bandGroup("50 Mhz"), QStringLiteral("HF"));
    EXPECT_EQ(bandGroup("432 Mhz"), QStringLiteral("UHF"));
    EXPECT_TRUE(bandGroup("10 Mhz").isEmpty());
    EXPECT_TRUE(bandGroup("144 MHz").isEmpty());
    EXPECT_EQ(modeList(), QStringList({"SSB", "CW", "FM"}));
}

TEST(ReportDates, FrenchShortFormAndStampFromNumbers)
{
    EXPECT_EQ(shortDateFr(QDate(2026, 12, 6)), QStringLiteral("06/12/2026"));
    EXPECT_EQ(dateStamp(QDate(2026, 12, 6)), QStringLiteral("06_12_26"));
}
