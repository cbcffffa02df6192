#include "platform/text_file.h"
#include "support/test_env.h"
#include <QStringDecoder>

using TextFileTest = DataDirTest;

TEST(Windows1252, EveryDefinedByteMatchesQtsCodecAndEveryByteRoundTrips)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all += char(b);
    const QString decoded = fromWindows1252(all);
    EXPECT_EQ(toWindows1252(decoded), all);
    QStringDecoder qt("windows-1252");
#ifdef _WIN32
    if (!qt.isValid())
        GTEST_SKIP() << "Qt built without ICU has no Windows-1252 codec to compare with";
#endif
    ASSERT_TRUE(qt.isValid());
    const QString reference = qt(all);
    for (int b = 0; b < 256; ++b) {
        if (b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D)
            continue; // left undefined by the code page
        EXPECT_EQ(decoded[b], reference[b]) << "byte " << b;
    }
    EXPECT_EQ(toWindows1252(QStringLiteral("€Œé")), QByteArray("\x80\x8C\xE9"));
    EXPECT_EQ(toWindows1252(QStringLiteral("Ł")), QByteArray("?"));
}

TEST(Windows1252, UpperCaseKeepsOneCharacterPerCharacter)
{
    EXPECT_EQ(upperWindows1252(QStringLiteral("château œuf ÿ")), QStringLiteral("CHÂTEAU ŒUF Ÿ"));
    EXPECT_EQ(upperWindows1252(QStringLiteral("straße µ")), QStringLiteral("STRAßE µ"));
}

TEST(TextLines, SplitsOnCrLfAndLoneLfAndKeepsCrInsideALine)
{
    EXPECT_EQ(splitLines(QString()), QStringList());
    EXPECT_EQ(splitLines(QStringLiteral("a\r\nb\r\n")), QStringList({"a", "b"}));
    EXPECT_EQ(splitLines(QStringLiteral("a\nb")), QStringList({"a", "b"}));
    EXPECT_EQ(splitLines(QStringLiteral("a\rb\r\n\r\n")), QStringList({"a\rb", ""}));
}

TEST_F(TextFileTest, AtomicWriteReplacesTheTargetAndLeavesNoScratch)
{
    writeFile("log.txt", "old\r\n");
    ASSERT_TRUE(writeLinesAtomically(path("log.txt"), path("Temporaire.txt"), {"é", "b"}).ok);
    EXPECT_EQ(readFile("log.txt"), QByteArray("\xE9\r\nb\r\n"));
    EXPECT_FALSE(exists("Temporaire.txt"));
}

TEST_F(TextFileTest, FailedScratchWriteLeavesTheTargetByteForByte)
{
    writeFile("log.txt", "old\r\n");
    QDir(dir.path()).mkdir("Temporaire.txt"); // the scratch file cannot be created
    const Result result = writeLinesAtomically(path("log.txt"), path("Temporaire.txt"), {"new"});
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.message, QStringLiteral("Impossible d'enregistrer le fichier log.txt : il est resté inchangé."));
    EXPECT_EQ(readFile("log.txt"), QByteArray("old\r\n"));
}
