#include "logbook/prenoms.h"
#include "support/test_env.h"
#include <QDir>
#include <QFileInfo>

namespace {

class PrenomsTest : public DataDirTest {
protected:
    Result save(const QString& call, const QString& dpt, const QString& prenom)
    {
        return Maj_Prenom(dir.path(), prenomRecord(call, dpt, prenom));
    }
    QByteArray list() const { return readFile("Liste_Prenom.txt"); }
};

TEST_F(PrenomsTest, SavedRecordsHaveTheirFixedColumnsAndReplaceInPlace)
{
    writeFile("Liste_Prenom.txt", "F1AAA        13 PIERRE\r\nF6ABCD       91 LUC\r\n");
    ASSERT_TRUE(save("F6ABC", "77", "jean"));
    EXPECT_EQ(list(), "F1AAA        13 PIERRE\r\nF6ABCD       91 LUC\r\nF6ABC        77 JEAN\r\n");
    ASSERT_TRUE(save("F2ZZZ", "2a", "hélène"));
    ASSERT_TRUE(save("F6ABC", "77", "PAUL")); // same place, F6ABCD untouched
    EXPECT_EQ(list(), QByteArray("F1AAA        13 PIERRE\r\nF6ABCD       91 LUC\r\nF6ABC        77 PAUL\r\nF2ZZZ        2a H")
                          + QByteArray("\xC9L\xC8NE\r\n"));
    ASSERT_TRUE(save("F1AAA", "", ""));
    const QByteArray first = list().left(list().indexOf("\r\n"));
    EXPECT_EQ(first, "F1AAA           "); // 16 characters, ending with a blank
    EXPECT_FALSE(exists("Temporaire.txt"));
}

TEST_F(PrenomsTest, EveryLineOfTheKeyIsReplacedAndAShortKeyLineIsAnotherKey)
{
    writeFile("Liste_Prenom.txt", "F6ABC        77 JEAN\r\nF6ABC\r\nF6ABC        78 JACQUES\r\n");
    ASSERT_TRUE(save("F6ABC", "75", "Marc"));
    EXPECT_EQ(list(), "F6ABC        75 MARC\r\nF6ABC\r\nF6ABC        75 MARC\r\n");
}

TEST_F(PrenomsTest, LookupTakesTheLastLineAndCopesWithShortLines)
{
    writeFile("Liste_Prenom.txt", "F6ABC        77 JEAN\r\nF5XX\r\nF4YY         1\r\n\r\n"
                                  "F6ABC        78 paul\r\nF3ZZZ           \r\n");
    PrenomFound found = Cherche_Prenom(dir.path(), "F6ABC");
    EXPECT_TRUE(found.found);
    EXPECT_EQ(found.dpt, "78");
    EXPECT_EQ(found.prenom, "PAUL");

    found = Cherche_Prenom(dir.path(), "F5XX"); // no department, no name columns at all
    EXPECT_TRUE(found.found);
    EXPECT_TRUE(found.dpt.isEmpty());
    EXPECT_TRUE(found.prenom.isEmpty());

    found = Cherche_Prenom(dir.path(), "F4YY");
    EXPECT_EQ(found.dpt, "1");
    EXPECT_TRUE(found.prenom.isEmpty());

    found = Cherche_Prenom(dir.path(), "F3ZZZ"); // two blank department columns
    EXPECT_TRUE(found.found);
    EXPECT_TRUE(found.dpt.isEmpty());

    found = Cherche_Prenom(dir.path(), "F6AB");
    EXPECT_FALSE(found.found);
    EXPECT_FALSE(found.listMissing);
}

TEST_F(PrenomsTest, EmptyFirstNameIsFoundAsEmpty)
{
    ASSERT_TRUE(save("F6ABC", "77", ""));
    const PrenomFound found = Cherche_Prenom(dir.path(), "F6ABC");
    EXPECT_TRUE(found.found);
    EXPECT_EQ(found.dpt, "77");
    EXPECT_TRUE(found.prenom.isEmpty());
}

TEST_F(PrenomsTest, MissingListIsReportedAndCreatedByTheFirstSave)
{
    const PrenomFound found = Cherche_Prenom(dir.path(), "F6ABC");
    EXPECT_FALSE(found.found);
    EXPECT_TRUE(found.listMissing);
    ASSERT_TRUE(save("F6ABC", "77", "jean"));
    EXPECT_EQ(list(), "F6ABC        77 JEAN\r\n");
    EXPECT_FALSE(Cherche_Prenom(dir.path(), "F6ABC").listMissing);
}

TEST_F(PrenomsTest, SaveThatCannotBeDoneLeavesTheListAsItWas)
{
    writeFile("Liste_Prenom.txt", "F1AAA        13 PIERRE\r\n");
    const Result foreign = save("F6ABC", "77", QStringLiteral("Łukasz"));
    EXPECT_FALSE(foreign);
    EXPECT_EQ(foreign.message,
              "Le prénom contient un caractère que le fichier Liste_Prenom.txt ne peut pas garder : il n'a pas été enregistré.");
    EXPECT_EQ(list(), "F1AAA        13 PIERRE\r\n");

    ASSERT_TRUE(QFile::remove(path("Liste_Prenom.txt")));
    ASSERT_TRUE(QDir(dir.path()).mkdir("Liste_Prenom.txt")); // unreadable, whoever runs the test
    const Result unreadable = save("F6ABC", "77", "jean");
    EXPECT_FALSE(unreadable);
    EXPECT_TRUE(unreadable.message.startsWith("Impossible de lire le fichier Liste_Prenom.txt"));
    EXPECT_TRUE(QFileInfo(path("Liste_Prenom.txt")).isDir());
    EXPECT_FALSE(exists("Temporaire.txt"));
}

} // namespace
