#pragma once
#include "platform/http.h"
#include "platform/result.h"
#include <QString>
#include <QUrl>

class Settings;

// Downloading a new castle list: the answer is checked before it replaces
// Liste_DFCF.csv, and the revision read from it is compared with the one
// remembered for the station.

inline const QString castleListPath = QStringLiteral("/KOR_DFCF/Liste_DFCF.csv");
inline const QString defaultListRevision = QStringLiteral("Rev 000 du 01/01/12");
inline const QString noInternetMessage = QStringLiteral("Attention pas d'acces à Internet");

QUrl castleListUrl(const Settings& settings);

// "Rev NNN du JJ/MM/AA" at the start of the line.
bool isRevisionLine(const QString& line);
// The revision of a list: the first 19 characters of its first line.
QString listRevision(const QString& firstLine);

// Replaces the list with the body only when the answer is a whole castle
// list (status 200, transfer completed, a revision line first, at least one
// castle); the file is written through a scratch file and renamed in one step.
// A list sent in UTF-8 is stored in Windows-1252, or refused when a character
// cannot be.
// On failure the message says why and the old file is untouched.
Result Download(const HttpReply& reply, const QString& target);

// What a trial fetch of the castle list says about a server, in one
// sentence for the operator: the revision line found, or what came instead.
QString describeListProbe(const HttpReply& reply);

struct ListUpdate {
    bool stored = false;
    QString message; // what the operator is told, success or not
};

// The whole update once the answer is in: store, compare the revision with
// "Revision_Liste_DFCF" of the station section, remember the new one.
ListUpdate Maj_Liste_DFCF(const QString& dataDir, Settings& settings, const QString& stationSection,
                          const HttpReply& reply);
