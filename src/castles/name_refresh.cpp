#include "castles/name_refresh.h"
#include "logbook/backup.h"
#include "castles/castle_list.h"
#include "logbook/log_line.h"
#include "logbook/log_store.h"
#include "logbook/station.h"
#include "platform/file_lock.h"
#include "platform/text_file.h"
#include <QDir>

namespace {

constexpr qsizetype progressStep = 2000;

// Which columns of a rewritten line keep the old text: the fields, except
// the last two columns of the department (the entry never stores more than
// two characters there). Every other column is a blank.
const QList<bool>& keptColumns()
{
    static const QList<bool> kept = [] {
        QList<bool> columns(logLineLength, false);
        for (LogField field : {LogField::Indicatif, LogField::Dpt, LogField::Prenom, LogField::Ref, LogField::Date,
                               LogField::QTR, LogField::Mode, LogField::QRG, LogField::RSTR, LogField::RSTE,
                               LogField::QSL}) {
            const FieldSpan span = logColumns(field);
            const int width = field == LogField::Dpt ? 2 : span.width;
            for (int c = span.start; c < span.start + width; ++c)
                columns[c] = true;
        }
        return columns;
    }();
    return kept;
}

} // namespace

QString refreshWarning()
{
    return QStringLiteral("          Attention en fonction du nombre de références") + QStringLiteral("\r\n")
           + QStringLiteral("            la mise à jour peut prendre quelques minutes") + QStringLiteral("\r\n")
           + QStringLiteral(" Attendre la fenetre 'Mise à jour du nom des Chateaux términée'");
}

bool castleNameMissing(const QString& line)
{
    return logField(line, LogField::Chateau).mid(2).trimmed().isEmpty();
}

QString refreshedLine(const QString& line, const CastleTable& castles)
{
    // A blank line has no QSO to name; it is kept as it is.
    if (line.isEmpty() || !castleNameMissing(line))
        return line;
    // Each field stays at its columns, blank-padded, one blank between fields.
    QString rebuilt = line.left(logLineLength).leftJustified(logLineLength, QLatin1Char(' '));
    const QList<bool>& kept = keptColumns();
    for (int c = 0; c < logLineLength; ++c)
        if (!kept[c])
            rebuilt[c] = QLatin1Char(' ');
    const FieldSpan castle = logColumns(LogField::Chateau);
    const QString name = upperWindows1252(castles.Nom_Du_DFCF(logFieldTrimmed(line, LogField::Ref)));
    rebuilt.replace(castle.start, castle.width, name.leftJustified(castle.width, QLatin1Char(' '), true));
    return rebuilt;
}

Result Maj_Nom_DFCF(const QString& dataDir, const QString& callsign, const RefreshProgress& progress, const QDate& today)
{
    const LogStore store(dataDir, callsign);
    const FileLock lock(store.path());
    if (!lock)
        return lock.failed();
    LinesRead log = store.read();
    const QString logName = logFileName(callsign);
    if (log.status == ReadStatus::NotFound)
        return Result::failure(QStringLiteral("Le log %1 est introuvable : rien n'a été modifié.").arg(logName));
    if (log.status == ReadStatus::Error)
        return Result::failure(QStringLiteral("Impossible de lire le log %1 : rien n'a été modifié.").arg(logName),
                               log.error);
    bool listMissing = false;
    const CastleTable castles = CastleTable::load(dataDir, &listMissing);
    if (listMissing)
        return Result::failure(castleListMissingMessage(), QStringLiteral("Le log %1 n'a pas été modifié.").arg(logName));

    bool changed = false;
    const qsizetype total = log.lines.size();
    for (qsizetype i = 0; i < total; ++i) {
        QString line = refreshedLine(log.lines[i], castles);
        if (line != log.lines[i]) {
            log.lines[i] = std::move(line);
            changed = true;
        }
        if (progress && (i + 1) % progressStep == 0)
            progress(i + 1, total);
    }
    if (progress)
        progress(total, total);
    if (!changed)
        return Result::success();
    backupLogOncePerDay(dataDir, callsign, today);
    return writeLinesAtomically(store.path(), QDir(dataDir).filePath(refreshScratchName), log.lines);
}
