#include "logbook/log_line.h"
#include "reports/adif_import_fixture.h"
#include "reports/adif_standard.h"
#include "reports/ascii_fold.h"

namespace {

class AdifRoundTripTest : public AdifImportTest {
protected:
    // The log exported in the standard form, then imported into an empty log.
    QStringList throughStandardExport(const QStringList& lines, const QString& fileName)
    {
        writeLog(lines);
        const StandardExport done = exportStandardAdif(dir.path(), context.Indicatif_Station, path(fileName),
                                                       clock.instant);
        EXPECT_TRUE(done.result) << done.result.text().toStdString();
        return importIntoEmptyLog(readFile(fileName));
    }

    // Every band, Corsica, a "/" in a callsign, accents and a ligature, an
    // empty first name, the castle-name placeholder, both centuries, both QSL
    // marks and every mode the log keeps that the standard form maps back.
    static QStringList sampleLog()
    {
        QStringList lines;
        const QStringList bands = {"1.8 Mhz", "3.5 Mhz", "7.0 Mhz", "10 Mhz", "14 Mhz", "18 Mhz",
                                   "21 Mhz",  "24 Mhz",  "28 Mhz",  "50 Mhz", "144 Mhz", "432 Mhz"};
        const QStringList modes = {"SSB", "CW", "FM", "RTY", "FT4", "FT8", "PSK"};
        for (int i = 0; i < bands.size(); ++i)
            lines << qsoLine(QStringLiteral("F%1ABC").arg(i), "77", QStringLiteral("77%1").arg(100 + i, 3, 10, QChar('0')),
                             QStringLiteral("%1/03/99").arg(i + 1, 2, 10, QChar('0')), "08:05", bands[i], i % 2 == 0,
                             QStringLiteral("C. CHÂTEAU NUMÉRO %1").arg(i), modes[i % modes.size()],
                             i % 3 ? QStringLiteral("JÉRÔME") : QString());
        lines << qsoLine("F/ON4ABC/P", "2a", "2a004", "05/02/08", "23:59", "14 Mhz", true, "C. ", "CW", "ANNE-MARIE")
              << qsoLine("F5XYZ", "2b", "2b010", "05/02/08", "23:59", "144 Mhz", false, "C. DE L'ŒUVRE", "SSB", "NOËL");
        return lines;
    }
};

} // namespace

TEST_F(AdifRoundTripTest, StandardExportImportedIntoAnEmptyLogGivesBackTheSameLines)
{
    const QStringList lines = sampleLog();
    // The XML form keeps the accents in its _INTL fields: every byte comes back.
    EXPECT_EQ(throughStandardExport(lines, "retour.adx"), lines);

    // The .adi form holds ASCII only, so names come back folded; every other
    // field comes back as it was.
    QStringList folded;
    for (const QString& line : lines) {
        Ligne_Log qso = Ligne_Log::fromLine(line);
        qso.prenom = foldToAscii(qso.prenom);
        qso.chateau = foldToAscii(qso.chateau);
        folded << buildLogLine(qso).text;
    }
    EXPECT_EQ(throughStandardExport(lines, "retour.adi"), folded);
}
