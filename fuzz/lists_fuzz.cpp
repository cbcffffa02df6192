#include "castles/castle_list.h"
#include "fuzz_data.h"
#include "logbook/prenoms.h"
#include <QFile>

// Any castle list and first-name list.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static FuzzDir dir;
    dir.write(castleListFileName, data, size);
    dir.write(prenomFileName, data, size);
    Cherche_Nom_Chateau(dir.dir.path(), QStringLiteral("77121"));
    Nom_Du_DFCF(dir.dir.path(), QStringLiteral("77121"));
    CastleTable::load(dir.dir.path()).Nom_Du_DFCF(QStringLiteral("2a004"));
    Cherche_Prenom(dir.dir.path(), QStringLiteral("F6ABC"));
    Maj_Prenom(dir.dir.path(), prenomRecord(QStringLiteral("F6ABC"), QStringLiteral("77"), QStringLiteral("JEAN")));
    return 0;
}
