#pragma once
#include <QString>

// The directory that holds the log, the lists and the scratch files.
// DFCF_DATA_DIR wins; otherwise the executable's directory when the program
// runs from its build or a portable folder (the shipped files stand beside
// it and it can be written); otherwise, for an installed program, the user's
// data location, seeded on first start with the shipped files.
QString dataDirectory();

struct DataDirChoice {
    QString environment;   // DFCF_DATA_DIR, may be empty
    QString executableDir;
    bool executableDirUsable = false; // holds FXXXX.txt and can be written
    QString userDir;       // QStandardPaths::AppDataLocation
};
QString chooseDataDirectory(const DataDirChoice& choice);

// Copies each shipped file that the data directory lacks; never replaces one.
void seedDataDirectory(const QString& dataDir, const QString& assetDir);

// Where the file choosers open: a folder the operator finds in his file
// manager (Documents, else the home folder), not the data directory, which an
// installed program keeps in a hidden folder.
QString operatorFolder();
