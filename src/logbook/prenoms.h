#pragma once
#include "platform/result.h"
#include <QString>

// Liste_Prenom.txt: for every callsign ever saved, the department and first
// name of its last saved QSO. Shared by all stations.
inline const QString prenomFileName = QStringLiteral("Liste_Prenom.txt");

struct PrenomFound {
    bool found = false;
    QString dpt;    // columns 14-15, empty when they were blanks
    QString prenom; // from column 17, upper case
    bool listMissing = false; // the file does not exist
};

// Last line whose trimmed 12-column key equals the callsign wins.
PrenomFound Cherche_Prenom(const QString& dataDir, const QString& callsign);

// The record saved for a QSO: callsign padded to 13, department padded to 3,
// first name in upper case, unpadded.
QString prenomRecord(const QString& callsign, const QString& dpt, const QString& prenom);

// Replaces every line with the record's 12-column key in place, or appends
// it; a missing file is created. Written through Temporaire.txt and an atomic rename.
Result Maj_Prenom(const QString& dataDir, const QString& record);
