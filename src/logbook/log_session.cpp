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
    onDisk.clear();
    rows->setLines({});
    contacted.rebuild({});
    badLines = 0;
}

LogSession::Opened LogSession::open(const QString& callsign)
{
    station = callsign;
    opened = readFromDisk();
    changedRow = -1;
    emit changed({LogChange::Kind::Loaded, -1});
    return opened;
}

LogSession::Opened LogSession::reload(const QString& callsign)
{
    station = callsign;
    opened = readFromDisk();
    changedRow = -1;
    emit changed({LogChange::Kind::Reloaded, -1});
    return opened;
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
    onDisk = joinLines(log.lines);
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

Result LogSession::apply(const QString& scratchName, const std::function<Edit()>& edit)
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
    const Edit done = edit();
    if (!done.result)
        return done.result;
    backupLogOncePerDay(dir, station, clock ? clock->now().toUTC().date() : QDate());
    if (Result written = writeFileAtomically(file, QDir(dir).filePath(scratchName), done.bytes); !written)
        return written;
    seen = stampOf(file);
    onDisk = done.bytes;
    learn(done);
    changedRow = done.change.row;
    emit changed(done.change);
    return Result::success();
}

// Memory follows the file just written, one row at a time.
void LogSession::learn(const Edit& done)
{
    const int row = done.change.row;
    const bool adds = done.change.kind != LogChange::Kind::Removed;
    const QString removed = adds && done.change.kind != LogChange::Kind::Replaced ? QString() : lines()[row];
    const auto bad = [](const QString& line) { return line.isNull() || isQsoLength(line.size()) ? 0 : 1; };
    badLines += (adds ? bad(done.line) : 0) - bad(removed);
    switch (done.change.kind) {
    case LogChange::Kind::Added:
    case LogChange::Kind::Inserted: rows->insertLine(row, done.line); break;
    case LogChange::Kind::Replaced: rows->replaceLine(row, done.line); break;
    case LogChange::Kind::Removed: rows->removeLine(row); break;
    case LogChange::Kind::Loaded:
    case LogChange::Kind::Reloaded: break;
    }
    if (done.change.kind == LogChange::Kind::Added)
        contacted.learnAppended(done.line);
    else if (adds)
        contacted.recheck(lines(), done.line);
    if (!removed.isNull())
        contacted.recheck(lines(), removed);
}

QByteArray LogSession::splice(int from, int count, const QString& line) const
{
    // Every line takes its length in bytes plus CR LF: its place in the file
    // is counted from the lengths alone.
    const QStringList& all = lines();
    qsizetype start = 0;
    for (int i = 0; i < from; ++i)
        start += all[i].size() + 2;
    qsizetype end = start;
    for (int i = from; i < from + count; ++i)
        end += all[i].size() + 2;
    QByteArray bytes;
    bytes.reserve(onDisk.size() - (end - start) + (line.isNull() ? 0 : line.size() + 2));
    bytes.append(QByteArrayView(onDisk).first(start));
    if (!line.isNull())
        bytes.append(toWindows1252(line)).append("\r\n");
    bytes.append(QByteArrayView(onDisk).sliced(end));
    return bytes;
}

Result LogSession::Ajoute_QSO(const QString& line)
{
    return apply(logScratchName, [&] {
        const int row = int(lines().size());
        return Edit{Result::success(), splice(row, 0, line), {LogChange::Kind::Added, row}, line};
    });
}

Result LogSession::Insere_QSO_Date(const QString& line)
{
    return apply(logDateScratchName, [&] {
        const int row = int(datePlace(lines(), line));
        return Edit{Result::success(), splice(row, 0, line), {LogChange::Kind::Inserted, row}, line};
    });
}

Result LogSession::Remplace_QSO(int position, const QString& expected, const QString& line)
{
    return apply(logScratchName, [&] {
        if (position < 0 || position >= lines().size() || lines()[position] != expected)
            return Edit{lineChangedFailure(), {}, {}, {}};
        return Edit{Result::success(), splice(position, 1, line), {LogChange::Kind::Replaced, position}, line};
    });
}

Result LogSession::Supprime_QSO(int position, const QString& expected)
{
    return apply(logScratchName, [&] {
        if (position < 0 || position >= lines().size() || lines()[position] != expected)
            return Edit{lineChangedFailure(), {}, {}, {}};
        return Edit{Result::success(), splice(position, 1, {}), {LogChange::Kind::Removed, position}, {}};
    });
}
