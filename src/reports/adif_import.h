#pragma once
#include "platform/result.h"
#include "reports/adif_mapping.h"
#include <QList>
#include <QString>
#include <QStringList>
#include <atomic>

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

// How far a reading or judging on a thread of its own has gone, and the
// operator's "Annuler", which stops it at its next look.
struct ImportProgress {
    std::atomic<int> percent{0};
    std::atomic<bool> cancelled{false};
};

struct AdifScan {
    // A file of refused records must not cost memory for each: the first
    // ones are listed for the operator, the others only counted.
    static constexpr int listedRefusals = 3000;

    QString error; // French; the file could not be read
    // DFCF QSOs, and the first listedRefusals refused or damaged records, in file order.
    QList<ImportEntry> entries;
    int refusedUnlisted = 0;
    int nonDfcf = 0; // records left alone
    bool castleListMissing = false;
    bool cancelled = false; // stopped by the operator: incomplete
};
static_assert(AdifRead::keptDamages >= AdifScan::listedRefusals);

struct ImportCounts {
    int toImport = 0, alreadyInLog = 0, castleContacted = 0, refused = 0, nonDfcf = 0;
};

AdifScan scanAdif(QByteArrayView bytes, const CastleTable& castles, const PrenomTable& prenoms = {},
                  ImportProgress* progress = nullptr);
// Reads the file, the castle list and the first-name list of the data directory.
AdifScan scanAdifFile(const QString& dataDir, const QString& path, ImportProgress* progress = nullptr);

// Sets the fate of every mapped QSO: already in the log (same callsign, "/"
// and "_" alike in any case, date, time and band), castle already contacted
// in the band group (in the log or by an earlier QSO of the file), or to
// import. QSOs are judged in date order, so that the first contact of a
// castle is the one kept. False when cancelled, the fates then half set.
bool classifyAgainstLog(AdifScan& scan, const QStringList& logLines, const ImportProgress* progress = nullptr);
ImportCounts countFates(const AdifScan& scan);
QString fateText(ImportFate fate); // as the preview names it

struct ImportDone {
    Result result;
    int imported = 0;
    bool cancelled = false; // nothing written
};
// The log's own lines, or why they cannot be read: nothing is judged nor
// imported against a log that cannot be read.
struct ImportLog {
    Result result;
    QStringList lines;
};
ImportLog readImportLog(const LogStore& store);

// What the preview shows: the file read and judged against the log as it is
// now, nothing written. Made on a thread of its own for a large file.
struct ImportPreview {
    AdifScan scan;
    Result log; // the log could not be read: nothing can be imported
};
ImportPreview previewAdifFile(const QString& dataDir, const QString& path, const LogStore& store, ImportProgress* progress = nullptr);

// Judges the QSOs against the log as it is now, then inserts those to import
// by date in one rewrite (after the daily backup); nothing is written when
// none is left, nor once the operator has cancelled.
ImportDone importScan(LogStore& store, AdifScan& scan, const ImportProgress* progress = nullptr);
