#include "logbook/backup.h"
#include "logbook/log_store.h"
#include "platform/text_file.h"
#include "support/test_env.h"
#include <QDir>

using BackupTest = DataDirTest;

TEST_F(BackupTest, FirstChangeOfTheDayKeepsTheLogAsItWasAndThirtyCopiesStay)
{
    const QString a = qsoLine("F6AAA", "77", "77121", "01/02/08", "10:00", "14 Mhz");
    const QString b = qsoLine("F6BBB", "75", "75001", "03/02/08", "10:00", "14 Mhz");
    writeLog({a});
    const QDate day(2026, 12, 8);
    ASSERT_TRUE(LogStore(dir.path(), "F5ABC", day).Ajoute_QSO(b).ok);
    ASSERT_TRUE(LogStore(dir.path(), "F5ABC", day).Ajoute_QSO(b).ok);
    EXPECT_EQ(readFile("Sauvegardes/F5ABC_DFCF_20261208.log"), joinLines({a})); // before the first change only

    for (int i = 1; i <= 31; ++i)
        ASSERT_TRUE(LogStore(dir.path(), "F5ABC", day.addDays(i)).Ajoute_QSO(b).ok);
    const QStringList kept = QDir(path("Sauvegardes")).entryList(QDir::Files, QDir::Name);
    ASSERT_EQ(kept.size(), 30);
    EXPECT_EQ(kept.first(), QStringLiteral("F5ABC_DFCF_20261210.log"));
    EXPECT_EQ(kept.last(), QStringLiteral("F5ABC_DFCF_20270108.log"));
    EXPECT_TRUE(takeBackupWarning().isEmpty());
}

TEST_F(BackupTest, AFailedBackupIsToldOnceAndNeverBlocksTheChange)
{
    const QString a = qsoLine("F6AAA", "77", "77121", "01/02/08", "10:00", "14 Mhz");
    writeLog({});
    writeFile("Sauvegardes", "a file where the folder should be");
    ASSERT_TRUE(LogStore(dir.path(), "F5ABC", QDate(2026, 12, 8)).Ajoute_QSO(a).ok);
    ASSERT_TRUE(LogStore(dir.path(), "F5ABC", QDate(2026, 12, 9)).Ajoute_QSO(a).ok);
    EXPECT_EQ(logBytes(), joinLines({a, a}));
    EXPECT_TRUE(takeBackupWarning().startsWith(QStringLiteral("La sauvegarde du jour du log n'a pas pu être faite")));
    EXPECT_TRUE(takeBackupWarning().isEmpty());
}
