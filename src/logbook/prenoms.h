#pragma once
#include "platform/result.h"
#include <QHash>
#include <QString>

// Liste_Prenom.txt: for every callsign ever saved, the department and first
// name of its last saved QSO. Shared by all stations.
inline const QString prenomFileName = QStringLiteral("Liste_Prenom.txt");
// Its own scratch name: never shared with the log's rewrites.
inline const QString prenomScratchName = QStringLiteral("Liste_Prenom.tmp");

struct PrenomFound {
    bool found = false;
    QString dpt;    // columns 14-15, empty when they were blanks
    QString prenom; // from column 17, upper case
    bool listMissing = false; // the file does not exist
};

// Last line whose trimmed 12-column key equals the callsign wins.
PrenomFound Cherche_Prenom(const QString& dataDir, const QString& callsign);

// Every callsign of the list, as the log keeps it ("/" as "_"), with its
// first name (upper case), the last line winning as in Cherche_Prenom; empty
// when the list cannot be read.
using PrenomTable = QHash<QString, QString>;
PrenomTable loadPrenoms(const QString& dataDir);

// The record saved for a QSO: callsign padded to 13, department padded to 3,
// first name in upper case, unpadded.
QString prenomRecord(const QString& callsign, const QString& dpt, const QString& prenom);

// Replaces every line with the record's 12-column key in place, or appends
// it; a missing file is created. A file saved in UTF-8 is read as such and
// written back in Windows-1252. Written through Liste_Prenom.tmp and an
// atomic rename, under the file's lock.
Result Maj_Prenom(const QString& dataDir, const QString& record);
