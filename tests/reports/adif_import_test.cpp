#include "logbook/backup.h"
#include "logbook/log_line.h"
#include "reports/adif.h"
#include "reports/adif_import_fixture.h"
#include <QDir>

namespace {

QByteArray record(std::initializer_list<std::pair<const char*, QByteArray>> fields)
{
    QByteArray text;
    for (const auto& [tag, value] : fields)
        text += adifField(tag, value);
    return text + "<eor>\r\n";
}

// A record as other logging programs write a DFCF contact.
QByteArray peerQso(const QByteArray& call, const QByteArray& ref, const QByteArray& date, const QByteArray& band,
                   const QByteArray& time = "1200")
{
    return record({{"CALL", call}, {"QSO_DATE", date}, {"TIME_ON", time}, {"BAND", band}, {"MODE", "SSB"},
                   {"RST_RCVD", "59"}, {"RST_SENT", "57"}, {"SIG", "DFCF"}, {"SIG_INFO", ref}});
}

class AdifImportFlowTest : public AdifImportTest {
protected:
    AdifImportFlowTest()
    {
        writeLines(castleListFileName, {"Rev 001 du 01/01/12", QStringLiteral("77-121;Château de Blandy;Blandy"),
                                        QStringLiteral("2a-004;Tour de Capitello;Porticcio")});
    }
};

} // namespace

TEST_F(AdifImportFlowTest, OwnExportImportedIntoAnEmptyLogGivesBackTheSameLines)
{
    const QStringList lines = roundTripLog();
    const QByteArray exported = adifDocument("F5ABC", lines);
    EXPECT_EQ(importIntoEmptyLog(exported), lines);
    EXPECT_EQ(preview(exported).entries.size(), lines.size()); // and all of them are already in the log now
    EXPECT_EQ(countFates(preview(exported)).alreadyInLog, lines.size());
}

TEST_F(AdifImportFlowTest, PeerFilesInEveryShapeBringTheirDfcfContacts)
{
    // What a standard export writes: SIG DFCF, the castle name in COMMENT, an
    // ASCII name, RTTY, USB and MFSK/FT4, "/" in the callsign.
    const QByteArray standard =
        "Exported\r\n<ADIF_VER:5>3.1.4<PROGRAMID:8>KOR_DFCF<eoh>\r\n"
        + record({{"CALL", "F/ON4ABC"}, {"STATION_CALLSIGN", "F5ABC"}, {"NAME", "Jerome"}, {"QSO_DATE", "20080201"},
                  {"TIME_ON", "093015"}, {"MODE", "RTTY"}, {"BAND", "20M"}, {"RST_RCVD", "599"}, {"RST_SENT", "579"},
                  {"SIG", "dfcf"}, {"SIG_INFO", "77121"}, {"COMMENT", "C. CHATEAU DE BLANDY"}, {"QSL_RCVD", "Y"}})
        + record({{"call", "f6xyz"}, {"qso_date", "20080202"}, {"time_on", "1000"}, {"mode", "USB"},
                  {"freq", "7.074"}, {"sig", "DFCF"}, {"sig_info", "2A-004"}})
        + record({{"CALL", "F8AAA"}, {"QSO_DATE", "20080203"}, {"TIME_ON", "1100"}, {"MODE", "MFSK"},
                  {"SUBMODE", "FT4"}, {"BAND", "10m"}, {"COMMENT", "DFCF: 77-122 tnx"}})
        + record({{"CALL", "F8BBB"}, {"QSO_DATE", "20080204"}, {"TIME_ON", "1200"}, {"MODE", "CW"}, {"BAND", "2m"},
                  {"NOTES", "chateau DFCF 2B010"}})
        + record({{"CALL", "F8CCC"}, {"QSO_DATE", "20080205"}, {"TIME_ON", "1300"}, {"MODE", "CW"}, {"BAND", "40m"},
                  {"SIG", "POTA"}, {"SIG_INFO", "FF-1234"}})
        + record({{"CALL", "F8DDD"}, {"QSO_DATE", "20080206"}, {"TIME_ON", "1400"}, {"MODE", "CW"}, {"BAND", "40m"}});
    const QStringList got = importIntoEmptyLog(standard);
    EXPECT_EQ(got, QStringList({qsoLine("F_ON4ABC", "77", "77121", "01/02/08", "09:30", "14 Mhz", true, "C. CHATEAU DE BLANDY", "RTY",
                                        "JEROME")
                                    .replace(67, 7, "599 579"),
                                qsoLine("F6XYZ", "2a", "2a004", "02/02/08", "10:00", "7.0 Mhz", false,
                                        QStringLiteral("C.Tour de Capitello"), "SSB"),
                                qsoLine("F8AAA", "77", "77122", "03/02/08", "11:00", "28 Mhz", false, "C.", "FT4"),
                                qsoLine("F8BBB", "2b", "2b010", "04/02/08", "12:00", "144 Mhz", false, "C.", "CW")}));
    EXPECT_EQ(preview(standard).nonDfcf, 2);

    // ADX with _INTL fields, and an ADI in Windows-1252.
    const QByteArray adx = "<?xml version=\"1.0\" encoding=\"UTF-8\"?><ADX><HEADER/><RECORDS><RECORD><CALL>F5KLM</CALL>"
                           "<NAME>Helene</NAME><NAME_INTL>H\xC3\xA9l\xC3\xA8ne</NAME_INTL><QSO_DATE>20100101</QSO_DATE>"
                           "<TIME_ON>0000</TIME_ON><MODE>FM</MODE><BAND>70CM</BAND><SIG>DFCF</SIG><SIG_INFO>77121</SIG_INFO>"
                           "<COMMENT>C. CHATEAU</COMMENT><COMMENT_INTL>C. CH\xC3\x82TEAU</COMMENT_INTL></RECORD></RECORDS></ADX>";
    EXPECT_EQ(importIntoEmptyLog(adx), QStringList({qsoLine("F5KLM", "77", "77121", "01/01/10", "00:00", "432 Mhz", false,
                                                            QStringLiteral("C. CHÂTEAU"), "FM", QStringLiteral("HÉLÈNE"))}));
    const QByteArray latin1 = record({{"CALL", "F5KLM"}, {"NAME", "H\xE9l\xE8ne"}, {"QSO_DATE", "20100101"}, {"TIME_ON", "0000"},
                                      {"MODE", "FM"}, {"BAND", "70cm"}, {"COMMENT", "DFCF 77121"}});
    EXPECT_EQ(importIntoEmptyLog(latin1), QStringList({qsoLine("F5KLM", "77", "77121", "01/01/10", "00:00", "432 Mhz", false,
                                                               QStringLiteral("C.Château de Blandy"), "FM", QStringLiteral("HÉLÈNE"))}));

    // A file of only non-DFCF QSOs imports nothing and says so.
    const AdifScan none = preview(record({{"CALL", "F1AAA"}, {"BAND", "20m"}}) + record({{"CALL", "F1BBB"}, {"COMMENT", "DFCF?"}}));
    EXPECT_TRUE(none.entries.isEmpty());
    EXPECT_EQ(none.nonDfcf, 2);
    const QByteArray before = logBytes();
    EXPECT_EQ(import(record({{"CALL", "F1AAA"}, {"BAND", "20m"}})).imported, 0);
    EXPECT_EQ(logBytes(), before);
}

TEST_F(AdifImportFlowTest, EachRefusalGivesItsReasonAndImportsNothingOfThatQso)
{
    const auto qso = [](const QByteArray& call, const QByteArray& mode, const QByteArray& band, const QByteArray& date,
                        const QByteArray& time, const QByteArray& report, const QByteArray& ref) {
        return record({{"CALL", call}, {"QSO_DATE", date}, {"TIME_ON", time}, {"MODE", mode}, {"BAND", band},
                       {"RST_RCVD", report}, {"SIG", "DFCF"}, {"SIG_INFO", ref}});
    };
    const QByteArray file = qso("F5ABCDEFGHIJK", "CW", "20m", "20080201", "1200", "59", "77121")
                          + qso("F5A", "OLIVIA", "20m", "20080201", "1200", "59", "77121")
                          + qso("F5B", "CW", "60m", "20080201", "1200", "59", "77121")
                          + record({{"CALL", "F5C"}, {"QSO_DATE", "20080201"}, {"TIME_ON", "1200"}, {"MODE", "CW"},
                                    {"FREQ", "5.3515"}, {"SIG", "DFCF"}, {"SIG_INFO", "77121"}})
                          + qso("F5D", "CW", "20m", "2008-02-01", "1200", "59", "77121")
                          + qso("F5E", "CW", "20m", "19490201", "1200", "59", "77121")
                          + qso("F5F", "CW", "20m", "20080231", "1200", "59", "77121")
                          + qso("F5G", "CW", "20m", "20080201", "2460", "59", "77121")
                          + qso("F5H", "FT8", "20m", "20080201", "1200", "-12", "77121")
                          + qso("F5I", "CW", "20m", "20080201", "1200", "59", "ABCDE")
                          + record({{"CALL", "F5J"}, {"NAME", "Ok"}, {"QSO_DATE", "20080201"}})
                          + "<CALL:3>F5K<NAME:50>Paul<eor>";
    writeLog({});
    const AdifScan scan = preview(file);
    EXPECT_EQ(reasons(scan),
              QStringList({"12 caracteres maxi pour l'indicatif : F5ABCDEFGHIJK", "3 caracteres maxi pour le Mode : OLIVIA",
                           "Bande 60m inconnue du log", QStringLiteral("Fréquence 5.3515 MHz hors des bandes du log"),
                           "Date illisible : 2008-02-01",
                           QStringLiteral("Date hors des années 1950 à 2049 que le log sait écrire : 19490201"),
                           "Le format de la date doit etre JJ/MM/AA : 31/02/08", "Le format de l'heure doit etre HH:MM : 24:60",
                           "R (de RST)doit etre compris entre 0 et 5 : -12", QStringLiteral("Référence DFCF illisible : ABCDE"),
                           QStringLiteral("Enregistrement abîmé : la longueur du champ NAME dépasse la fin de l'enregistrement")}));
    const ImportCounts counts = countFates(scan);
    EXPECT_EQ(counts.refused, 11);
    EXPECT_EQ(counts.nonDfcf, 1);
    EXPECT_EQ(import(file).imported, 0);
    EXPECT_TRUE(logBytes().isEmpty());
}

TEST_F(AdifImportFlowTest, DuplicatesAreSkippedByTheRulesOfTypedEntry)
{
    const QString inLog = qsoLine("F5AAA", "77", "77121", "01/02/08", "12:00", "14 Mhz");
    writeLog({inLog});
    const QByteArray file = peerQso("F5AAA", "77121", "20080201", "20m")           // the same QSO
                          + peerQso("F6BBB", "77121", "20090101", "10m")           // castle done in HF
                          + peerQso("F6BBB", "77121", "20090101", "2m")            // other group: new
                          + peerQso("F6CCC", "77122", "20100101", "15m")           // later in date...
                          + peerQso("F6DDD", "77122", "20090601", "40m")           // ...than this one, kept
                          + peerQso("F6EEE", "77123", "20090601", "30m")           // a band of no group
                          + peerQso("F6EEE", "77123", "20090601", "30m");          // twice in the file
    const AdifScan scan = preview(file);
    QStringList fates;
    for (const ImportEntry& entry : scan.entries)
        fates << fateText(entry.fate) + " / " + entry.reason;
    EXPECT_EQ(fates, QStringList({QStringLiteral("déjà dans le log / "),
                                  QStringLiteral("château déjà contacté / 77121 Chateau deja contacté le 01/02/08 sur 14 Mhz"),
                                  QStringLiteral("à importer / "),
                                  QStringLiteral("château déjà contacté / 77122 Chateau deja contacté le 01/06/09 sur 7.0 Mhz"),
                                  QStringLiteral("à importer / "), QStringLiteral("à importer / "),
                                  QStringLiteral("déjà dans le log / en double dans le fichier")}));

    // Imported by date around the QSO already there, after the day's backup;
    // a second import of the same file adds nothing.
    const ImportDone done = import(file);
    ASSERT_TRUE(done.result);
    EXPECT_EQ(done.imported, 3);
    const QStringList lines = readLines(path(logName())).lines;
    ASSERT_EQ(lines.size(), 4);
    EXPECT_EQ(lines[0], inLog);
    EXPECT_EQ(logField(lines[1], LogField::Indicatif).trimmed(), "F6BBB");
    EXPECT_EQ(logField(lines[2], LogField::Indicatif).trimmed(), "F6DDD");
    EXPECT_EQ(logField(lines[3], LogField::Indicatif).trimmed(), "F6EEE");
    EXPECT_EQ(QDir(path(backupFolderName)).entryList(QDir::Files), QStringList({"F5ABC_DFCF_20080205.log"}));
    EXPECT_EQ(readFile(backupFolderName + "/F5ABC_DFCF_20080205.log"), joinLines({inLog}));
    const QByteArray after = logBytes();
    EXPECT_EQ(import(file).imported, 0);
    EXPECT_EQ(logBytes(), after);
}

TEST_F(AdifImportFlowTest, AnImportThatCannotBeWrittenLeavesTheLogByteForByte)
{
    QStringList log;
    for (int i = 0; i < 50; ++i)
        log << qsoLine(QStringLiteral("F%1AA").arg(i), "75", QStringLiteral("75%1").arg(i, 3, 10, QChar('0')), "01/02/08",
                       "12:00", "14 Mhz");
    writeLog(log);
    const QByteArray before = logBytes();
    QDir(dir.path()).mkdir("Temporaire6.txt"); // a directory stands where the scratch file goes
    const ImportDone done = import(peerQso("F6BBB", "77121", "20090101", "20m"));
    EXPECT_FALSE(done.result);
    EXPECT_EQ(done.imported, 0);
    EXPECT_TRUE(done.result.message.startsWith(QStringLiteral("Impossible d'enregistrer le fichier F5ABC_DFCF.log")));
    EXPECT_EQ(logBytes(), before);
}
