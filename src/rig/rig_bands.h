#pragma once
#include "platform/rig.h"
#include <QList>
#include <QString>

// Amateur band edges of IARU Region 1 for each band label of Bande_A.
struct BandEdges {
    QString label;
    double lowHz;
    double highHz; // both edges belong to the band
};

const QList<BandEdges>& bandEdges();

// The band label whose range holds the frequency; empty outside every band.
QString bandForFrequency(double hz);

// Mode_A text for a mode named by the rig library: SSB, CW, FM or AM; empty
// for data and other modes, which leave the operator's mode as it is.
QString modeForRig(const QString& rigMode);

// "14,205 MHz": megahertz to the kilohertz, with a decimal comma.
QString frequencyText(double hz);

// The status line of the main window: "Poste : 14,205 MHz SSB" or
// "Poste : non connecté (reason)".
QString rigStatusText(const RigReading& reading);
