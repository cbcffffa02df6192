#include "logbook/log_store.h"
#include "logbook/backup.h"
#include "logbook/dates.h"
#include "logbook/log_line.h"
#include "logbook/station.h"
#include "platform/file_lock.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <limits>
#include <vector>

namespace {

const QString templateName = QStringLiteral("FXXXX.txt");

qint64 instantOf(const QString& line)
{
    return dateTimeKey(logField(line, LogField::Date), logField(line, LogField::QTR));
}

// The log with the new lines merged in. A new line goes before the first
// line at the same or a later instant, which is the first place where the
// running maximum of the instants reaches it: one pass for any number of lines.
QStringList mergeByDate(const QStringList& lines, const QStringList& added)
{
    std::vector<std::pair<qint64, qsizetype>> order;
    order.reserve(size_t(added.size()));
    for (qsizetype i = 0; i < added.size(); ++i)
        order.emplace_back(instantOf(added[i]), i);
    std::stable_sort(order.begin(), order.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    QStringList merged;
    merged.reserve(lines.size() + added.size());
    size_t next = 0;
    qint64 reach = std::numeric_limits<qint64>::min();
    for (const QString& line : lines) {
        reach = std::max(reach, instantOf(line));
        while (next < order.size() && order[next].first <= reach)
            merged << added[order[next++].second];
        merged << line;
    }
    while (next < order.size())
        merged << added[order[next++].second];
    return merged;
}

} // namespace

Result logReadFailure(const QString& path, const LinesRead& read)
{
    const QString name = QFileInfo(path).fileName();
    if (read.status == ReadStatus::NotFound)
        return Result::failure(QStringLiteral("Le fichier %1 est introuvable : rien n'a été modifié.").arg(name));
    return Result::failure(QStringLiteral("Impossible de lire le fichier %1 : rien n'a été modifié.").arg(name), read.error);
}

Result lineChangedFailure()
{
    return Result::failure(QStringLiteral("Ce QSO a changé dans le log depuis son affichage : rien n'a été modifié."));
}

qsizetype datePlace(const QStringList& lines, const QString& line)
{
    const qint64 instant = instantOf(line);
    qint64 reach = std::numeric_limits<qint64>::min();
    for (qsizetype i = 0; i < lines.size(); ++i) {
        reach = std::max(reach, instantOf(lines[i]));
        if (instant <= reach)
            return i;
    }
    return lines.size();
}

LogStore::LogStore(QString dataDir, QString station, QDate day)
    : dir(std::move(dataDir)), callsign(std::move(station)), today(day)
{
}

QString LogStore::path() const { return QDir(dir).filePath(logFileName(callsign)); }

LinesRead LogStore::read() const { return readLines(path()); }

Result LogStore::rewrite(const QString& scratch, const std::function<Result(QStringList&)>& change)
{
    const FileLock lock(path());
    if (!lock)
        return lock.failed();
    LinesRead current = read();
    if (current.status != ReadStatus::Ok)
        return logReadFailure(path(), current);
    if (Result changed = change(current.lines); !changed)
        return changed;
    backupLogOncePerDay(dir, callsign, today);
    return writeLinesAtomically(path(), QDir(dir).filePath(scratch), current.lines);
}

Result LogStore::Ajoute_QSO(const QString& line)
{
    return rewrite(logScratchName, [&](QStringList& lines) {
        lines.append(line);
        return Result::success();
    });
}

// Before the first line at or after its date and time, as a batch places each.
Result LogStore::Insere_QSO_Date(const QString& line) { return Insere_QSOs_Date({line}); }

Result LogStore::Insere_QSOs_Date(const QStringList& added)
{
    return rewrite(logDateScratchName, [&](QStringList& lines) {
        lines = mergeByDate(lines, added);
        return Result::success();
    });
}

Result LogStore::Remplace_QSO(int position, const QString& expected, const QString& line)
{
    return rewrite(logScratchName, [&](QStringList& lines) {
        if (position < 0 || position >= lines.size() || lines[position] != expected)
            return lineChangedFailure();
        lines[position] = line;
        return Result::success();
    });
}

Result LogStore::Supprime_QSO(int position, const QString& expected)
{
    return rewrite(logScratchName, [&](QStringList& lines) {
        if (position < 0 || position >= lines.size() || lines[position] != expected)
            return lineChangedFailure();
        lines.removeAt(position);
        return Result::success();
    });
}

Result LogStore::Creer_Log(const QString& dataDir, const QString& callsign)
{
    const QDir directory(dataDir);
    const QString target = directory.filePath(logFileName(callsign));
    const QFileInfo existing(target);
    if (existing.exists() && !existing.isFile())
        return Result::failure(QStringLiteral("Impossible de créer le log %1 : ce nom est déjà pris.").arg(existing.fileName()));
    if (existing.exists() && existing.size() > 0)
        return Result::success(); // a log with QSOs is never replaced
    QByteArray content;
    QFile templateFile(directory.filePath(templateName));
    if (templateFile.open(QIODevice::ReadOnly)) {
        // A template saved in UTF-8 by another editor is stored in the log's encoding.
        const DecodedText decoded = decodeDataText(templateFile.readAll());
        if (!decoded.fitsWindows1252)
            return Result::failure(QStringLiteral("Le modèle %1 contient un caractère que le log ne peut pas garder : "
                                                  "le log %2 n'a pas été créé.")
                                       .arg(templateName, existing.fileName()),
                                   QStringLiteral("Enregistrez %1 en Windows-1252 (ANSI) ou retirez ce caractère.")
                                       .arg(templateName));
        content = toWindows1252(decoded.text);
    }
    return writeFileAtomically(target, directory.filePath(logScratchName), content);
}

LogStore::CastleContact LogStore::Cherche_Chateau(const QString& ref, const QString& group) const
{
    CastleContact contact;
    if (group.isEmpty())
        return contact;
    QFile file(path());
    if (!file.open(QIODevice::ReadOnly))
        return contact;
    // Runs on every reference typed: compare the reference bytes in place and
    // decode only the lines that hold it.
    const QByteArray bytes = file.readAll();
    const QByteArray wanted = toWindows1252(ref);
    const FieldSpan refSpan = logColumns(LogField::Ref);
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype end = bytes.indexOf('\n', start);
        if (end < 0)
            end = bytes.size();
        const QByteArrayView raw(bytes.constData() + start, end - start);
        start = end + 1;
        if (raw.size() < refSpan.start + refSpan.width || raw.sliced(refSpan.start, refSpan.width) != wanted)
            continue;
        QString line = fromWindows1252(raw);
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        const LoggedContact logged = loggedContact(line); // its reference is the one wanted
        if (logged.group == group)
            return {true, logged.date, logged.band};
    }
    return contact;
}
