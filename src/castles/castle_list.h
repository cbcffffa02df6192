#pragma once
#include <QHash>
#include <QString>

// Liste_DFCF.csv: a revision line, then one castle a line,
// "reference;name;..." (a "-" in the reference is ignored).
inline const QString castleListFileName = QStringLiteral("Liste_DFCF.csv");

// Told to the operator when the list cannot be read: lookups then find nothing.
QString castleListMissingMessage();

struct CastleName {
    QString name;
    bool listMissing = false; // the file could not be opened
};

// For the entry window: references compared trimmed; "C." followed by the
// name cut to 30 characters in all, or "C." alone when not listed.
CastleName Cherche_Nom_Chateau(const QString& dataDir, const QString& ref);

// For the name refresh: revision line skipped, references compared exactly,
// "C. " followed by the whole name, or empty when not listed.
CastleName Nom_Du_DFCF(const QString& dataDir, const QString& ref);

// The castle list read once, answering exactly as Nom_Du_DFCF does.
class CastleTable {
public:
    static CastleTable load(const QString& dataDir, bool* listMissing = nullptr);
    QString Nom_Du_DFCF(const QString& ref) const;
    // As Cherche_Nom_Chateau answers the entry window, without reading the file again.
    QString Cherche_Nom_Chateau(const QString& ref) const;

private:
    QHash<QString, QString> names; // first line of each reference wins
};

// Splits a castle line into reference (dashes removed) and name; false for a
// line with fewer than two ";".
bool parseCastleLine(const QString& line, QString* ref, QString* name);
