#include "logbook/earlier_installation.h"
#include "logbook/station.h"
#include "platform/text_file.h"
#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace {

const QString logPattern = QStringLiteral("*_DFCF.log");

// Logs whose name is a callsign the program can use, the most recent first.
QFileInfoList stationLogs(const QString& folder)
{
    QFileInfoList logs = QDir(folder).entryInfoList({logPattern}, QDir::Files, QDir::Time);
    logs.erase(std::remove_if(logs.begin(), logs.end(),
                              [](const QFileInfo& log) {
                                  const QString callsign = log.fileName().chopped(logFileName(QString()).size());
                                  return !isValidCallsign(callsign) || callsign == noStation;
                              }),
               logs.end());
    return logs;
}

Result copyFile(const QFileInfo& from, const QString& dataDir)
{
    const BytesRead source = readBytes(from.filePath());
    if (source.status != ReadStatus::Ok)
        return Result::failure(QStringLiteral("Impossible de lire le fichier %1 de l'installation précédente.")
                                   .arg(from.fileName()),
                               source.error);
    const QString target = QDir(dataDir).filePath(from.fileName());
    return writeFileAtomically(target, target + QStringLiteral(".tmp"), source.bytes);
}

} // namespace

bool holdsNoLog(const QString& dataDir) { return stationLogs(dataDir).isEmpty(); }

EarlierInstallation takeEarlierInstallation(const QString& folder, const QString& dataDir)
{
    const QFileInfoList logs = stationLogs(folder);
    if (logs.isEmpty())
        return {Result::failure(QStringLiteral("Le dossier %1 ne contient aucun log de station (fichier "
                                               "INDICATIF_DFCF.log) : rien n'a été repris.")
                                    .arg(QDir::toNativeSeparators(folder))),
                {}, {}};
    if (QFileInfo(folder).canonicalFilePath() == QFileInfo(dataDir).canonicalFilePath())
        return {Result::failure(QStringLiteral("Ce dossier est déjà le dossier de données du programme.")), {}, {}};
    QFileInfoList files = logs;
    for (const QString& list : {QStringLiteral("Liste_DFCF.csv"), QStringLiteral("Liste_Prenom.txt")})
        if (const QFileInfo info(QDir(folder).filePath(list)); info.isFile())
            files.append(info);
    EarlierInstallation taken;
    for (const QFileInfo& file : files) {
        taken.result = copyFile(file, dataDir);
        if (!taken.result)
            return taken;
        taken.taken.append(file.fileName());
    }
    taken.station = logs.first().fileName().chopped(logFileName(QString()).size());
    return taken;
}
