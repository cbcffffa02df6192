#include "logbook/log_session.h"
#include "logbook/backup.h"
#include "logbook/log_line.h"
#include "logbook/log_list_model.h"
#include "logbook/log_store.h"
#include "logbook/station.h"
#include "platform/clock.h"
#include "platform/file_lock.h"
#include "platform/system_files.h"
#include <QDir>

namespace {

// A QSO line is 107 columns, 106 when the blank of an unconfirmed QSO was lost.
bool isQsoLength(qsizetype length) { return length == logLineLength || length == logLineLength - 1; }

int badLinesIn(const QStringList& lines)
{
    int count = 0;
    for (const QString& line : lines)
        count += isQsoLength(line.size()) ? 0 : 1;
    return count;
}

} // namespace

LogSession::LogSession(QString dataDir, const Clock* clockRead, QObject* parent)
    : QObject(parent), dir(std::move(dataDir)), clock(clockRead), rows(new LogListModel(this))
{
}

LogSession::~LogSession() = default;

QString LogSession::path() const { return QDir(dir).filePath(logFileName(station)); }

const QStringList& LogSession::lines() const { return rows->lines(); }

int LogSession::nonQsoLineCount() const
{
    // An empty last line is no fault.
    const QStringList& all = lines();
    return badLines - (!all.isEmpty() && all.last().isEmpty() ? 1 : 0);
}

LogSession::Stamp LogSession::stampOf(const QString& path) { return systemFiles::fileStamp(path); }

void LogSession::clear()
{
    seen = {};
    rows->setLines({});
    contacted.rebuild({});
    badLines = 0;
}

LogSession::Opened LogSession::open(const QString& callsign)
{
    station = callsign;
    const Opened read = readFromDisk();
    changedRow = -1;
    emit changed({LogChange::Kind::Loaded, -1});
    return read;
}

LogSession::Opened LogSession::readFromDisk()
{
    // The stamp is taken before the read: a change made during the read is
    // seen at the next check.
    const Stamp before = stampOf(path());
    LinesRead log = readLines(path());
    if (log.status != ReadStatus::Ok) {
        clear();
        return {log.status, log.error};
    }
    seen = before;
    contacted.rebuild(log.lines);
    badLines = badLinesIn(log.lines);
    rows->setLines(std::move(log.lines));
    return {};
}

CastleContact LogSession::Cherche_Chateau(const QString& ref, const QString& group)
{
    if (!station.isEmpty() && stampOf(path()) != seen)
        open(station);
    return contacted.find(ref, group);
}

Result LogSession::apply(const QString& scratchName, const std::function<Edit(const QStringList&)>& edit)
{
    const QString file = path();
    const FileLock lock(file);
    if (!lock)
        return lock.failed();
    // Another program changed the log: its change is read, never overwritten.
    if (stampOf(file) != seen) {
        const Opened read = open(station);
        if (!read)
            return logReadFailure(file, {read.status, {}, read.error});
    }
    Edit done = edit(lines());
    if (!done.result)
        return done.result;
    backupLogOncePerDay(dir, station, clock ? clock->now().toUTC().date() : QDate());
    if (Result written = writeLinesAtomically(file, QDir(dir).filePath(scratchName), done.lines); !written)
        return written;
    seen = stampOf(file);
    learn(lines(), done);
    changedRow = done.change.row;
    emit changed(done.change);
    return Result::success();
}

// Memory follows the file just written, one row at a time.
void LogSession::learn(const QStringList& before, Edit& done)
{
    const int row = done.change.row;
    const QString added = done.change.kind == LogChange::Kind::Removed ? QString() : done.lines[row];
    const QString removed = done.change.kind == LogChange::Kind::Added || done.change.kind == LogChange::Kind::Inserted
                                ? QString()
                                : before[row];
    badLines += (added.isNull() || isQsoLength(added.size()) ? 0 : 1) - (removed.isNull() || isQsoLength(removed.size()) ? 0 : 1);
    switch (done.change.kind) {
    case LogChange::Kind::Added: rows->lineInserted(std::move(done.lines), row); break;
    case LogChange::Kind::Inserted: rows->lineInserted(std::move(done.lines), row); break;
    case LogChange::Kind::Replaced: rows->lineReplaced(std::move(done.lines), row); break;
    case LogChange::Kind::Removed: rows->lineRemoved(std::move(done.lines), row); break;
    case LogChange::Kind::Loaded: break;
    }
    if (done.change.kind == LogChange::Kind::Added)
        contacted.learnAppended(added);
    if (!removed.isNull())
        contacted.recheck(lines(), removed);
    if (!added.isNull() && done.change.kind != LogChange::Kind::Added)
        contacted.recheck(lines(), added);
}

Result LogSession::Ajoute_QSO(const QString& line)
{
    return apply(logScratchName, [&](const QStringList& current) {
        QStringList next = current;
        next.append(line);
        return Edit{Result::success(), std::move(next), {LogChange::Kind::Added, int(current.size())}};
    });
}

Result LogSession::Insere_QSO_Date(const QString& line)
{
    return apply(logDateScratchName, [&](const QStringList& current) {
        const qsizetype row = datePlace(current, line);
        QStringList next = current;
        next.insert(row, line);
        return Edit{Result::success(), std::move(next), {LogChange::Kind::Inserted, int(row)}};
    });
}

Result LogSession::Remplace_QSO(int position, const QString& expected, const QString& line)
{
    return apply(logScratchName, [&](const QStringList& current) {
        if (position < 0 || position >= current.size() || current[position] != expected)
            return Edit{lineChangedFailure(), {}, {}};
        QStringList next = current;
        next[position] = line;
        return Edit{Result::success(), std::move(next), {LogChange::Kind::Replaced, position}};
    });
}

Result LogSession::Supprime_QSO(int position, const QString& expected)
{
    return apply(logScratchName, [&](const QStringList& current) {
        if (position < 0 || position >= current.size() || current[position] != expected)
            return Edit{lineChangedFailure(), {}, {}};
        QStringList next = current;
        next.removeAt(position);
        return Edit{Result::success(), std::move(next), {LogChange::Kind::Removed, position}};
    });
}
