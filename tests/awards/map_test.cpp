#include "awards/map.h"
#include "logbook/log_line.h"
#include "support/test_env.h"

namespace {

using CarteLogTest = DataDirTest;

QString hf(const QString& dpt, bool qsl = false, const QString& band = "14 Mhz")
{
    return qsoLine("F1AAA", dpt, "33001", "01/02/08", "12:00", band, qsl);
}

int boxesIn(const CarteDepartements& carte, DepartmentState state)
{
    int n = 0;
    for (int box = 0; box < mapBoxCount; ++box)
        n += carte.Dep[box] == state;
    return n;
}

} // namespace

TEST(ColoreCarte, AnEmptyLogLeavesEveryDepartmentUncontacted)
{
    const CarteDepartements carte = Colore_Carte(QStringList(), "HF");
    EXPECT_EQ(boxesIn(carte, DepartmentState::NotContacted), mapBoxCount);
    const CarteTexts texts = carteTexts(carte);
    EXPECT_EQ(texts.NB_Dep, "0");
    EXPECT_EQ(texts.Nb_Conf, QStringLiteral(" 0 Dpt confirmés"));
    EXPECT_EQ(texts.Nb_Nconf, QStringLiteral(" 0 Dpt non confirmés"));
    EXPECT_EQ(texts.Nb_Ncont, QStringLiteral(" 96 Dpt non contactés"));
}

TEST(ColoreCarte, AConfirmedDepartmentStaysConfirmedWhateverTheOrder)
{
    for (const QStringList& log : {QStringList{hf("33"), hf("33", true)}, QStringList{hf("33", true), hf("33")}}) {
        const CarteDepartements carte = Colore_Carte(log, "HF");
        EXPECT_EQ(carte.Dep[33], DepartmentState::Confirmed);
        EXPECT_EQ(boxesIn(carte, DepartmentState::NotContacted), mapBoxCount - 1);
        EXPECT_EQ(carte.contacted, 1);
        EXPECT_EQ(carte.confirmed, 1);
        EXPECT_EQ(carte.unconfirmed, 0);
        EXPECT_EQ(carteTexts(carte).Nb_Ncont, QStringLiteral(" 95 Dpt non contactés"));
    }
}

TEST(ColoreCarte, OnlyLinesOfTheGroupWithANumberedDepartmentMarkABox)
{
    const QStringList log = {hf("2A"), hf("2b", true), hf("5", false, "144 Mhz"), hf("6", true, "432 Mhz"),
                             hf("7", true, "10 Mhz"), hf("A1"), hf("5x"), hf("123"), hf("12")};
    const CarteDepartements carte = Colore_Carte(log, "HF");
    EXPECT_EQ(carte.Dep[96], DepartmentState::Unconfirmed);
    EXPECT_EQ(carte.Dep[97], DepartmentState::Confirmed);
    EXPECT_EQ(carte.Dep[12], DepartmentState::Unconfirmed);
    EXPECT_EQ(carte.Dep[5], DepartmentState::NotContacted);
    EXPECT_EQ(carte.Dep[7], DepartmentState::NotContacted);
    EXPECT_EQ(carte.contacted, 3);
    EXPECT_EQ(carte.unconfirmed, 2);
    EXPECT_EQ(carte.confirmed, 1);
    const CarteTexts texts = carteTexts(carte);
    EXPECT_EQ(texts.NB_Dep, "3");
    EXPECT_EQ(texts.Nb_Conf, QStringLiteral(" 1 Dpt confirmés"));
    EXPECT_EQ(texts.Nb_Nconf, QStringLiteral(" 2 Dpt non confirmés"));
    EXPECT_EQ(texts.Nb_Ncont, QStringLiteral(" 93 Dpt non contactés"));

    const CarteDepartements vhf = Colore_Carte(log, "VHF");
    EXPECT_EQ(vhf.Dep[5], DepartmentState::Unconfirmed);
    EXPECT_EQ(vhf.contacted, 1);
    EXPECT_EQ(Colore_Carte(log, "UHF").Dep[6], DepartmentState::Confirmed);
    // A typed group that is none of the three matches nothing.
    EXPECT_EQ(boxesIn(Colore_Carte(log, "hf"), DepartmentState::NotContacted), mapBoxCount);
    EXPECT_EQ(boxesIn(Colore_Carte(log, ""), DepartmentState::NotContacted), mapBoxCount);
}

TEST(ColoreCarte, HiddenBoxes20And98And99CountButBox0DoesNot)
{
    const CarteDepartements carte = Colore_Carte({hf("20"), hf("98", true), hf("99"), hf("0", true), hf("00")}, "HF");
    EXPECT_EQ(carte.Dep[0], DepartmentState::Confirmed);
    EXPECT_EQ(carte.contacted, 3);
    EXPECT_EQ(carte.confirmed, 1);
    EXPECT_EQ(carte.unconfirmed, 2);
    EXPECT_EQ(carteTexts(carte).Nb_Ncont, QStringLiteral(" 93 Dpt non contactés"));
    for (int box : {0, 20, 98, 99})
        EXPECT_FALSE(isVisibleBox(box)) << box;
    int visible = 0;
    for (int box = 0; box < mapBoxCount; ++box)
        visible += isVisibleBox(box);
    EXPECT_EQ(visible, visibleDepartments);

    // Every department and the three hidden boxes confirmed: more than 96.
    QStringList all;
    for (int box = 1; box < mapBoxCount; ++box)
        all << hf(departmentLabel(box), true);
    const CarteDepartements full = Colore_Carte(all, "HF");
    EXPECT_EQ(full.contacted, 99);
    EXPECT_EQ(carteTexts(full).Nb_Ncont, QStringLiteral("-3 Dpt non contactés"));
    EXPECT_EQ(signOrBlank(-12), "-12");
    EXPECT_EQ(signOrBlank(7), " 7");
}

TEST_F(CarteLogTest, ReadsTheStationsLogAndNamesAMissingOne)
{
    CarteRead read = Colore_Carte(context.dataDir, context.Indicatif_Station, "HF");
    EXPECT_FALSE(read.result.ok);
    EXPECT_EQ(read.result.text(), QStringLiteral("Le fichier F5ABC_DFCF.log est introuvable."));

    writeLog({hf("33", true), hf("2a")});
    read = Colore_Carte(context.dataDir, context.Indicatif_Station, "HF");
    ASSERT_TRUE(read.result.ok);
    EXPECT_EQ(read.carte.Dep[33], DepartmentState::Confirmed);
    EXPECT_EQ(read.carte.Dep[96], DepartmentState::Unconfirmed);
}
