#include "cluster/spot_mark.h"
#include "logbook/band_edges.h"
#include "logbook/bands.h"

QString spotMarkText(SpotMark mark)
{
    switch (mark) {
    case SpotMark::Needed:
        return QStringLiteral("à contacter");
    case SpotMark::Contacted:
        return QStringLiteral("déjà contacté");
    case SpotMark::OutOfBand:
        return QStringLiteral("hors bande");
    case SpotMark::None:
        break;
    }
    return {};
}

MarkedSpot markSpot(const Spot& spot, const QString& ref, const ContactedCastles& log)
{
    MarkedSpot marked;
    marked.spot = spot;
    marked.ref = ref;
    marked.band = bandLabelOfKhz(spot.khz);
    remark(marked, log);
    return marked;
}

void remark(MarkedSpot& marked, const ContactedCastles& log)
{
    marked.earlier = {};
    if (marked.ref.isEmpty()) {
        marked.mark = SpotMark::None;
        return;
    }
    const QString group = bandGroup(marked.band);
    if (group.isEmpty()) {
        marked.mark = SpotMark::OutOfBand;
        return;
    }
    marked.earlier = log.find(marked.ref, group);
    marked.mark = marked.earlier.found ? SpotMark::Contacted : SpotMark::Needed;
}
