#pragma once
#include "platform/result.h"
#include <QString>

class Settings;

// Rules of the station window and of the missing-log recovery, apart from
// their windows.

struct CallsignCheck {
    QString refusal;         // empty when the callsign is acceptable
    bool clearEntry = false; // a wrong character empties the entry
};
// The entry as validated: upper case, then 1 to 12 characters of A-Z, 0-9, "_".
CallsignCheck checkCallsign(const QString& upperEntry);

struct PreparedStation {
    Result result;        // failure: the station must not be switched
    bool created = false; // the station had no log: a new station
};
// Makes sure the station has a log that can be read, creating it from the
// template when there is no file of that name. An existing file is never
// replaced, even when it cannot be read.
PreparedStation prepareStationLog(const QString& dataDir, const QString& callsign);

// Makes the station the configured one; a new station starts on the first
// band and mode, a known one keeps its choices.
void recordStation(Settings& settings, const QString& callsign, bool newStation);

// Creates the empty log of a station whose log went missing; a file already
// standing at that name is left as it is.
Result createMissingLog(const QString& dataDir, const QString& callsign);
