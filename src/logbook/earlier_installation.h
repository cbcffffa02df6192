#pragma once
#include "platform/result.h"
#include <QString>
#include <QStringList>

// A new installation (a new computer, or Windows after Linux) starts with an
// empty data folder: the operator may bring the log and lists of an earlier one.

// True when the data folder holds no station log yet.
bool holdsNoLog(const QString& dataDir);

struct EarlierInstallation {
    Result result;
    QStringList taken;  // names of the files copied, logs first
    QString station;    // the callsign of the most recently changed log taken
};

// Copies, byte for byte and never moving them, the station logs, the castle
// list and the first-name list found in `folder` into `dataDir`. A folder
// holding no log is refused and nothing is copied.
EarlierInstallation takeEarlierInstallation(const QString& folder, const QString& dataDir);
