#pragma once
#include "platform/result.h"
#include <QString>
#include <QStringList>

// The log of a station read for a report, map or export that only reads it:
// the lines, or a French message naming the file that could not be read.
struct StationLog {
    Result result;
    QStringList lines;
};
StationLog readStationLog(const QString& dataDir, const QString& callsign);
