#include "awards/map.h"
#include "awards/map_labels.h"
#include "logbook/log_line.h"
#include "support/test_env.h"
#include <QLineF>

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

TEST(ColoreCarte, DepartmentsOutsideTheNinetySixAreCountedApartAndNeverOnTheMap)
{
    const CarteDepartements carte =
        Colore_Carte({hf("20"), hf("98", true), hf("99"), hf("0", true), hf("00"), hf("96"), hf(""), hf("20", true),
                      hf("33"), hf("98", false, "144 Mhz")},
                     "HF");
    for (int box : {0, 20, 98, 99})
        EXPECT_EQ(carte.Dep[box], DepartmentState::NotContacted) << box;
    EXPECT_EQ(carte.Dep[96], DepartmentState::NotContacted); // "96" is no spelling of 2a
    EXPECT_EQ(carte.contacted, 1);
    EXPECT_EQ(carte.unconfirmed, 1);
    EXPECT_EQ(carte.outsideQsos, 8);
    EXPECT_EQ(carte.outsideDepartments, QStringList({"", "0", "00", "20", "96", "98", "99"}));
    const CarteTexts texts = carteTexts(carte);
    EXPECT_EQ(texts.NB_Dep, "1");
    EXPECT_EQ(texts.Nb_Ncont, QStringLiteral(" 95 Dpt non contactés"));
    EXPECT_EQ(texts.Hors_Dpt, QStringLiteral("8 QSO en HF avec un département hors des 96 (vide, \"0\", \"00\", \"20\", "
                                             "\"96\", \"98\", …) : non comptés sur la carte."));
    EXPECT_EQ(carteTexts(Colore_Carte({hf("98", false, "144 Mhz")}, "VHF")).Hors_Dpt,
              QStringLiteral("1 QSO en VHF avec un département hors des 96 (\"98\") : non compté sur la carte."));
    EXPECT_TRUE(carteTexts(Colore_Carte({hf("33")}, "HF")).Hors_Dpt.isEmpty());

    for (int box : {0, 20, 98, 99})
        EXPECT_FALSE(isVisibleBox(box)) << box;
    int visible = 0;
    for (int box = 0; box < mapBoxCount; ++box)
        visible += isVisibleBox(box);
    EXPECT_EQ(visible, visibleDepartments);

    // Every box from 1 to 99 confirmed: the map never counts more than its 96.
    QStringList all;
    for (int box = 1; box < mapBoxCount; ++box)
        all << hf(departmentLabel(box), true);
    const CarteDepartements full = Colore_Carte(all, "HF");
    EXPECT_EQ(full.contacted, 96);
    EXPECT_EQ(full.confirmed, 96);
    EXPECT_EQ(full.outsideQsos, 3);
    EXPECT_EQ(carteTexts(full).Nb_Ncont, QStringLiteral(" 0 Dpt non contactés"));
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

TEST(MapLabels, BoxesOnTheSameSpotArePushedApartInsideTheirAreaAndOutOfAKeptClearOne)
{
    const QRectF area(0, 0, 100, 100);
    const QRectF inset(0, 0, 30, 30);
    const QList<LabelRequest> requests = {{{50, 50}, area}, {{50, 50}, area}, {{51, 50}, area}, {{35, 20}, area},
                                          {{10, 10}, inset}};
    const QList<QRectF> boxes = placeLabels(requests, QSizeF(20, 10), {inset}, 2);
    ASSERT_EQ(boxes.size(), requests.size());
    for (qsizetype i = 0; i < boxes.size(); ++i) {
        EXPECT_EQ(boxes[i].size(), QSizeF(20, 10));
        EXPECT_TRUE(requests[i].area.contains(boxes[i])) << i;
        for (qsizetype j = i + 1; j < boxes.size(); ++j)
            EXPECT_FALSE(boxes[i].adjusted(-1, -1, 1, 1).intersects(boxes[j])) << i << " and " << j;
    }
    EXPECT_FALSE(boxes[3].intersects(inset)); // it began half over the inset
    EXPECT_TRUE(inset.contains(boxes[4]));
    EXPECT_LT(QLineF(boxes[0].center(), QPointF(50, 50)).length(), 25);
    EXPECT_EQ(nearestOnRect(QRectF(10, 10, 20, 10), QPointF(0, 15)), QPointF(10, 15));
    EXPECT_EQ(nearestOnRect(QRectF(10, 10, 20, 10), QPointF(40, 40)), QPointF(30, 20));
}
