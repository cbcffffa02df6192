#include "castles/castle_list.h"
#include "logbook/list_row.h"
#include "logbook/log_line.h"
#include "logbook/log_store.h"
#include "logbook/prenoms.h"
#include "logbook/station.h"
#include "platform/text_file.h"
#include "support/test_env.h"
#include <QDir>
#include <random>

// Seeded random bytes and hand-picked nasties through every reader of
// outside data: nothing crashes or hangs, and nothing is written outside the
// data directory.
namespace {

class HostileInputTest : public DataDirTest {
protected:
    QByteArray randomBytes(int maxLength)
    {
        std::uniform_int_distribution<int> length(0, maxLength);
        std::uniform_int_distribution<int> byte(0, 255);
        std::uniform_int_distribution<int> kind(0, 9);
        QByteArray bytes;
        const int n = length(random);
        for (int i = 0; i < n; ++i) {
            const int k = kind(random);
            bytes += k == 0 ? '\n' : k == 1 ? '\r' : k == 2 ? ';' : k == 3 ? ' ' : char(byte(random));
        }
        return bytes;
    }

    QList<QByteArray> nastyFiles()
    {
        QList<QByteArray> files = {
            QByteArray(), QByteArray("\r\n\r\n"), QByteArray("\r\r\r"), QByteArray(200, '\0'),
            QByteArray(1 << 20, 'A') + "\r\n", // a 1 MB line
            QByteArray("\x80\x81\x8D\x8F\x90\x9D\xFF\r\n"), QByteArray(";;;\r\n-;-;-\r\n"),
        };
        for (int i = 0; i < 300; ++i)
            files << randomBytes(i < 200 ? 300 : 3000);
        return files;
    }

    std::mt19937 random{1208};
};

} // namespace

TEST_F(HostileInputTest, LogLinesOfAnyShapeReadAndRewriteWithoutLosingBytes)
{
    const QString good = qsoLine("F6AAA", "77", "77121", "01/02/08", "10:00", "14 Mhz");
    for (const QByteArray& bytes : nastyFiles()) {
        writeFile(logName(), bytes);
        const LinesRead log = LogStore(dir.path(), "F5ABC").read();
        ASSERT_EQ(log.status, ReadStatus::Ok);
        for (const QString& line : log.lines) {
            Ligne_Liste(1, line);
            Ligne_Log::fromLine(line);
            departmentIndex(logFieldTrimmed(line, LogField::Dpt));
            isConfirmed(line);
            lineBandGroup(line);
        }
        LogStore(dir.path(), "F5ABC").Cherche_Chateau("77121", "HF");
        // Another QSO added keeps every existing line as it was read.
        ASSERT_TRUE(LogStore(dir.path(), "F5ABC").Ajoute_QSO(good).ok);
        ASSERT_EQ(readLines(path(logName())).lines, log.lines + QStringList{good});
    }
}

TEST_F(HostileInputTest, FirstNameAndCastleListsOfAnyShape)
{
    for (const QByteArray& bytes : nastyFiles()) {
        writeFile(prenomFileName, bytes);
        writeFile(castleListFileName, bytes);
        Cherche_Prenom(dir.path(), "F6ABC");
        Cherche_Nom_Chateau(dir.path(), "77121");
        Nom_Du_DFCF(dir.path(), "77121");
        CastleTable::load(dir.path()).Nom_Du_DFCF("77121");
        const QStringList before = readLines(path(prenomFileName)).lines;
        ASSERT_TRUE(Maj_Prenom(dir.path(), prenomRecord("F6ABC", "77", "JEAN")).ok);
        const QStringList after = readLines(path(prenomFileName)).lines;
        ASSERT_TRUE(after.contains(prenomRecord("F6ABC", "77", "JEAN")));
        ASSERT_GE(after.size(), before.size()); // only the callsign's own line may change
    }
}

TEST_F(HostileInputTest, SettingsValuesNeverBecomePathsOrBadIndexes)
{
    for (const QString& value : {QStringLiteral("../../x"), QStringLiteral("CON"), QString(200, 'A'),
                                 QStringLiteral("/etc/passwd"), QStringLiteral("F5ABC\n"), QStringLiteral(""),
                                 QStringLiteral("f5abc"), QStringLiteral("F5 ABC")}) {
        settings.write("Setup ", "Indicatif Station", value);
        const QString station = storedStation(settings);
        EXPECT_TRUE(station == noStation || station == QStringLiteral("CON")) << value.toStdString();
    }
    for (const QString& value : {QStringLiteral("-5"), QStringLiteral("abc"), QStringLiteral("12"),
                                 QStringLiteral("99999999999999999999"), QStringLiteral(" 3 "), QStringLiteral("0x3")}) {
        settings.write("Setup F5ABC", "bande Utilisee", value);
        const int index = storedIndex(settings, "Setup F5ABC", "bande Utilisee", 12);
        EXPECT_TRUE(index == -1 || (value == QStringLiteral(" 3 ") && index == 3)) << value.toStdString();
    }
}

TEST_F(HostileInputTest, NothingIsWrittenOutsideTheDataDirectory)
{
    QDir(dir.path()).mkdir("data");
    const QString data = path("data");
    settings.write("Setup ", "Indicatif Station", "../../x");
    EXPECT_EQ(storedStation(settings), noStation);
    EXPECT_TRUE(LogStore::Creer_Log(data, storedStation(settings)).ok);
    EXPECT_TRUE(Maj_Prenom(data, prenomRecord("../x", "77", "JEAN")).ok);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{"data"});
}
