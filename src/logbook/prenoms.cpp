#include "logbook/prenoms.h"
#include "logbook/station.h"
#include "platform/file_lock.h"
#include "platform/text_file.h"
#include <QDir>

PrenomFound Cherche_Prenom(const QString& dataDir, const QString& callsign)
{
    PrenomFound result;
    const LinesRead file = readDataLines(QDir(dataDir).filePath(prenomFileName));
    result.listMissing = file.status == ReadStatus::NotFound;
    for (const QString& line : file.lines) {
        if (line.left(12).trimmed() != callsign)
            continue;
        result.found = true;
        result.dpt = line.mid(13, 2);
        result.prenom = upperWindows1252(line.mid(16));
    }
    if (result.found && result.dpt.trimmed().isEmpty())
        result.dpt.clear();
    return result;
}

PrenomTable loadPrenoms(const QString& dataDir)
{
    PrenomTable table;
    for (const QString& line : readDataLines(QDir(dataDir).filePath(prenomFileName)).lines)
        table.insert(loggedCallsign(line.left(12)), upperWindows1252(line.mid(16)));
    return table;
}

QString prenomRecord(const QString& callsign, const QString& dpt, const QString& prenom)
{
    return callsign.leftJustified(13, QLatin1Char(' ')) + dpt.leftJustified(3, QLatin1Char(' '))
        + upperWindows1252(prenom);
}

Result Maj_Prenom(const QString& dataDir, const QString& record)
{
    if (!isWindows1252(record))
        return Result::failure(QStringLiteral("Le prénom contient un caractère que le fichier %1 ne peut pas garder : il n'a pas été enregistré.")
                                   .arg(prenomFileName));
    const QDir dir(dataDir);
    const QString target = dir.filePath(prenomFileName);
    const FileLock lock(target);
    if (!lock)
        return lock.failed();
    LinesRead file = readDataLines(target);
    if (file.status == ReadStatus::Error)
        return Result::failure(QStringLiteral("Impossible de lire le fichier %1 : le prénom n'a pas été enregistré.")
                                   .arg(prenomFileName),
                               file.error);
    if (!file.fitsWindows1252)
        return Result::failure(QStringLiteral("Le fichier %1 contient un caractère qu'il ne peut pas garder en "
                                              "Windows-1252 : le prénom n'a pas été enregistré.")
                                   .arg(prenomFileName),
                               QStringLiteral("Enregistrez %1 en Windows-1252 (ANSI) ou retirez ce caractère.")
                                   .arg(prenomFileName));
    const QString key = record.left(12);
    bool replaced = false;
    for (QString& line : file.lines) {
        if (line.left(12) == key) {
            line = record;
            replaced = true;
        }
    }
    if (!replaced)
        file.lines.append(record);
    return writeLinesAtomically(target, dir.filePath(prenomScratchName), file.lines);
}
