#pragma once
#include <QString>

// File choosers: where to save an export, which file to import. An empty
// answer means the operator cancelled.
class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    // proposedPath is the folder and name offered; filter as QFileDialog takes
    // it ("Fichiers ADIF (*.adi *.adx)").
    virtual QString saveFileName(const QString& caption, const QString& proposedPath, const QString& filter) = 0;
    virtual QString openFileName(const QString& caption, const QString& folder, const QString& filter) = 0;
    virtual QString existingFolder(const QString& caption, const QString& folder) = 0;
};
