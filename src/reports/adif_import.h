#pragma once
#include "platform/result.h"
#include "reports/adif_mapping.h"
#include <QList>
#include <QString>
#include <QStringList>

class CastleTable;
class LogStore;

// Bringing the DFCF contacts of an ADIF file into the log: the file is read
// and mapped once, judged against the log for the preview, judged again and
// written in one rewrite when the operator confirms.

enum class ImportFate { ToImport, AlreadyInLog, CastleContacted, Refused };

struct ImportEntry {
    int record = 0; // place in the file
    MappedQso qso;
    ImportFate fate = ImportFate::Refused;
    QString reason; // French; why it is not imported
};

struct AdifScan {
    QString error;              // French; the file could not be read
    QList<ImportEntry> entries; // DFCF QSOs and damaged records, in file order
    int nonDfcf = 0;            // records left alone
    bool castleListMissing = false;
};

struct ImportCounts {
    int toImport = 0, alreadyInLog = 0, castleContacted = 0, refused = 0, nonDfcf = 0;
};

AdifScan scanAdif(QByteArrayView bytes, const CastleTable& castles, const PrenomTable& prenoms = {});
// Reads the file, the castle list and the first-name list of the data directory.
AdifScan scanAdifFile(const QString& dataDir, const QString& path);

// Sets the fate of every mapped QSO: already in the log (same callsign, "/"
// and "_" alike in any case, date, time and band), castle already contacted
// in the band group (in the log or by an earlier QSO of the file), or to
// import. QSOs are judged in date order, so that the first contact of a
// castle is the one kept.
void classifyAgainstLog(AdifScan& scan, const QStringList& logLines);
ImportCounts countFates(const AdifScan& scan);
QString fateText(ImportFate fate); // as the preview names it

struct ImportDone {
    Result result;
    int imported = 0;
};
// The log's own lines, or why they cannot be read: nothing is judged nor
// imported against a log that cannot be read.
struct ImportLog {
    Result result;
    QStringList lines;
};
ImportLog readImportLog(const LogStore& store);

// Judges the QSOs against the log as it is now, then inserts those to import
// by date in one rewrite (after the daily backup); nothing is written when none is left.
ImportDone importScan(LogStore& store, AdifScan& scan);
