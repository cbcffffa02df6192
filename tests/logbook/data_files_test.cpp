#include "logbook/log_check.h"
#include "logbook/log_store.h"
#include "logbook/prenoms.h"
#include "platform/file_lock.h"
#include "support/test_env.h"
#include <QThread>

// Lists an operator edited elsewhere (UTF-8), and logs that are not logs.
using DataFilesTest = DataDirTest;

TEST_F(DataFilesTest, AFirstNameListSavedInUtf8IsReadAndWrittenBackInWindows1252)
{
    writeFile(prenomFileName, "\xEF\xBB\xBF" "F1AAA        13 FRAN\xC3\x87OIS\r\n");
    EXPECT_EQ(Cherche_Prenom(dir.path(), "F1AAA").prenom, QStringLiteral("FRANÇOIS"));
    ASSERT_TRUE(Maj_Prenom(dir.path(), prenomRecord("F6ABC", "77", "hélène")).ok);
    EXPECT_EQ(readFile(prenomFileName), QByteArray("F1AAA        13 FRAN\xC7OIS\r\nF6ABC        77 H\xC9L\xC8NE\r\n"));
    EXPECT_FALSE(exists(prenomScratchName));

    // A character the list cannot keep: nothing is rewritten.
    const QByteArray polish = "F1AAA        13 \xC5\x81UKASZ\r\n";
    writeFile(prenomFileName, polish);
    const Result refused = Maj_Prenom(dir.path(), prenomRecord("F6ABC", "77", "PAUL"));
    EXPECT_FALSE(refused.ok);
    EXPECT_EQ(refused.message, QStringLiteral("Le fichier Liste_Prenom.txt contient un caractère qu'il ne peut pas "
                                              "garder en Windows-1252 : le prénom n'a pas été enregistré."));
    EXPECT_EQ(readFile(prenomFileName), polish);
}

TEST_F(DataFilesTest, ALogIsCreatedInWindows1252FromATemplateSavedInUtf8)
{
    writeFile("FXXXX.txt", "\xEF\xBB\xBF");
    ASSERT_TRUE(LogStore::Creer_Log(dir.path(), "F5ABC").ok);
    EXPECT_EQ(logBytes(), QByteArray());
    writeFile("FXXXX.txt", "\xE2\x80\x93\xE2\x86\x92"); // "–" fits, "→" does not
    const Result refused = LogStore::Creer_Log(dir.path(), "F6XYZ");
    EXPECT_FALSE(refused.ok);
    EXPECT_FALSE(exists("F6XYZ_DFCF.log"));
}

TEST_F(DataFilesTest, LinesThatAreNotQsosAreCountedWithTheFirstNumbers)
{
    const QString qso = qsoLine("F6AAA", "75", "75001", "01/02/08", "10:00", "14 Mhz");
    EXPECT_EQ(findNonQsoLines({qso, qso.left(106), ""}).count, 0); // lost last blank, empty last line
    QStringList garbage{qso};
    for (int i = 0; i < 14; ++i)
        garbage << QStringLiteral("\x01\xE9garbage %1").arg(i);
    garbage << qso << "";
    const NonQsoLines found = findNonQsoLines(garbage);
    EXPECT_EQ(found.count, 14);
    EXPECT_EQ(found.first, QList<int>({2, 3, 4, 5, 6, 7, 8, 9, 10, 11}));
    EXPECT_EQ(nonQsoLinesMessage("F5ABC_DFCF.log", found),
              QStringLiteral("Le log F5ABC_DFCF.log contient 14 lignes qui ne sont pas des QSO (lignes 2, 3, 4, 5, 6, 7, "
                             "8, 9, 10, 11, ...).\r\nCes lignes sont affichées telles quelles et le fichier n'a pas été "
                             "modifié : vérifiez que c'est bien le log de la station, ou corrigez-le."));
    EXPECT_TRUE(nonQsoLinesMessage("X.log", findNonQsoLines({qso, "", qso}))
                    .startsWith(QStringLiteral("Le log X.log contient 1 ligne qui n'est pas un QSO (ligne 2).")));

    // Told once per log, again only when the number changes.
    const QString log = path(logName());
    NonQsoLinesNotices notices;
    EXPECT_FALSE(notices.notice(log, garbage).isEmpty());
    QStringList saved = garbage;
    saved.insert(saved.size() - 1, qso); // a QSO saved since
    EXPECT_TRUE(notices.notice(log, saved).isEmpty());
    EXPECT_FALSE(notices.notice(log, saved + QStringList{"x"}).isEmpty());
}

TEST_F(DataFilesTest, AFileLockIsExclusiveBetweenThreadsAndNestsWithinOne)
{
    const QString target = path("log.txt");
    FileLock outer(target);
    ASSERT_TRUE(bool(outer));
    {
        FileLock again(target); // the writer called inside a read-change-write
        EXPECT_TRUE(bool(again));
    }
    EXPECT_TRUE(exists("log.txt.lock"));
    bool otherGotIt = true;
    QString why;
    QThread* other = QThread::create([&] {
        FileLock blocked(target, 100);
        otherGotIt = bool(blocked);
        why = blocked.failed().detail;
    });
    other->start();
    other->wait();
    delete other;
    EXPECT_FALSE(otherGotIt);
    EXPECT_EQ(why, QStringLiteral("Le fichier est en cours d'enregistrement par une autre copie de KOR_DFCF : attendez "
                                  "qu'elle ait fini ou fermez-la, puis recommencez."));
}
