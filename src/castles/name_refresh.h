#pragma once
#include <QDate>
#include "platform/result.h"
#include <QString>
#include <QStringList>
#include <functional>

class CastleTable;

// Filling in the castle names missing from the log, from the castle list.

inline const QString refreshScratchName = QStringLiteral("Temporaire1.log");

// The warning shown before the refresh, and the closing message.
QString refreshWarning();
inline const QString refreshDoneMessage = QStringLiteral("Mise à jour du nom des Chateaux términée");

// A castle field counts as missing when nothing follows its first two
// characters: "C.", "C. " and an all-blank field are refreshed.
bool castleNameMissing(const QString& line);

// The line with its castle name looked up from its reference (upper case,
// cut and padded to 30), or the line itself when it already has a name.
QString refreshedLine(const QString& line, const CastleTable& castles);

using RefreshProgress = std::function<void(qsizetype done, qsizetype total)>;

// Reads the log and the castle list once each and rewrites the log through
// Temporaire1.log. A missing log or castle list, or a failed write, stops
// before the log is touched and says so.
// With a date, the log is backed up first if it was not yet changed that day.
Result Maj_Nom_DFCF(const QString& dataDir, const QString& callsign, const RefreshProgress& progress = {},
                    const QDate& today = {});
