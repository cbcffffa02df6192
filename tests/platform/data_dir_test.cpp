#include "platform/data_dir.h"
#include "support/test_env.h"
#include <QDir>

using DataDirectoryTest = DataDirTest;

TEST(DataDirectory, EnvironmentThenUsableExecutableDirThenUserLocation)
{
    DataDirChoice choice{"/tmp/elsewhere", "/opt/kor/bin", true, "/home/op/.local/share/DFCF/DFCF"};
    EXPECT_EQ(chooseDataDirectory(choice), QStringLiteral("/tmp/elsewhere"));
    choice.environment.clear();
    EXPECT_EQ(chooseDataDirectory(choice), QStringLiteral("/opt/kor/bin"));
    choice.executableDirUsable = false;
    EXPECT_EQ(chooseDataDirectory(choice), QStringLiteral("/home/op/.local/share/DFCF/DFCF"));
}

TEST_F(DataDirectoryTest, SeedingCopiesMissingFilesAndKeepsTheOperatorsOwn)
{
    QDir(dir.path()).mkdir("assets");
    writeFile("assets/FXXXX.txt", "");
    writeFile("assets/Liste_Prenom.txt", "shipped");
    const QString data = path("data");
    QDir().mkpath(data);
    writeFile("data/Liste_Prenom.txt", "F6ABC        77 JEAN\r\n");
    seedDataDirectory(data, path("assets"));
    EXPECT_TRUE(exists("data/FXXXX.txt"));
    EXPECT_EQ(readFile("data/Liste_Prenom.txt"), QByteArray("F6ABC        77 JEAN\r\n"));
}
