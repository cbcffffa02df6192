#include "awards/carte_map_widget.h"
#include "awards/carte_window.h"
#include "support/test_env.h"
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

class CarteWindowTest : public DataDirTest {
protected:
    CarteWindowTest() { copyAsset(Carte_Acti_DFCF::mapFileName()); }

    // The colour of a department's shape just under its number box.
    static QColor shapeColour(const DepartmentMapWidget& map, const QImage& image, int box)
    {
        const QRectF label = map.labelRect(box);
        return image.pixelColor(QPoint(int(label.center().x()), int(label.bottom()) + 4));
    }
};

QString hf(const QString& dpt, bool qsl, const QString& band = "14 Mhz")
{
    return qsoLine("F1AAA", dpt, "33001", "01/02/08", "12:00", band, qsl);
}

} // namespace

TEST_F(CarteWindowTest, OpensOnTheHfMapWithEachShapeInItsStateColour)
{
    writeLog({hf("33", false), hf("33", true), hf("12", false), hf("2A", true), hf("67", true, "144 Mhz")});
    Carte_Acti_DFCF window(context);
    window.resize(760, 860);
    window.show();
    auto* map = window.findChild<DepartmentMapWidget*>("Picture1");
    ASSERT_TRUE(map && map->hasMap());
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Carte des départements contactés"));
    EXPECT_EQ(window.findChild<QLabel*>("NB_Dep")->text(), "3");
    EXPECT_EQ(window.findChild<QLabel*>("Bande_Carte")->text(), "HF");
    EXPECT_EQ(window.findChild<QLineEdit*>("Nb_Conf")->text(), QStringLiteral(" 2 Dpt confirmés"));
    EXPECT_EQ(window.findChild<QLineEdit*>("Nb_Nconf")->text(), QStringLiteral(" 1 Dpt non confirmés"));
    EXPECT_EQ(window.findChild<QLineEdit*>("Nb_Ncont")->text(), QStringLiteral(" 93 Dpt non contactés"));

    const QImage image = map->grab().toImage();
    EXPECT_EQ(shapeColour(*map, image, 33), QColor(128, 255, 128));
    EXPECT_EQ(shapeColour(*map, image, 12), QColor(255, 192, 192));
    EXPECT_EQ(shapeColour(*map, image, 67), QColor(255, 255, 128));
    EXPECT_EQ(shapeColour(*map, image, 40), QColor(255, 255, 128));
    // Every visible department has its number box inside the picture, none for the hidden ones.
    for (int box = 0; box < mapBoxCount; ++box) {
        const QRectF label = map->labelRect(box);
        EXPECT_EQ(label.isEmpty(), !isVisibleBox(box)) << box;
        if (!label.isEmpty()) {
            EXPECT_TRUE(QRectF(map->rect()).contains(label)) << box;
        }
    }

    window.findChild<QComboBox*>("Bande_A")->setCurrentText("VHF");
    QTest::mouseClick(window.findChild<QPushButton*>("Afficher"), Qt::LeftButton);
    EXPECT_EQ(window.findChild<QLabel*>("Bande_Carte")->text(), "VHF");
    EXPECT_EQ(map->state(67), DepartmentState::Confirmed);
    EXPECT_EQ(map->state(33), DepartmentState::NotContacted);
    EXPECT_EQ(shapeColour(*map, map->grab().toImage(), 67), QColor(128, 255, 128));
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(CarteWindowTest, WithoutABandChoiceTheMapStaysAsItWas)
{
    writeLog({hf("33", true)});
    Carte_Acti_DFCF window(context);
    window.findChild<QComboBox*>("Bande_A")->setEditText("");
    writeLog({});
    QTest::mouseClick(window.findChild<QPushButton*>("Afficher"), Qt::LeftButton);
    EXPECT_EQ(messages.shown, QStringList({"Selectionnez une bande"}));
    EXPECT_EQ(window.carte().Dep[33], DepartmentState::Confirmed);
    EXPECT_EQ(window.findChild<QLabel*>("Bande_Carte")->text(), "HF");
    EXPECT_EQ(window.findChild<QLabel*>("NB_Dep")->text(), "1");
}

TEST_F(CarteWindowTest, AMissingLogIsReportedAndTheLegendStillReadsZero)
{
    Carte_Acti_DFCF window(context);
    EXPECT_EQ(messages.shown, QStringList({"Le fichier F5ABC_DFCF.log est introuvable."}));
    EXPECT_EQ(window.findChild<QLabel*>("NB_Dep")->text(), "0");
    EXPECT_EQ(window.findChild<QLineEdit*>("Nb_Ncont")->text(), QStringLiteral(" 96 Dpt non contactés"));
}

using CarteWithoutDrawingTest = DataDirTest;

TEST_F(CarteWithoutDrawingTest, AMissingDrawingIsReportedAndTheCountsStillShow)
{
    writeLog({hf("33", true)});
    Carte_Acti_DFCF window(context);
    EXPECT_EQ(messages.shown,
              QStringList({QStringLiteral("Le dessin de la carte carte_departements.svg est introuvable ou illisible.")}));
    EXPECT_FALSE(window.findChild<DepartmentMapWidget*>("Picture1")->hasMap());
    EXPECT_EQ(window.findChild<QLabel*>("NB_Dep")->text(), "1");
    EXPECT_FALSE(window.grab().isNull());
}
