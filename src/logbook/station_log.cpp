#include "logbook/station_log.h"
#include "logbook/station.h"
#include "platform/text_file.h"
#include <QDir>

StationLog readStationLog(const QString& dataDir, const QString& callsign)
{
    const QString name = logFileName(callsign);
    LinesRead read = readLines(QDir(dataDir).filePath(name));
    switch (read.status) {
    case ReadStatus::Ok: return {Result::success(), std::move(read.lines)};
    case ReadStatus::NotFound: return {Result::failure(QStringLiteral("Le fichier %1 est introuvable.").arg(name)), {}};
    case ReadStatus::Error: break;
    }
    return {Result::failure(QStringLiteral("Impossible de lire le fichier %1.").arg(name), read.error), {}};
}
