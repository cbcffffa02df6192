#include "logbook/log_list_model.h"
#include "reports/search.h"
#include "support/qt_printers.h"
#include "support/test_env.h"

namespace {

QString line(const QString& call, const QString& dpt, const QString& ref)
{
    return qsoLine(call, dpt, ref, "01/02/08", "10:00", "14 Mhz");
}

QList<int> rowsOf(const SearchOutcome& outcome)
{
    QList<int> rows;
    for (const SearchHit& hit : outcome.hits)
        rows << hit.row;
    return rows;
}

class SearchTest : public ::testing::Test {
protected:
    SearchTest()
    {
        model.setLines({line("F5AAA", "77", "77121"), line("F6BBB", "2a", "2a004"), line("DL/F5ZZ", "7", "07001"),
                        line("F5CCC", "07", "07002"), line("F1XYZ", "2A", "2A010"), line("F6BBB", "77", "77121")});
    }
    LogListModel model;
};

} // namespace

TEST_F(SearchTest, CallsignFindsEveryRowContainingTheTypedTextInListOrder)
{
    const SearchOutcome outcome = Recherche_QSO(model, SearchOption::Indicatif, "f5");
    EXPECT_EQ(rowsOf(outcome), QList<int>({0, 2, 3}));
    for (const SearchHit& hit : outcome.hits) {
        EXPECT_EQ(hit.text, model.rowText(hit.row));
        EXPECT_EQ(hit.logLine, model.logLine(hit.row));
    }
    EXPECT_TRUE(outcome.message.isEmpty());
    EXPECT_TRUE(outcome.clearFields);
    EXPECT_EQ(rowsOf(Recherche_QSO(model, SearchOption::Indicatif, "F6BBB")), QList<int>({1, 5}));
}

TEST_F(SearchTest, ReferenceMatchesWholeWithoutRegardToCase)
{
    EXPECT_EQ(rowsOf(Recherche_QSO(model, SearchOption::Reference, "2A004")), QList<int>({1}));
    EXPECT_EQ(rowsOf(Recherche_QSO(model, SearchOption::Reference, "2a010")), QList<int>({4}));
    EXPECT_EQ(rowsOf(Recherche_QSO(model, SearchOption::Reference, "77121")), QList<int>({0, 5}));
    EXPECT_TRUE(Recherche_QSO(model, SearchOption::Reference, "7712").hits.isEmpty());
}

TEST_F(SearchTest, DepartmentComparesTheTrimmedField)
{
    EXPECT_EQ(typedDepartment("2A"), QStringLiteral("2a"));
    EXPECT_EQ(rowsOf(Recherche_QSO(model, SearchOption::Departement, typedDepartment("2A"))), QList<int>({1, 4}));
    EXPECT_EQ(rowsOf(Recherche_QSO(model, SearchOption::Departement, "7")), QList<int>({2}));
    EXPECT_EQ(rowsOf(Recherche_QSO(model, SearchOption::Departement, "07")), QList<int>({3}));
    EXPECT_EQ(rowsOf(Recherche_QSO(model, SearchOption::Departement, "77")), QList<int>({0, 5}));
}

TEST_F(SearchTest, NothingFoundAndEmptyBoxesSayWhy)
{
    SearchOutcome outcome = Recherche_QSO(model, SearchOption::Indicatif, "EA8");
    EXPECT_TRUE(outcome.hits.isEmpty());
    EXPECT_EQ(outcome.message, QStringLiteral("Pas de QSO trouvé"));
    EXPECT_TRUE(outcome.clearFields);

    outcome = Recherche_QSO(model, SearchOption::Indicatif, "");
    EXPECT_EQ(outcome.message, QStringLiteral("Entrez un indicatif"));
    EXPECT_FALSE(outcome.clearFields);
    EXPECT_EQ(Recherche_QSO(model, SearchOption::Reference, "").message, QStringLiteral("Entrez une référence"));
    EXPECT_EQ(Recherche_QSO(model, SearchOption::Departement, "").message, QStringLiteral("Entrez un departement"));

    const LogListModel empty;
    EXPECT_EQ(Recherche_QSO(empty, SearchOption::Departement, "").message, QStringLiteral("Pas de QSO trouvé"));
    EXPECT_EQ(Recherche_QSO(empty, SearchOption::Indicatif, "F5").message, QStringLiteral("Pas de QSO trouvé"));
}

TEST(SearchChecks, TypedTextsAreCheckedBeforeAnySearch)
{
    EXPECT_EQ(checkTypedReference("7712"), QStringLiteral("5 caracteres pour la référence ex: 93013"));
    EXPECT_EQ(checkTypedReference("771210"), QStringLiteral("5 caracteres pour la référence ex: 93013"));
    EXPECT_TRUE(checkTypedReference("77121").isEmpty());
    EXPECT_EQ(checkTypedCallsign("F5ABCDEFGHIJK"), QStringLiteral("12 caracteres maxi pour l'indicatif"));
    EXPECT_EQ(checkTypedCallsign(""), QStringLiteral("Entrez un indicatif"));
    EXPECT_TRUE(checkTypedCallsign("F5ABCDEFGHIJ").isEmpty());
    EXPECT_EQ(checkTypedDepartment("2ab"), QStringLiteral("2 caracteres maxi pour le département"));
    EXPECT_EQ(checkTypedDepartment(""), QStringLiteral("Entrez un département"));
    EXPECT_TRUE(checkTypedDepartment("7").isEmpty());
    EXPECT_EQ(withoutLeadingLineBreak("\r\nF5"), QStringLiteral("F5"));
    EXPECT_EQ(withoutLeadingLineBreak("F5\r\n"), QStringLiteral("F5\r\n"));
}

TEST_F(SearchTest, AHitFollowsItsQsoWhenTheListChanges)
{
    const SearchHit hit = Recherche_QSO(model, SearchOption::Indicatif, "F5CCC").hits.value(0);
    ASSERT_EQ(hit.row, 3);
    EXPECT_EQ(hitRow(model, hit), 3);

    QStringList lines = model.lines();
    lines.prepend(line("F8NEW", "75", "75001"));
    model.setLines(lines);
    EXPECT_EQ(hitRow(model, hit), 4);

    lines.removeAt(4);
    model.setLines(lines);
    EXPECT_EQ(hitRow(model, hit), -1);
}
