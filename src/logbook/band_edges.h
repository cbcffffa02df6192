#pragma once
#include <QString>

// IARU Region 1 band edges of the twelve band labels of the band list.
struct BandEdges {
    double lowKhz;
    double highKhz;
    QString label; // as in Groupe_Bande
};

// The band label of a frequency in kHz, edges included; empty when the
// frequency lies in none of the twelve bands.
QString bandLabelOfKhz(double khz);
