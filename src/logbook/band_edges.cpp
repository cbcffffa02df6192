#include "logbook/band_edges.h"

const QList<BandEdges>& bandEdges()
{
    static const QList<BandEdges> table = {
        {"1.8 Mhz", 1.810e6, 2.000e6},   {"3.5 Mhz", 3.500e6, 3.800e6},   {"7.0 Mhz", 7.000e6, 7.200e6},
        {"10 Mhz", 10.100e6, 10.150e6},  {"14 Mhz", 14.000e6, 14.350e6},  {"18 Mhz", 18.068e6, 18.168e6},
        {"21 Mhz", 21.000e6, 21.450e6},  {"24 Mhz", 24.890e6, 24.990e6},  {"28 Mhz", 28.000e6, 29.700e6},
        {"50 Mhz", 50.000e6, 54.000e6},  {"144 Mhz", 144.000e6, 146.000e6}, {"432 Mhz", 430.000e6, 440.000e6},
    };
    return table;
}

QString bandForFrequency(double hz)
{
    // Half a hertz of slack: radios and spots give whole hertz (or tenths of
    // a kilohertz) as doubles.
    for (const BandEdges& band : bandEdges())
        if (hz >= band.lowHz - 0.5 && hz <= band.highHz + 0.5)
            return band.label;
    return {};
}
