#pragma once
#include <QDate>
#include <QString>

// Before the first change of each day, the station's log is copied to
// Sauvegardes/<callsign>_DFCF_<YYYYMMDD>.log under the data directory; the
// last 30 copies of each station are kept. A failed backup never blocks the
// change: it is reported once, through takeBackupWarning().
inline const QString backupFolderName = QStringLiteral("Sauvegardes");
constexpr int backupsKept = 30;

void backupLogOncePerDay(const QString& dataDir, const QString& callsign, const QDate& today);

// The French message of the first backup failure of this run, once; empty
// otherwise.
QString takeBackupWarning();
