#include "logbook/band_edges.h"
#include <QList>

namespace {

const QList<BandEdges>& edgeTable()
{
    static const QList<BandEdges> table = {
        {1810, 2000, QStringLiteral("1.8 Mhz")},      {3500, 3800, QStringLiteral("3.5 Mhz")},
        {7000, 7200, QStringLiteral("7.0 Mhz")},      {10100, 10150, QStringLiteral("10 Mhz")},
        {14000, 14350, QStringLiteral("14 Mhz")},     {18068, 18168, QStringLiteral("18 Mhz")},
        {21000, 21450, QStringLiteral("21 Mhz")},     {24890, 24990, QStringLiteral("24 Mhz")},
        {28000, 29700, QStringLiteral("28 Mhz")},     {50000, 52000, QStringLiteral("50 Mhz")},
        {144000, 146000, QStringLiteral("144 Mhz")},  {430000, 440000, QStringLiteral("432 Mhz")},
    };
    return table;
}

} // namespace

QString bandLabelOfKhz(double khz)
{
    for (const BandEdges& band : edgeTable())
        if (khz >= band.lowKhz && khz <= band.highKhz)
            return band.label;
    return {};
}
