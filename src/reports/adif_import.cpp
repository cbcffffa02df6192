#include "reports/adif_import.h"
#include "castles/castle_list.h"
#include "logbook/bands.h"
#include "logbook/dates.h"
#include "logbook/log_line.h"
#include "logbook/log_store.h"
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <algorithm>

namespace {

// Callsign, date, time and band: the same QSO whichever program logged it.
QString qsoKey(const QString& line)
{
    return logFieldTrimmed(line, LogField::Indicatif).toUpper() + QLatin1Char('|') + logField(line, LogField::Date)
         + QLatin1Char('|') + logField(line, LogField::QTR) + QLatin1Char('|') + logFieldTrimmed(line, LogField::QRG);
}

struct FirstContact {
    QString date;
    QString band;
};

QString castleKey(const QString& line, const QString& group)
{
    return logFieldTrimmed(line, LogField::Ref) + QLatin1Char('|') + group;
}

ImportEntry damagedEntry(const AdifDamage& damage)
{
    ImportEntry entry;
    entry.record = damage.record;
    entry.qso.call = damage.call;
    entry.reason = QStringLiteral("Enregistrement abîmé : %1").arg(damage.reason);
    return entry;
}

} // namespace

AdifScan scanAdif(QByteArrayView bytes, const CastleTable& castles)
{
    AdifScan scan;
    const AdifRead read = readAdif(bytes, [&](const AdifRecord& record) {
        const DfcfMark mark = findDfcf(record);
        if (mark.source == DfcfSource::None) {
            ++scan.nonDfcf;
            return;
        }
        ImportEntry entry;
        entry.record = record.number;
        entry.qso = mapRecord(record, mark, castles);
        entry.reason = entry.qso.reason;
        scan.entries.append(entry);
    });
    scan.error = read.error;
    if (scan.error.isEmpty() && read.records == 0 && read.damaged.isEmpty())
        scan.error = QStringLiteral("Ce fichier ne contient aucun QSO au format ADIF : rien n'a été importé.");
    if (!read.damaged.isEmpty()) {
        for (const AdifDamage& damage : read.damaged)
            scan.entries.append(damagedEntry(damage));
        std::stable_sort(scan.entries.begin(), scan.entries.end(),
                         [](const ImportEntry& a, const ImportEntry& b) { return a.record < b.record; });
    }
    return scan;
}

AdifScan scanAdifFile(const QString& dataDir, const QString& path)
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
    AdifScan scan = scanAdif(mapped ? QByteArrayView(mapped, size) : QByteArrayView(bytes), castles);
    scan.castleListMissing = listMissing;
    return scan;
}

void classifyAgainstLog(AdifScan& scan, const QStringList& logLines)
{
    QSet<QString> inLog, inFile;
    QHash<QString, FirstContact> contacted; // the first QSO of each castle and band group
    inLog.reserve(logLines.size());
    for (const QString& line : logLines) {
        inLog.insert(qsoKey(line));
        const QString band = logFieldTrimmed(line, LogField::QRG);
        const QString group = bandGroup(band);
        if (group.isEmpty())
            continue;
        const QString key = castleKey(line, group);
        if (!contacted.contains(key))
            contacted.insert(key, {logField(line, LogField::Date), band});
    }
    QList<qsizetype> order;
    for (qsizetype i = 0; i < scan.entries.size(); ++i)
        if (!scan.entries[i].qso.line.isEmpty())
            order << i;
    const auto instant = [&](qsizetype i) {
        const QString& line = scan.entries[i].qso.line;
        return dateTimeKey(logField(line, LogField::Date), logField(line, LogField::QTR));
    };
    std::stable_sort(order.begin(), order.end(), [&](qsizetype a, qsizetype b) { return instant(a) < instant(b); });
    for (const qsizetype i : order) {
        ImportEntry& entry = scan.entries[i];
        const QString& line = entry.qso.line;
        const QString group = bandGroup(logField(line, LogField::QRG));
        const QString key = qsoKey(line);
        const auto earlier = group.isEmpty() ? contacted.cend() : contacted.constFind(castleKey(line, group));
        if (inLog.contains(key) || inFile.contains(key)) {
            entry.fate = ImportFate::AlreadyInLog;
            entry.reason = inLog.contains(key) ? fateText(entry.fate) : QStringLiteral("en double dans le fichier");
        } else if (earlier != contacted.cend()) {
            entry.fate = ImportFate::CastleContacted;
            entry.reason = QStringLiteral("%1 Chateau deja contacté le %2 sur %3").arg(entry.qso.ref, earlier->date, earlier->band);
        } else {
            entry.fate = ImportFate::ToImport;
            entry.reason.clear();
            inFile.insert(key);
            if (!group.isEmpty())
                contacted.insert(castleKey(line, group), {entry.qso.date, entry.qso.band});
        }
    }
}

ImportCounts countFates(const AdifScan& scan)
{
    ImportCounts counts;
    counts.nonDfcf = scan.nonDfcf;
    for (const ImportEntry& entry : scan.entries) {
        switch (entry.fate) {
        case ImportFate::ToImport: ++counts.toImport; break;
        case ImportFate::AlreadyInLog: ++counts.alreadyInLog; break;
        case ImportFate::CastleContacted: ++counts.castleContacted; break;
        case ImportFate::Refused: ++counts.refused; break;
        }
    }
    return counts;
}

QString fateText(ImportFate fate)
{
    switch (fate) {
    case ImportFate::ToImport: return QStringLiteral("à importer");
    case ImportFate::AlreadyInLog: return QStringLiteral("déjà dans le log");
    case ImportFate::CastleContacted: return QStringLiteral("château déjà contacté");
    case ImportFate::Refused: return QStringLiteral("refusé");
    }
    return {};
}

ImportDone importScan(LogStore& store, AdifScan& scan)
{
    const LinesRead current = store.read();
    if (current.status != ReadStatus::Ok)
        return {Result::failure(QStringLiteral("Impossible de lire le log %1 : rien n'a été importé.").arg(QFileInfo(store.path()).fileName()),
                                current.error),
                0};
    classifyAgainstLog(scan, current.lines);
    QStringList lines;
    for (const ImportEntry& entry : scan.entries)
        if (entry.fate == ImportFate::ToImport)
            lines << entry.qso.line;
    if (lines.isEmpty())
        return {Result::success(), 0};
    const Result written = store.Insere_QSOs_Date(lines);
    return {written, written ? int(lines.size()) : 0};
}
