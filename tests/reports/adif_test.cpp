#include "logbook/bands.h"
#include "logbook/dates.h"
#include "logbook/log_line.h"
#include "platform/text_file.h"
#include "reports/adif.h"
#include "support/test_env.h"
#include <QDir>
#include <QMap>

namespace {

using AdifExportTest = DataDirTest;

const QString programLine = QStringLiteral("Fichier créé par KOR_DFCF Révision 1.1.1, carnet de trafic du diplôme DFCF "
                                           "<ADIF_VER:5>3.1.4 <PROGRAMID:8>KOR_DFCF <PROGRAMVERSION:5>1.1.1");

QString withMark(QString line, QChar mark)
{
    line[106] = mark;
    return line;
}

// A small reader of what other software would load: header up to <eoh>, then
// fields <tag:length>value, lengths in bytes, each record closed by <eor>.
struct AdifFile {
    QByteArray header;
    QList<QMap<QString, QString>> records;
};

AdifFile parseAdif(const QByteArray& bytes)
{
    AdifFile file;
    const qsizetype eoh = bytes.toLower().indexOf("<eoh>");
    EXPECT_GE(eoh, 0);
    file.header = bytes.left(eoh);
    qsizetype pos = eoh + 5;
    QMap<QString, QString> record;
    for (;;) {
        const qsizetype open = bytes.indexOf('<', pos);
        if (open < 0)
            break;
        const qsizetype close = bytes.indexOf('>', open);
        const QByteArray tag = bytes.mid(open + 1, close - open - 1);
        if (tag.toLower() == "eor") {
            file.records << record;
            record.clear();
            pos = close + 1;
            continue;
        }
        const QList<QByteArray> parts = tag.split(':');
        EXPECT_EQ(parts.size(), 2) << tag.constData();
        bool ok = false;
        const int length = parts.value(1).toInt(&ok);
        EXPECT_TRUE(ok) << tag.constData();
        record[QString::fromLatin1(parts[0]).toLower()] = fromWindows1252(bytes.mid(close + 1, length));
        pos = close + 1 + length;
    }
    EXPECT_TRUE(record.isEmpty()) << "record without <eor>";
    return file;
}

} // namespace

TEST(AdifRecord, ConvertsEveryFieldWithItsTagCaseAndLength)
{
    const QString line = qsoLine("F5XYZ", "77", "77121", "05/03/09", "14:32", "14 Mhz", true, "Château de Vaux", "CW", "Jean");
    EXPECT_EQ(ADIF_SP(line), QStringLiteral("<call:5>F5XYZ<STATE:2>77<name:4>JEAN<SIG:5>77121<qso_date:8>20090305"
                                            "<time_on:4>1432<mode:2>CW<band:3>20m<rst_rcvd:2>59<rst_sent:2>59"
                                            "<SIG_INFO:15>CHÂTEAU DE VAUX<QSL_RCVD:1>Y<eor>"));

    // Empty first name, one-digit department, 30-character castle, no QSL mark.
    const QString plain = qsoLine("F1AAA/P", "5", "05001", "01/01/10", "00:00", "432 Mhz", false,
                                  "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789");
    EXPECT_EQ(ADIF_SP(plain), QStringLiteral("<call:7>F1AAA/P<STATE:1>5<name:0><SIG:5>05001<qso_date:8>20100101"
                                             "<time_on:4>0000<mode:3>SSB<band:4>70cm<rst_rcvd:2>59<rst_sent:2>59"
                                             "<SIG_INFO:30>ABCDEFGHIJKLMNOPQRSTUVWXYZ0123<QSL_RCVD:1>N<eor>"));
    EXPECT_TRUE(ADIF_SP(withMark(plain, 'x')).endsWith("<QSL_RCVD:1>N<eor>"));
    EXPECT_TRUE(ADIF_SP(withMark(plain, '*')).endsWith("<QSL_RCVD:1>Y<eor>"));
    EXPECT_TRUE(ADIF_SP(qsoLine("F1AAA", "2a", "2a001", "01/01/10", "00:00", "144 Mhz")).contains("<STATE:2>2a<name:0><SIG:5>2a001"));
}

TEST(AdifRecord, YearsFrom50To99AreOfTheLastCentury)
{
    const auto date = [](const QString& d) {
        return ADIF_SP(qsoLine("F1AAA", "33", "33001", d, "12:00", "7.0 Mhz")).section("<qso_date:8>", 1).left(8);
    };
    EXPECT_EQ(date("05/03/99"), "19990305");
    EXPECT_EQ(date("01/01/50"), "19500101");
    EXPECT_EQ(date("31/12/49"), "20491231");
    EXPECT_EQ(date("29/02/00"), "20000229");
}

TEST(AdifRecord, EveryBandOfTheProgramHasItsAdifName)
{
    const QMap<QString, QString> expected = {
        {"1.8 Mhz", "160m"}, {"3.5 Mhz", "80m"}, {"7.0 Mhz", "40m"}, {"10 Mhz", "30m"}, {"14 Mhz", "20m"},
        {"18 Mhz", "17m"},   {"21 Mhz", "15m"},  {"24 Mhz", "12m"},  {"28 Mhz", "10m"}, {"50 Mhz", "6m"},
        {"144 Mhz", "2m"},   {"432 Mhz", "70cm"}};
    for (const QString& label : bandLabels()) {
        ASSERT_TRUE(expected.contains(label)) << label.toStdString();
        const QString band = expected[label];
        EXPECT_TRUE(ADIF_SP(qsoLine("F1AAA", "33", "33001", "01/02/08", "12:00", label))
                        .contains(QStringLiteral("<band:%1>%2<rst_rcvd").arg(band.size()).arg(band)))
            << label.toStdString();
    }
    EXPECT_EQ(adifBand(" 144 MHz"), QString());
    EXPECT_EQ(adifBand("432 Mhz "), "70cm");
}

TEST(AdifRecord, AShortLineGivesEmptyFieldsWithoutFailing)
{
    EXPECT_EQ(ADIF_SP("F6ZZZ"), QStringLiteral("<call:5>F6ZZZ<STATE:0><name:0><SIG:0><qso_date:0><time_on:0><mode:0>"
                                               "<band:0><rst_rcvd:0><rst_sent:0><SIG_INFO:0><QSL_RCVD:1>N<eor>"));
}

TEST_F(AdifExportTest, WritesHeaderAndOneRecordPerQsoAndSkipsBlankLines)
{
    const QString first = qsoLine("F5XYZ", "77", "77121", "05/03/09", "14:32", "14 Mhz", true, "Château de Vaux", "CW", "Jean");
    const QString second = qsoLine("F6ABC", "2b", "2b004", "12/11/98", "08:05", "50 Mhz");
    writeLog({first, "", "   ", second});
    writeFile("F5ABC_DFCF.adi", "old content that must go");

    const AdifExport done = exportAdif(context.dataDir, context.Indicatif_Station);

    ASSERT_TRUE(done.result.ok) << done.result.text().toStdString();
    EXPECT_EQ(done.fileName, "F5ABC_DFCF.adi");
    EXPECT_EQ(done.message, QStringLiteral("Le fichier a été enregistré sous le nom : F5ABC_DFCF.adi\r\ndans le dossier : ") + QDir::toNativeSeparators(dir.path()));
    const QByteArray expected =
        "Exportation du log de la station F5ABC au format ADIF\r\n"
        "\r\n"
        "Fichier cr\xE9\xE9 par KOR_DFCF R\xE9vision 1.1.1, carnet de trafic du dipl\xF4me DFCF "
        "<ADIF_VER:5>3.1.4 <PROGRAMID:8>KOR_DFCF <PROGRAMVERSION:5>1.1.1\r\n"
        "\r\n"
        "\r\n"
        "<eoh>\r\n"
        "<call:5>F5XYZ<STATE:2>77<name:4>JEAN<SIG:5>77121<qso_date:8>20090305<time_on:4>1432<mode:2>CW<band:3>20m"
        "<rst_rcvd:2>59<rst_sent:2>59<SIG_INFO:15>CH\xC2TEAU DE VAUX<QSL_RCVD:1>Y<eor>\r\n"
        "<call:5>F6ABC<STATE:2>2b<name:0><SIG:5>2b004<qso_date:8>19981112<time_on:4>0805<mode:3>SSB<band:2>6m"
        "<rst_rcvd:2>59<rst_sent:2>59<SIG_INFO:2>C.<QSL_RCVD:1>N<eor>\r\n";
    EXPECT_EQ(readFile("F5ABC_DFCF.adi"), expected);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 2) << "no scratch file left";
}

TEST_F(AdifExportTest, AnEmptyLogGivesTheHeaderOnlyAndAPortableStationNamesItsOwnFiles)
{
    context.Indicatif_Station = "F5ABC_P";
    writeLog({});
    const AdifExport done = exportAdif(context.dataDir, context.Indicatif_Station);
    ASSERT_TRUE(done.result.ok);
    EXPECT_EQ(done.message, QStringLiteral("Le fichier a été enregistré sous le nom : F5ABC_P_DFCF.adi\r\ndans le dossier : ") + QDir::toNativeSeparators(dir.path()));
    const QStringList lines = splitLines(fromWindows1252(readFile("F5ABC_P_DFCF.adi")));
    EXPECT_EQ(lines, QStringList({"Exportation du log de la station F5ABC/P au format ADIF", "", programLine, "", "", "<eoh>"}));
}

TEST_F(AdifExportTest, AMissingLogOrAnUnwritableOutputIsReportedAndNothingIsSaved)
{
    writeFile("F5ABC_DFCF.adi", "previous export");
    AdifExport done = exportAdif(context.dataDir, context.Indicatif_Station);
    EXPECT_FALSE(done.result.ok);
    EXPECT_EQ(done.result.text(), QStringLiteral("Le fichier F5ABC_DFCF.log est introuvable."));
    EXPECT_EQ(readFile("F5ABC_DFCF.adi"), "previous export");

    writeLog({qsoLine("F5XYZ", "77", "77121", "05/03/09", "14:32", "14 Mhz")});
    ASSERT_TRUE(QFile::remove(path("F5ABC_DFCF.adi")));
    ASSERT_TRUE(QDir(dir.path()).mkdir("F5ABC_DFCF.adi")); // a name the export cannot take
    done = exportAdif(context.dataDir, context.Indicatif_Station);
    EXPECT_FALSE(done.result.ok);
    EXPECT_TRUE(done.result.message.startsWith(QStringLiteral("Impossible d'enregistrer le fichier F5ABC_DFCF.adi")))
        << done.result.message.toStdString();
    EXPECT_TRUE(done.message.isEmpty());
    EXPECT_FALSE(exists("F5ABC_DFCF.adi.tmp"));
}

TEST_F(AdifExportTest, ReadingTheFileBackGivesEveryFieldOfTheLog)
{
    QStringList log;
    for (int n = 0; n < bandLabels().size(); ++n) {
        const QString dpt = n % 2 ? "2A" : QString::number(n + 1);
        const QString date = QStringLiteral("%1/0%2/%3").arg(10 + n).arg(1 + n % 9).arg(n % 2 ? "97" : "07");
        log << qsoLine(QStringLiteral("F%1AB").arg(n), dpt, QStringLiteral("%1").arg(n + 1, 5, 10, QLatin1Char('0')), date,
                       QStringLiteral("1%1:3%1").arg(n % 10), bandLabels()[n], n % 3 == 0,
                       QStringLiteral("Tour d'Ô n°%1").arg(n), modeList()[n % 3], n % 4 ? "Émile" : "");
    }
    writeLog(log);
    ASSERT_TRUE(exportAdif(context.dataDir, context.Indicatif_Station).result.ok);

    const AdifFile file = parseAdif(readFile("F5ABC_DFCF.adi"));
    EXPECT_TRUE(file.header.contains("<ADIF_VER:5>3.1.4"));
    ASSERT_EQ(file.records.size(), log.size());
    for (int i = 0; i < log.size(); ++i) {
        const Ligne_Log qso = Ligne_Log::fromLine(log[i]);
        const QMap<QString, QString>& r = file.records[i];
        EXPECT_EQ(r.size(), 12);
        EXPECT_EQ(r["call"], qso.indicatif);
        EXPECT_EQ(r["state"], qso.dpt);
        EXPECT_EQ(r["name"], qso.prenom);
        EXPECT_EQ(r["sig"], qso.ref);
        EXPECT_EQ(r["qso_date"], QString::number(widenYear(qso.date.mid(6, 2).toInt())) + qso.date.mid(3, 2) + qso.date.left(2));
        EXPECT_EQ(r["time_on"], QString(qso.qtr).remove(':'));
        EXPECT_EQ(r["mode"], qso.mode);
        EXPECT_EQ(r["band"], adifBand(qso.qrg));
        EXPECT_FALSE(r["band"].isEmpty());
        EXPECT_EQ(r["rst_rcvd"], qso.rstr);
        EXPECT_EQ(r["rst_sent"], qso.rste);
        EXPECT_EQ(r["sig_info"], qso.chateau);
        EXPECT_EQ(r["qsl_rcvd"], qso.qsl ? "Y" : "N");
    }
}
