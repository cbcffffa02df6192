#include "castles/castle_list.h"
#include "platform/text_file.h"
#include "support/test_env.h"

namespace {

class CastleListTest : public DataDirTest {
protected:
    void SetUp() override
    {
        writeLines(castleListFileName,
                   {"Rev 012 du 08/03/19;Rev 012 du 08/03/19;", "", "77-121;Château Test;Ville", "2A004;Tour de Corse;",
                    "01002;Château d'une longueur de quarante lettres;x", "sans point-virgule du tout",
                    "99001;un seul point-virgule", " 3001 ;  Blancs autour ;", "77121;Doublon plus loin;"});
    }
};

} // namespace

TEST_F(CastleListTest, EntryLookupTrimsCutsToThirtyAndAnswersCDotWhenNotListed)
{
    EXPECT_EQ(Cherche_Nom_Chateau(dir.path(), "77121").name, QStringLiteral("C.Château Test"));
    EXPECT_EQ(Cherche_Nom_Chateau(dir.path(), " 77121 ").name, QStringLiteral("C.Château Test"));
    const QString longName = Cherche_Nom_Chateau(dir.path(), "01002").name;
    EXPECT_EQ(longName, QStringLiteral("C.Château d'une longueur de qu"));
    EXPECT_EQ(longName.size(), 30);
    EXPECT_EQ(Cherche_Nom_Chateau(dir.path(), "3001").name, QStringLiteral("C.  Blancs autour "));
    // Corsica is typed in lower case; the comparison keeps case.
    EXPECT_EQ(Cherche_Nom_Chateau(dir.path(), "2a004").name, QStringLiteral("C."));
    EXPECT_EQ(Cherche_Nom_Chateau(dir.path(), "2A004").name, QStringLiteral("C.Tour de Corse"));
    // Lines with fewer than two ";" name nothing, and the revision line never matches.
    EXPECT_EQ(Cherche_Nom_Chateau(dir.path(), "99001").name, QStringLiteral("C."));
    EXPECT_EQ(Cherche_Nom_Chateau(dir.path(), "sans point-virgule du tout").name, QStringLiteral("C."));
    EXPECT_EQ(Cherche_Nom_Chateau(dir.path(), "Rev 012 du 08/03/19").name, QStringLiteral("C.Rev 012 du 08/03/19"));
    EXPECT_FALSE(Cherche_Nom_Chateau(dir.path(), "77121").listMissing);
}

TEST_F(CastleListTest, RefreshLookupSkipsTheRevisionLineComparesExactlyAndKeepsTheWholeName)
{
    EXPECT_EQ(Nom_Du_DFCF(dir.path(), "77121").name, QStringLiteral("C. Château Test"));
    EXPECT_EQ(Nom_Du_DFCF(dir.path(), "01002").name, QStringLiteral("C. Château d'une longueur de quarante lettres"));
    EXPECT_EQ(Nom_Du_DFCF(dir.path(), " 77121").name, QString());
    EXPECT_EQ(Nom_Du_DFCF(dir.path(), "3001").name, QString());
    EXPECT_EQ(Nom_Du_DFCF(dir.path(), " 3001 ").name, QStringLiteral("C.   Blancs autour "));
    EXPECT_EQ(Nom_Du_DFCF(dir.path(), "2a004").name, QString());
    EXPECT_EQ(Nom_Du_DFCF(dir.path(), "Rev 012 du 08/03/19").name, QString());
    EXPECT_EQ(Nom_Du_DFCF(dir.path(), "99001").name, QString());
}

TEST_F(CastleListTest, TheTableAnswersEveryReferenceAsTheFileScanDoes)
{
    const CastleTable table = CastleTable::load(dir.path());
    for (const char* ref : {"77121", " 77121", "01002", "3001", " 3001 ", "2a004", "2A004", "99001",
                            "Rev 012 du 08/03/19", "", "77-121", "00000"})
        EXPECT_EQ(table.Nom_Du_DFCF(ref), Nom_Du_DFCF(dir.path(), ref).name) << ref;
}

TEST_F(CastleListTest, AMissingListIsFlaggedAndFindsNothing)
{
    QFile::remove(path(castleListFileName));
    const CastleName entry = Cherche_Nom_Chateau(dir.path(), "77121");
    EXPECT_TRUE(entry.listMissing);
    EXPECT_EQ(entry.name, QStringLiteral("C."));
    const CastleName refresh = Nom_Du_DFCF(dir.path(), "77121");
    EXPECT_TRUE(refresh.listMissing);
    EXPECT_EQ(refresh.name, QString());
    bool missing = false;
    EXPECT_EQ(CastleTable::load(dir.path(), &missing).Nom_Du_DFCF("77121"), QString());
    EXPECT_TRUE(missing);
    EXPECT_TRUE(castleListMissingMessage().contains("Liste_DFCF.csv"));
}

TEST_F(CastleListTest, TheShippedListIsWindows1252WithCrLfAndARevisionLine)
{
    copyAsset(castleListFileName);
    const QByteArray bytes = readFile(castleListFileName);
    EXPECT_TRUE(bytes.startsWith("Rev 000 du 01/01/12\r\n"));
    EXPECT_TRUE(bytes.endsWith("\r\n"));
    EXPECT_EQ(bytes.count("\r\n"), bytes.count('\n'));
    EXPECT_TRUE(bytes.contains("Ch\xE2teau")); // one byte per accented letter
    EXPECT_EQ(Cherche_Nom_Chateau(dir.path(), "41001").name, QStringLiteral("C.Château de Chambord"));
    EXPECT_EQ(Cherche_Nom_Chateau(dir.path(), "2a001").name, QStringLiteral("C.Citadelle d'Ajaccio"));
}
