#pragma once
#include <QString>
#include <functional>

// Whether a reference is in the castle list.
using CastleListed = std::function<bool(const QString& ref)>;

// The castle reference a spot's comment announces, lower case as the log
// stores it ("77121", "2a004"), or empty. A reference after "DFCF" counts
// ("DFCF 77-121", "dfcf:2A004"; dashes ignored); a bare one ("77-121") only
// when the castle list holds it, as numbers such as frequencies look alike.
QString castleReferenceIn(const QString& comment, const CastleListed& listed);

