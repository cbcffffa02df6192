#include "reports/adif_import.h"
#include "logbook/bands.h"
#include "logbook/dates.h"
#include "logbook/log_line.h"
#include "logbook/log_store.h"
#include "logbook/station.h"
#include "platform/file_lock.h"
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <algorithm>
#include <vector>

namespace {

struct FirstContact {
    QString date;
    QString band;
};

// The columns the duplicate rules compare, as views into the line.
struct QsoFields {
    QStringView call, date, time, band, ref;
};

QStringView column(const QString& line, LogField field, bool trim)
{
    const FieldSpan span = logColumns(field);
    if (line.size() <= span.start)
        return {};
    const QStringView value = QStringView(line).mid(span.start, span.width);
    return trim ? value.trimmed() : value;
}

QsoFields fieldsOf(const QString& line)
{
    return {column(line, LogField::Indicatif, true), column(line, LogField::Date, false), column(line, LogField::QTR, false),
            column(line, LogField::QRG, true), column(line, LogField::Ref, true)};
}

// One station whichever way its callsign was written: the log keeps "/" as
// "_", other programs write "/", in either case.
char16_t callChar(QChar c)
{
    const char16_t u = c.toUpper().unicode();
    return u == u'/' ? u'_' : u;
}

size_t callHash(QStringView call)
{
    size_t hash = 0;
    for (const QChar c : call)
        hash = hash * 31 + callChar(c);
    return hash;
}

bool sameCall(QStringView a, QStringView b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i)
        if (callChar(a[i]) != callChar(b[i]))
            return false;
    return true;
}

// Callsign, date, time and band: the same QSO whichever program logged it.
size_t qsoHash(const QsoFields& f) { return qHashMulti(callHash(f.call), f.date, f.time, f.band); }
bool sameQso(const QsoFields& a, const QsoFields& b)
{
    return sameCall(a.call, b.call) && a.date == b.date && a.time == b.time && a.band == b.band;
}
QString qsoKey(const QsoFields& f)
{
    QString key = loggedCallsign(f.call.toString());
    for (const QStringView part : {f.date, f.time, f.band}) {
        key += QLatin1Char('|');
        key += part;
    }
    return key;
}

// Index of the band's group in bandGroups(), -1 for a band of no group.
int groupIndex(QStringView band)
{
    for (const BandEntry& entry : Groupe_Bande())
        if (entry.label == band)
            return entry.group.isEmpty() ? -1 : int(bandGroups().indexOf(entry.group));
    return -1;
}

QString castleKey(QStringView ref, int group) { return ref.toString() + QLatin1Char('|') + QString::number(group); }

} // namespace

bool classifyAgainstLog(AdifScan& scan, const QStringList& logLines, const ImportProgress* progress)
{
    // Looked at every so many QSOs or lines: often enough for "Annuler" to feel immediate.
    const auto cancelled = [progress](qsizetype i) { return progress && i % 16384 == 0 && progress->cancelled; };
    // The log is walked without building any text for its lines: only what
    // the file's QSOs could meet is looked at closer.
    QList<qsizetype> mapped;
    QMultiHash<size_t, qsizetype> byQso;
    QSet<size_t> castles;
    for (qsizetype i = 0; i < scan.entries.size(); ++i) {
        if (cancelled(i))
            return false;
        if (scan.entries[i].qso.line.isEmpty())
            continue;
        mapped << i;
        const QsoFields f = fieldsOf(scan.entries[i].qso.line);
        byQso.insert(qsoHash(f), i);
        if (const int group = groupIndex(f.band); group >= 0)
            castles.insert(qHashMulti(0, f.ref, group));
    }
    std::vector<bool> inLog(size_t(scan.entries.size()), false);
    QHash<QString, FirstContact> contacted; // the first QSO of each castle and band group
    for (qsizetype n = 0; n < logLines.size(); ++n) {
        if (cancelled(n))
            return false;
        const QsoFields f = fieldsOf(logLines[n]);
        const auto [from, to] = byQso.equal_range(qsoHash(f));
        for (auto it = from; it != to; ++it)
            if (sameQso(f, fieldsOf(scan.entries[*it].qso.line)))
                inLog[size_t(*it)] = true;
        const int group = groupIndex(f.band);
        if (group < 0 || !castles.contains(qHashMulti(0, f.ref, group)))
            continue;
        const QString key = castleKey(f.ref, group);
        if (!contacted.contains(key))
            contacted.insert(key, {f.date.toString(), f.band.toString()});
    }

    QHash<qsizetype, qint64> instants;
    instants.reserve(mapped.size());
    for (const qsizetype i : mapped) {
        const QString& line = scan.entries[i].qso.line;
        instants.insert(i, dateTimeKey(logField(line, LogField::Date), logField(line, LogField::QTR)));
    }
    std::stable_sort(mapped.begin(), mapped.end(), [&](qsizetype a, qsizetype b) { return instants[a] < instants[b]; });
    QSet<QString> inFile;
    for (const qsizetype i : mapped) {
        if (cancelled(i))
            return false;
        ImportEntry& entry = scan.entries[i];
        const QsoFields f = fieldsOf(entry.qso.line);
        const QString key = qsoKey(f);
        const int group = groupIndex(f.band);
        const QString castle = group < 0 ? QString() : castleKey(f.ref, group);
        const auto earlier = group < 0 ? contacted.cend() : contacted.constFind(castle);
        if (inLog[size_t(i)] || inFile.contains(key)) {
            entry.fate = ImportFate::AlreadyInLog;
            entry.reason = inLog[size_t(i)] ? QString() : QStringLiteral("en double dans le fichier");
        } else if (earlier != contacted.cend()) {
            entry.fate = ImportFate::CastleContacted;
            entry.reason = QStringLiteral("%1 Chateau deja contacté le %2 sur %3").arg(entry.qso.ref, earlier->date, earlier->band);
        } else {
            entry.fate = ImportFate::ToImport;
            entry.reason.clear();
            inFile.insert(key);
            if (group >= 0)
                contacted.insert(castle, {entry.qso.date, entry.qso.band});
        }
    }
    return true;
}

ImportCounts countFates(const AdifScan& scan)
{
    ImportCounts counts;
    counts.nonDfcf = scan.nonDfcf;
    counts.refused = scan.refusedUnlisted;
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

ImportLog readImportLog(const LogStore& store)
{
    LinesRead current = store.read();
    if (current.status != ReadStatus::Ok)
        return {Result::failure(QStringLiteral("Impossible de lire le log %1 : rien n'a été importé.").arg(QFileInfo(store.path()).fileName()),
                                current.error),
                {}};
    return {Result::success(), std::move(current.lines)};
}

ImportDone importScan(LogStore& store, AdifScan& scan, const ImportProgress* progress)
{
    // Held from the judging to the rewrite, so that no QSO saved in between is imported twice.
    const FileLock lock(store.path());
    if (!lock)
        return {lock.failed(), 0};
    const ImportLog current = readImportLog(store);
    if (!current.result)
        return {current.result, 0};
    // The last look at "Annuler" is before the rewrite, under the lock.
    if (!classifyAgainstLog(scan, current.lines, progress) || (progress && progress->cancelled))
        return {Result::success(), 0, true};
    QStringList lines;
    for (const ImportEntry& entry : scan.entries)
        if (entry.fate == ImportFate::ToImport)
            lines << entry.qso.line;
    if (lines.isEmpty())
        return {Result::success(), 0};
    const Result written = store.Insere_QSOs_Date(lines);
    return {written, written ? int(lines.size()) : 0};
}
