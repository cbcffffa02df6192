#pragma once
#include "cluster/spot_line.h"
#include "logbook/castle_contacts.h"
#include <QString>

class ContactedCastles;

// What a spot means to the chaser.
enum class SpotMark {
    None,      // no castle announced
    Needed,    // "à contacter": the castle is not in the log for the spot's band group
    Contacted, // "déjà contacté"
    OutOfBand, // "hors bande": the frequency lies in no band group
};
QString spotMarkText(SpotMark mark);

// A received spot with what the program makes of it.
struct MarkedSpot {
    Spot spot;
    QString ref;  // lower case, empty when none
    QString band; // band label of the frequency, empty when none
    SpotMark mark = SpotMark::None;
    CastleContact earlier; // the QSO that makes it "déjà contacté"
};

MarkedSpot markSpot(const Spot& spot, const QString& ref, const ContactedCastles& log);
// The mark again, after the log changed.
void remark(MarkedSpot& marked, const ContactedCastles& log);
