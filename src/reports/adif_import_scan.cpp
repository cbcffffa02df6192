#include "castles/castle_list.h"
#include "logbook/log_store.h"
#include "reports/adif_import.h"
#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace {

// The reading takes this share of the progress, the judging the rest.
constexpr qint64 readingPercent = 90;

ImportEntry damagedEntry(const AdifDamage& damage)
{
    ImportEntry entry;
    entry.record = damage.record;
    entry.qso.call = damage.call;
    entry.reason = QStringLiteral("Enregistrement abîmé : %1").arg(damage.reason);
    return entry;
}

// The damaged records take their place in file order; past the first
// listedRefusals refused or damaged records, the others are only counted.
void addDamages(AdifScan& scan, const AdifRead& read)
{
    for (const AdifDamage& damage : read.damaged)
        scan.entries.append(damagedEntry(damage));
    std::stable_sort(scan.entries.begin(), scan.entries.end(),
                     [](const ImportEntry& a, const ImportEntry& b) { return a.record < b.record; });
    scan.refusedUnlisted += read.damagedCount - int(read.damaged.size());
    qsizetype first = 0; // the first refusal past the listed ones
    for (int listed = 0; first < scan.entries.size(); ++first)
        if (scan.entries[first].qso.line.isEmpty() && ++listed > AdifScan::listedRefusals)
            break;
    const auto unlisted = std::remove_if(scan.entries.begin() + first, scan.entries.end(),
                                         [](const ImportEntry& entry) { return entry.qso.line.isEmpty(); });
    scan.refusedUnlisted += int(scan.entries.end() - unlisted);
    scan.entries.erase(unlisted, scan.entries.end());
}

} // namespace

AdifScan scanAdif(QByteArrayView bytes, const CastleTable& castles, const PrenomTable& prenoms, ImportProgress* progress)
{
    AdifScan scan;
    int refusals = 0;
    const auto visit = [&](const AdifRecord& record) {
        const DfcfMark mark = findDfcf(record);
        if (mark.source == DfcfSource::None) {
            ++scan.nonDfcf;
            return;
        }
        ImportEntry entry;
        entry.record = record.number;
        entry.qso = mapRecord(record, mark, castles, prenoms);
        entry.reason = entry.qso.reason;
        if (entry.qso.line.isEmpty() && ++refusals > AdifScan::listedRefusals)
            ++scan.refusedUnlisted;
        else
            scan.entries.append(std::move(entry));
    };
    const auto goOn = [&](qint64 bytesRead) {
        if (!progress)
            return true;
        progress->percent = int(std::min(readingPercent, bytesRead * readingPercent / std::max<qint64>(bytes.size(), 1)));
        return !progress->cancelled;
    };
    const AdifRead read = readAdif(bytes, visit, goOn);
    scan.cancelled = read.stopped;
    scan.error = read.error;
    if (scan.error.isEmpty() && !scan.cancelled && read.records == 0 && read.damagedCount == 0)
        scan.error = QStringLiteral("Ce fichier ne contient aucun QSO au format ADIF : rien n'a été importé.");
    if (read.damagedCount > 0)
        addDamages(scan, read);
    return scan;
}

AdifScan scanAdifFile(const QString& dataDir, const QString& path, ImportProgress* progress)
{
    QFile file(path);
    const QString name = QFileInfo(path).fileName();
    if (!file.open(QIODevice::ReadOnly)) {
        AdifScan scan;
        scan.error = QStringLiteral("Impossible de lire le fichier %1 : rien n'a été importé.").arg(name);
        return scan;
    }
    bool listMissing = false;
    const CastleTable castles = CastleTable::load(dataDir, &listMissing);
    // A mapped file is read in place; a device that cannot be mapped is read whole.
    const qint64 size = file.size();
    const uchar* mapped = size > 0 ? file.map(0, size) : nullptr;
    QByteArray bytes;
    if (!mapped)
        bytes = file.readAll();
    AdifScan scan = scanAdif(mapped ? QByteArrayView(mapped, size) : QByteArrayView(bytes), castles, loadPrenoms(dataDir), progress);
    scan.castleListMissing = listMissing;
    return scan;
}

ImportPreview previewAdifFile(const QString& dataDir, const QString& path, const LogStore& store, ImportProgress* progress)
{
    ImportPreview preview{scanAdifFile(dataDir, path, progress), Result::success()};
    if (preview.scan.cancelled || !preview.scan.error.isEmpty())
        return preview;
    const ImportLog log = readImportLog(store);
    preview.log = log.result;
    preview.scan.cancelled = !classifyAgainstLog(preview.scan, log.lines, progress);
    if (progress)
        progress->percent = 100;
    return preview;
}
