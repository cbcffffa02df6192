#pragma once
#include <QList>
#include <QString>
#include <QStringList>

// Groupe_Bande: the band labels in the order of the band list, with the band
// group every score, award and map rests on. A label may have no group.
struct BandEntry {
    QString label;
    QString group; // "HF", "VHF", "UHF" or empty
};

const QList<BandEntry>& Groupe_Bande();
QStringList bandLabels();
// Group of a band label, compared exactly after trimming; empty when none.
QString bandGroup(const QString& label);
const QStringList& bandGroups(); // "HF", "VHF", "UHF"

// Modes offered in Mode_A, index as stored under "Mode Utilise".
const QStringList& modeList();
