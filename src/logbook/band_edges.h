#pragma once
#include <QList>
#include <QString>

// Amateur band edges of IARU Region 1 for each of the twelve band labels of
// the band list (Bande_A); both edges belong to the band.
struct BandEdges {
    QString label; // as in Groupe_Bande
    double lowHz;
    double highHz;
};

const QList<BandEdges>& bandEdges();

// The band label whose range holds the frequency; empty outside every band.
QString bandForFrequency(double hz);
inline QString bandLabelOfKhz(double khz) { return bandForFrequency(khz * 1000.0); }
