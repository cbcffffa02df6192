#include "logbook/log_line.h"
#include "reports/adif.h"
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
};

} // namespace

TEST_F(AdifRoundTripTest, StandardExportImportedIntoAnEmptyLogGivesBackTheSameLines)
{
    const QStringList lines = roundTripLog();
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

TEST_F(AdifRoundTripTest, ReimportingAnyExportIntoItsOwnLogAddsNothing)
{
    // Besides "_" for "/", a line an earlier import stored with "/" and in lower case.
    QStringList lines = roundTripLog();
    lines << qsoLine("f6xyz/p", "91", "91020", "07/02/08", "11:00", "10 Mhz");
    writeLog(lines);
    const QByteArray before = logBytes();
    for (const QString name : {"retour.adi", "retour.adx"}) {
        ASSERT_TRUE(exportStandardAdif(dir.path(), context.Indicatif_Station, path(name), clock.instant).result);
        const ImportDone again = import(readFile(name));
        EXPECT_TRUE(again.result);
        EXPECT_EQ(again.imported, 0) << name.toStdString();
    }
    EXPECT_EQ(import(adifDocument(context.Indicatif_Station, lines)).imported, 0);
    EXPECT_EQ(logBytes(), before);
}
