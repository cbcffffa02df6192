#include "logbook/bands.h"
#include "reports/adif_standard.h"
#include "support/test_env.h"
#include <QDir>
#include <QMap>
#include <QXmlStreamReader>

namespace {

using Record = QMap<QString, QString>;

// Readers written apart from the exporter, as another program would read the
// files: ADI fields <TAG:bytes[:type]>value up to <EOH> and each <EOR>; ADX
// elements under HEADER and RECORDS/RECORD.
struct ReadBack {
    QByteArray preamble;
    Record header;
    QList<Record> records;
};

ReadBack readAdi(const QByteArray& bytes)
{
    ReadBack file;
    Record fields;
    qsizetype pos = 0;
    bool inHeader = true;
    for (;;) {
        const qsizetype open = bytes.indexOf('<', pos);
        if (open < 0)
            break;
        if (inHeader && file.preamble.isNull())
            file.preamble = bytes.left(open);
        const qsizetype close = bytes.indexOf('>', open);
        const QList<QByteArray> tagParts = bytes.mid(open + 1, close - open - 1).toUpper().split(':');
        if (tagParts[0] == "EOH") {
            file.header = fields;
            fields.clear();
            inHeader = false;
        } else if (tagParts[0] == "EOR") {
            file.records << fields;
            fields.clear();
        } else {
            const int length = tagParts.value(1).toInt();
            fields[QString::fromLatin1(tagParts[0])] = QString::fromLatin1(bytes.mid(close + 1, length));
        }
        pos = close + 1 + (tagParts.size() > 1 ? tagParts[1].toInt() : 0);
    }
    EXPECT_TRUE(fields.isEmpty()) << "record without <EOR>";
    return file;
}

ReadBack readAdx(const QByteArray& bytes)
{
    ReadBack file;
    QXmlStreamReader xml(bytes);
    Record* current = nullptr;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        const QString name = xml.name().toString();
        if (name == "HEADER")
            current = &file.header;
        else if (name == "RECORD")
            current = &file.records.emplace_back();
        else if (current && name != "RECORDS")
            (*current)[name] = xml.readElementText();
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return file;
}

struct Qso {
    QString call, dpt, band, mode, name, castle, date;
    Record expected; // every field but those all records share
};

// One QSO per band label, every mode mapping, departments 1/8/20/98, Corsica,
// accents, Œ, ß, a "_" in a callsign, a missing castle name.
QList<Qso> sampleQsos()
{
    const QStringList b = bandLabels();
    const auto france = [](const QString& state) { return Record{{"DXCC", "227"}, {"COUNTRY", "France"}, {"STATE", state}}; };
    const auto corsica = [](const QString& state) { return Record{{"DXCC", "214"}, {"COUNTRY", "Corsica"}, {"STATE", state}}; };
    const auto merged = [](Record a, const Record& b) { a.insert(b); return a; };
    return {
        {"F4HVI_P", "1", b[0], "SSB", "Émile", "Château d'Œuf", "05/03/99",
         merged(france("01"), {{"CALL", "F4HVI/P"}, {"BAND", "160m"}, {"MODE", "SSB"}, {"QSO_DATE", "19990305"},
                               {"NAME", "EMILE"}, {"NAME_INTL", "ÉMILE"},
                               {"COMMENT", "CHATEAU D'OEUF"}, {"COMMENT_INTL", "CHÂTEAU D'ŒUF"}})},
        {"F5AAA", "8", b[1], "CW", "", "Tour Ça", "12/11/08",
         merged(france("08"), {{"CALL", "F5AAA"}, {"BAND", "80m"}, {"MODE", "CW"}, {"QSO_DATE", "20081112"},
                               {"COMMENT", "TOUR CA"}, {"COMMENT_INTL", "TOUR ÇA"}})},
        {"F6BBB", "20", b[2], "FM", "Lætitia", "", "01/01/50",
         {{"CALL", "F6BBB"}, {"BAND", "40m"}, {"MODE", "FM"}, {"QSO_DATE", "19500101"},
          {"NAME", "LAETITIA"}, {"NAME_INTL", "LÆTITIA"}}},
        {"F1CCC", "98", b[3], "AM", "", "Fort", "31/12/49",
         {{"CALL", "F1CCC"}, {"BAND", "30m"}, {"MODE", "AM"}, {"QSO_DATE", "20491231"},
          {"COMMENT", "FORT"}, {"COMMENT_INTL", "FORT"}}},
        {"F2DDD", "2a", b[4], "FT8", "Noël", "Citadelle", "29/02/00",
         merged(corsica("2A"), {{"CALL", "F2DDD"}, {"BAND", "20m"}, {"MODE", "FT8"}, {"QSO_DATE", "20000229"},
                                {"NAME", "NOEL"}, {"NAME_INTL", "NOËL"}, {"COMMENT", "CITADELLE"}, {"COMMENT_INTL", "CITADELLE"}})},
        {"f3eee", "2B", b[5], "PSK", "", "Tour", "12/11/08",
         merged(corsica("2B"), {{"CALL", "F3EEE"}, {"BAND", "17m"}, {"MODE", "PSK"}, {"QSO_DATE", "20081112"},
                                {"COMMENT", "TOUR"}, {"COMMENT_INTL", "TOUR"}})},
        {"F4FFF", "95", b[6], "RTY", "", "Tour", "12/11/08",
         merged(france("95"), {{"CALL", "F4FFF"}, {"BAND", "15m"}, {"MODE", "RTTY"}, {"QSO_DATE", "20081112"},
                               {"COMMENT", "TOUR"}, {"COMMENT_INTL", "TOUR"}})},
        {"F5GGG", "77", b[7], "USB", "", "Tour", "12/11/08",
         merged(france("77"), {{"CALL", "F5GGG"}, {"BAND", "12m"}, {"MODE", "SSB"}, {"SUBMODE", "USB"}, {"QSO_DATE", "20081112"},
                               {"COMMENT", "TOUR"}, {"COMMENT_INTL", "TOUR"}})},
        {"F6HHH", "33", b[8], "LSB", "", "Tour", "12/11/08",
         merged(france("33"), {{"CALL", "F6HHH"}, {"BAND", "10m"}, {"MODE", "SSB"}, {"SUBMODE", "LSB"}, {"QSO_DATE", "20081112"},
                               {"COMMENT", "TOUR"}, {"COMMENT_INTL", "TOUR"}})},
        {"F8III", "13", b[9], "FT4", "", "Tour", "12/11/08",
         merged(france("13"), {{"CALL", "F8III"}, {"BAND", "6m"}, {"MODE", "MFSK"}, {"SUBMODE", "FT4"}, {"QSO_DATE", "20081112"},
                               {"COMMENT", "TOUR"}, {"COMMENT_INTL", "TOUR"}})},
        {"F1JJJ", "29", b[10], "XYZ", "", "Tour", "12/11/08",
         merged(france("29"), {{"CALL", "F1JJJ"}, {"BAND", "2m"}, {"MODE", "XYZ"}, {"QSO_DATE", "20081112"},
                               {"COMMENT", "TOUR"}, {"COMMENT_INTL", "TOUR"}})},
        {"F2KKK", "67", b[11], "SSB", "Strauß", "Haut-Kœnigsbourg", "12/11/08",
         merged(france("67"), {{"CALL", "F2KKK"}, {"BAND", "70cm"}, {"MODE", "SSB"}, {"QSO_DATE", "20081112"},
                               {"NAME", "STRAUSS"}, {"NAME_INTL", "STRAUß"},
                               {"COMMENT", "HAUT-KOENIGSBOURG"}, {"COMMENT_INTL", "HAUT-KŒNIGSBOURG"}})},
    };
}

class StandardAdif : public DataDirTest {
protected:
    QList<Qso> qsos = sampleQsos();

    void writeSampleLog()
    {
        QStringList log;
        for (int i = 0; i < qsos.size(); ++i) {
            const Qso& q = qsos[i];
            log << qsoLine(q.call, q.dpt, QStringLiteral("%1%2").arg(q.dpt.rightJustified(2, '0')).arg(i, 3, 10, QChar('0')),
                           q.date, "14:32", q.band, i % 2 == 0, q.castle, q.mode, q.name);
        }
        log.insert(3, "");                                                                   // line 4: blank, skipped
        log.insert(5, "GARBAGE LINE");                                                       // line 6
        log.insert(8, qsoLine("F6ZZZ", "33", "33001", "31/02/09", "14:32", "14 Mhz", true)); // line 9
        writeLog(log);
    }

    StandardExport exportSample(const QString& name)
    {
        context.Indicatif_Station = "F5ABC_P";
        writeSampleLog();
        return exportStandardAdif(context.dataDir, context.Indicatif_Station, path(name), clock.now());
    }

    void expectSampleRecords(const ReadBack& file, bool xml) const;

    // What every exported record must hold: the sample's fields plus the shared ones.
    Record expectedRecord(int i, bool xml) const
    {
        Record r = qsos[i].expected;
        const QString dpt = qsos[i].dpt.rightJustified(2, '0');
        const QString ref = QStringLiteral("%1%2").arg(dpt).arg(i, 3, 10, QChar('0'));
        r.insert({{"TIME_ON", "1432"}, {"RST_RCVD", "59"}, {"RST_SENT", "59"}, {"QSL_RCVD", i % 2 == 0 ? "Y" : "N"},
                  {"SIG", "DFCF"}, {"SIG_INFO", ref}, {"STATION_CALLSIGN", "F5ABC/P"}});
        // COMMENT starts with the reference as operators type it in other loggers.
        for (const QString tag : {"COMMENT", "COMMENT_INTL"})
            r[tag] = (QStringLiteral("DFCF ") + ref + QLatin1Char(' ') + r.value(tag)).trimmed();
        if (!xml) {
            r.remove("NAME_INTL");
            r.remove("COMMENT_INTL");
        }
        return r;
    }
};

const Record expectedHeader = {{"ADIF_VER", "3.1.4"}, {"PROGRAMID", "KOR_DFCF"}, {"PROGRAMVERSION", "1.1.1"},
                               {"CREATED_TIMESTAMP", "20080205 090507"}};

void StandardAdif::expectSampleRecords(const ReadBack& file, bool xml) const
{
    EXPECT_EQ(file.header, expectedHeader);
    ASSERT_EQ(file.records.size(), qsos.size());
    for (int i = 0; i < qsos.size(); ++i)
        EXPECT_EQ(file.records[i], expectedRecord(i, xml)) << "QSO " << i;
}

} // namespace

TEST_F(StandardAdif, AnotherReaderFindsEveryFieldInTheAsciiFile)
{
    const StandardExport done = exportSample("out.adi");
    ASSERT_TRUE(done.result.ok) << done.result.text().toStdString();

    const QByteArray bytes = readFile("out.adi");
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const uchar c = uchar(bytes[i]);
        const bool lineEnd = (c == '\r' && bytes.mid(i, 2) == "\r\n") || (c == '\n' && i > 0 && bytes[i - 1] == '\r');
        ASSERT_TRUE((c >= 32 && c <= 126) || lineEnd) << "byte " << int(c) << " at " << i;
    }
    const ReadBack file = readAdi(bytes);
    EXPECT_FALSE(file.preamble.isEmpty());
    expectSampleRecords(file, false);
    EXPECT_EQ(done.written, qsos.size());
    EXPECT_EQ(done.message, QStringLiteral("Le fichier a été enregistré sous le nom : %1\r\n"
                                           "12 QSO écrits.\r\n"
                                           "2 lignes illisibles laissées de côté\u00A0:\r\n"
                                           "   ligne 6\u00A0: indicatif illisible «\u00A0GARBAGE LINE\u00A0»\r\n"
                                           "   ligne 9\u00A0: date illisible «\u00A031/02/09\u00A0»\r\n"
                                           "1 QSO écrit avec un mode inconnu, tel qu'il a été saisi\u00A0:\r\n"
                                           "   ligne 14\u00A0: mode inconnu «\u00A0XYZ\u00A0»")
                                .arg(QDir::toNativeSeparators(path("out.adi"))));
}

TEST_F(StandardAdif, TheXmlFormKeepsTheAccentsInTheIntlFields)
{
    const StandardExport done = exportSample("out.ADX");
    ASSERT_TRUE(done.result.ok) << done.result.text().toStdString();

    const QByteArray bytes = readFile("out.ADX");
    EXPECT_TRUE(bytes.startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\"?>"));
    EXPECT_TRUE(bytes.contains("CH\xC3\x82TEAU D'\xC5\x92UF")) << "UTF-8 on disk";
    expectSampleRecords(readAdx(bytes), true);
    EXPECT_EQ(done.leftOut.size(), 2);
    EXPECT_FALSE(exists("out.ADX.tmp"));
}

TEST_F(StandardAdif, TheChosenNameDecidesTheFormAndNeverReplacesAnotherFile)
{
    writeLog({qsoLine("F5XYZ", "77", "77121", "05/03/09", "14:32", "14 Mhz")});
    const QByteArray logBefore = logBytes();

    StandardExport done = exportStandardAdif(context.dataDir, "F5ABC", path("sans_suffixe"), clock.now());
    ASSERT_TRUE(done.result.ok);
    EXPECT_TRUE(readFile("sans_suffixe.adi").contains("<CALL:5>F5XYZ "));

    done = exportStandardAdif(context.dataDir, "F5ABC", path(logName()), clock.now());
    EXPECT_FALSE(done.result.ok);
    EXPECT_EQ(done.result.message, QStringLiteral("Choisissez un nom de fichier terminé par .adi ou .adx."));
    EXPECT_EQ(logBytes(), logBefore);

    writeLog({});
    done = exportStandardAdif(context.dataDir, "F5ABC", path("vide.adi"), clock.now());
    ASSERT_TRUE(done.result.ok);
    EXPECT_TRUE(readAdi(readFile("vide.adi")).records.isEmpty());
    EXPECT_TRUE(done.message.endsWith("\r\nAucun QSO écrit.\r\nAucune ligne laissée de côté."));

    QFile::remove(path(logName()));
    done = exportStandardAdif(context.dataDir, "F5ABC", path("vide.adi"), clock.now());
    EXPECT_EQ(done.result.text(), QStringLiteral("Le fichier F5ABC_DFCF.log est introuvable."));
}

// A long log is converted in stretches side by side, and repeated elements
// are copied rather than written again: the file must still hold every QSO
// in the log's order, each with its own values.
TEST_F(StandardAdif, ALongLogKeepsItsOrderAndEachQsoItsOwnValues)
{
    const QStringList bands = bandLabels();
    const QStringList adifBands = {"160m", "80m", "40m", "30m", "20m", "17m", "15m", "12m", "10m", "6m", "2m", "70cm"};
    const QStringList modes = {"SSB", "CW", "USB", "FT4"};
    QStringList log;
    for (int i = 0; i < 12000; ++i) {
        const QString dpt = QString::number(1 + i % 19);
        const QString ref = dpt.rightJustified(2, '0') + QStringLiteral("%1").arg(i % 1000, 3, 10, QChar('0'));
        log << qsoLine(QStringLiteral("F%1AB").arg(i), dpt, ref, "05/03/09", "14:32", bands[i % bands.size()], i % 3 == 0,
                       QStringLiteral("Tour %1").arg(i % 400), modes[i % modes.size()]);
    }
    for (const int bad : {11000, 6001, 17})
        log[bad] = QStringLiteral("LIGNE ABIMEE");
    writeLog(log);

    for (const QString name : {"long.adi", "long.adx"}) {
        const StandardExport done = exportStandardAdif(context.dataDir, "F5ABC", path(name), clock.now());
        ASSERT_TRUE(done.result.ok) << done.result.text().toStdString();
        const QString bad = QStringLiteral("ligne %1\u00A0: indicatif illisible «\u00A0LIGNE ABIMEE\u00A0»");
        EXPECT_EQ(done.leftOut, QStringList({bad.arg(18), bad.arg(6002), bad.arg(11001)}));
        const QByteArray bytes = readFile(name);
        const QList<Record> records = name.endsWith("adx") ? readAdx(bytes).records : readAdi(bytes).records;
        ASSERT_EQ(records.size(), 11997) << name.toStdString();
        int r = 0;
        for (int i = 0; i < 12000; ++i) {
            if (i == 17 || i == 6001 || i == 11000)
                continue;
            const Record& got = records[r++];
            ASSERT_EQ(got["CALL"], QStringLiteral("F%1AB").arg(i)) << name.toStdString();
            ASSERT_EQ(got["BAND"], adifBands[i % adifBands.size()]);
            ASSERT_EQ(got["STATE"], QString::number(1 + i % 19).rightJustified(2, '0'));
            const QString ref = QString::number(1 + i % 19).rightJustified(2, '0') + QStringLiteral("%1").arg(i % 1000, 3, 10, QChar('0'));
            ASSERT_EQ(got["COMMENT"], QStringLiteral("DFCF %1 TOUR %2").arg(ref).arg(i % 400));
            ASSERT_EQ(got["SUBMODE"], QStringList({"", "", "USB", "FT4"})[i % 4]);
        }
    }
}
