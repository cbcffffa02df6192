#include "logbook/station.h"
#include "platform/qt_platform.h"
#include "platform/text_file.h"
#include "shell/earlier_installation_window.h"
#include "support/test_env.h"
#include <QDir>
#include <QSettings>

namespace {

class EarlierInstallationTest : public DataDirTest {};

TEST_F(EarlierInstallationTest, AnEarlierFolderIsCopiedByteForByteOnceAndOnlyWhenNoLogIsHere)
{
    copyAsset(QStringLiteral("Liste_DFCF.csv"));
    const QTemporaryDir earlier;
    const QTemporaryDir empty;
    const auto put = [&](const QString& name, const QByteArray& bytes) {
        QFile file(QDir(earlier.path()).filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    };
    const QByteArray log = toWindows1252(qsoLine("F8WOX_P", "41", "41001", "01/02/03", "10:00", "14 Mhz", true,
                                                 "C. DE L'ÉTÉ", "SSB", "Hélène") + "\r\n");
    put("F5ABC_DFCF.log", log);
    put("F6XYZ_DFCF.log", log + log);
    put("Liste_DFCF.csv", "Rev 123 du 01/02/24\r\n41001;C. Château\r\n");
    put("Liste_Prenom.txt", "F5ABC\xE9;Ren\xE9\r\n");
    put("notes.txt", "not taken");
    fileDialogs.answers = {empty.path(), earlier.path()};

    offerEarlierInstallation(context);

    ASSERT_EQ(messages.shown.size(), 3);  // the offer, the folder without a log, the files taken
    EXPECT_TRUE(messages.shown[1].startsWith(QStringLiteral("Le dossier %1 ne contient aucun log de station")
                                                 .arg(QDir::toNativeSeparators(empty.path()))));
    EXPECT_TRUE(messages.shown[2].contains(QStringLiteral("F5ABC_DFCF.log")));
    for (const QString name : {"F5ABC_DFCF.log", "F6XYZ_DFCF.log", "Liste_DFCF.csv", "Liste_Prenom.txt"}) {
        QFile original(QDir(earlier.path()).filePath(name));
        ASSERT_TRUE(original.open(QIODevice::ReadOnly)) << name.toStdString();  // copied, not moved
        EXPECT_EQ(readFile(name), original.readAll()) << name.toStdString();
    }
    EXPECT_FALSE(exists(QStringLiteral("notes.txt")));
    EXPECT_TRUE(QStringList({"F5ABC", "F6XYZ"}).contains(settings.read(Keys::commonSection, Keys::IndicatifStation, {})));

    // Asked once: neither a second start, nor a start on an emptied folder, asks again.
    QFile::remove(path(QStringLiteral("F5ABC_DFCF.log")));
    QFile::remove(path(QStringLiteral("F6XYZ_DFCF.log")));
    offerEarlierInstallation(context);
    EXPECT_EQ(messages.shown.size(), 3);
}

TEST_F(EarlierInstallationTest, EarlierSettingsAreReadOnceIntoAnEmptyStoreAndNeverWritten)
{
    const QString earlierPath = path(QStringLiteral("earlier.ini"));
    QSettings earlier(earlierPath, QSettings::IniFormat);
    earlier.setValue(QStringLiteral("Setup /Indicatif Station"), QStringLiteral("F5ABC"));
    earlier.setValue(QStringLiteral("Setup F5ABC/bande Utilisee"), QStringLiteral("4"));
    earlier.setValue(QStringLiteral("Setup F5ABC/Date Auto"), QStringLiteral("Non"));
    earlier.sync();
    const QByteArray before = readFile(QStringLiteral("earlier.ini"));

    QSettings ours(path(QStringLiteral("ours.ini")), QSettings::IniFormat);
    EXPECT_TRUE(takeEarlierSettings(ours, earlier));
    EXPECT_EQ(ours.value(QStringLiteral("Setup /Indicatif Station")).toString(), QStringLiteral("F5ABC"));
    EXPECT_EQ(ours.value(QStringLiteral("Setup F5ABC/bande Utilisee")).toString(), QStringLiteral("4"));
    EXPECT_EQ(ours.value(QStringLiteral("Setup F5ABC/Date Auto")).toString(), QStringLiteral("Non"));

    ours.setValue(QStringLiteral("Setup F5ABC/Date Auto"), QStringLiteral("Oui"));
    EXPECT_FALSE(takeEarlierSettings(ours, earlier));
    EXPECT_EQ(ours.value(QStringLiteral("Setup F5ABC/Date Auto")).toString(), QStringLiteral("Oui"));
    EXPECT_EQ(readFile(QStringLiteral("earlier.ini")), before);
}

} // namespace
