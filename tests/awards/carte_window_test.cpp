#include "awards/carte_map_widget.h"
#include "awards/carte_window.h"
#include "logbook/log_line.h"
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

    // Pixels of a colour inside an area, leaving out every number box: what
    // the department's own shape shows.
    static int shapePixels(const DepartmentMapWidget& map, const QImage& image, const QRectF& area, const QColor& colour)
    {
        QImage boxes(image.size(), QImage::Format_Grayscale8);
        boxes.fill(0);
        for (int box = 1; box < mapBoxCount; ++box) {
            if (map.labelRect(box).isEmpty())
                continue;
            const QRect r = map.labelRect(box).toAlignedRect().adjusted(-1, -1, 1, 1) & boxes.rect();
            for (int y = r.top(); y <= r.bottom(); ++y)
                for (int x = r.left(); x <= r.right(); ++x)
                    boxes.scanLine(y)[x] = 1;
        }
        const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
        const QRgb wanted = colour.rgb();
        int count = 0;
        const QRect within = area.toAlignedRect() & image.rect();
        for (int y = within.top(); y <= within.bottom(); ++y) {
            const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
            for (int x = within.left(); x <= within.right(); ++x)
                count += line[x] == wanted && !boxes.constScanLine(y)[x];
        }
        return count;
    }

    static void expectBoxesApart(const DepartmentMapWidget& map, const char* when)
    {
        const QRectF inset = map.insetRect();
        for (int a = 1; a < mapBoxCount; ++a) {
            const QRectF box = map.labelRect(a);
            if (box.isEmpty())
                continue;
            EXPECT_TRUE(QRectF(map.rect()).contains(box)) << when << " " << a;
            const bool paris = a == 75 || a == 92 || a == 93 || a == 94;
            EXPECT_EQ(inset.contains(box), paris) << when << " " << a;
            if (!paris) {
                EXPECT_FALSE(inset.intersects(box)) << when << " " << a;
            }
            for (int b = a + 1; b < mapBoxCount; ++b)
                EXPECT_FALSE(box.intersects(map.labelRect(b))) << when << " " << a << " and " << b;
        }
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

TEST_F(CarteWithoutDrawingTest, AHandEditedDrawingWithACurveIsRefusedOneWithoutParisStillShows)
{
    writeLog({hf("33", true)});
    const QByteArray head = "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 613 585\">";
    writeFile(Carte_Acti_DFCF::mapFileName(), head + "<path id=\"33\" d=\"m 100,100 c 50,0 0,50 1,1 z\"/></svg>");
    {
        Carte_Acti_DFCF window(context);
        EXPECT_EQ(messages.shown, QStringList({QStringLiteral(
                                      "Le dessin de la carte carte_departements.svg est introuvable ou illisible.")}));
        EXPECT_FALSE(window.findChild<DepartmentMapWidget*>("Picture1")->hasMap());
    }
    messages.shown.clear();
    writeFile(Carte_Acti_DFCF::mapFileName(), head + "<path id=\"33\" d=\"m 100,100 50,0 0,50 z\"/></svg>");
    Carte_Acti_DFCF window(context);
    window.resize(700, 800);
    auto* map = window.findChild<DepartmentMapWidget*>("Picture1");
    ASSERT_TRUE(map->hasMap());
    EXPECT_TRUE(messages.shown.isEmpty());
    // The triangle is painted green well beyond its number box.
    const QImage image = map->grab().toImage().convertToFormat(QImage::Format_RGB32);
    int green = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            green += image.pixel(x, y) == QColor(128, 255, 128).rgb();
    const QRectF label = map->labelRect(33);
    EXPECT_GT(green, 2 * label.width() * label.height());
}

TEST_F(CarteWindowTest, EveryDepartmentShowsItsStateColourAtTheDefaultSizeTheInsetIncluded)
{
    writeLog({});
    Carte_Acti_DFCF window(context);
    window.adjustSize();
    auto* map = window.findChild<DepartmentMapWidget*>("Picture1");
    ASSERT_TRUE(map && map->hasMap());
    const QColor yellow = DepartmentMapWidget::stateColour(DepartmentState::NotContacted);
    QList<int> departments;
    for (int box = 1; box < mapBoxCount; ++box)
        if (isVisibleBox(box))
            departments << box;
    // Two departments at a time, one unconfirmed and one confirmed, every other one not contacted.
    const qsizetype half = departments.size() / 2;
    for (qsizetype i = 0; i < half; ++i) {
        const std::pair<int, DepartmentState> shown[] = {{departments[i], DepartmentState::Unconfirmed},
                                                         {departments[i + half], DepartmentState::Confirmed}};
        std::array<DepartmentState, mapBoxCount> states{};
        for (const auto& [box, state] : shown)
            states[box] = state;
        map->setStates(states);
        const QImage image = map->grab().toImage();
        for (const auto& [box, state] : shown) {
            const QColor colour = DepartmentMapWidget::stateColour(state);
            const QRectF label = map->labelRect(box);
            EXPECT_EQ(image.pixelColor(QPoint(int(label.left()) + 2, int(label.top()) + 2)), colour)
                << departmentLabel(box).toStdString();
            const bool paris = box == 75 || box == 92 || box == 93 || box == 94;
            const QRectF where = paris ? map->insetRect() : QRectF(map->rect());
            EXPECT_GE(shapePixels(*map, image, where, colour), 12) << departmentLabel(box).toStdString();
        }
        const QRectF other = map->labelRect(40);
        if (shown[0].first != 40 && shown[1].first != 40) {
            EXPECT_EQ(image.pixelColor(QPoint(int(other.left()) + 2, int(other.top()) + 2)), yellow);
        }
    }
}

TEST_F(CarteWindowTest, TheMapFollowsTheWindowAndItsNumberBoxesNeverOverlap)
{
    writeLog({hf("90", true), hf("68", false)});
    Carte_Acti_DFCF window(context);
    EXPECT_TRUE(window.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(window.maximumSize(), QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
    window.adjustSize();
    window.show();
    auto* map = window.findChild<DepartmentMapWidget*>("Picture1");
    ASSERT_TRUE(map && map->hasMap());
    expectBoxesApart(*map, "default");
    const qreal defaultHeight = map->labelRect(33).height();
    // Large enough to read on the screen's own pixels at the least size.
    EXPECT_GE(defaultHeight * map->devicePixelRatioF(), 13);
    EXPECT_GE(map->labelRect(33).width(), defaultHeight);

    window.resize(window.width() + 400, window.height() + 380);
    QCoreApplication::processEvents();
    expectBoxesApart(*map, "larger");
    EXPECT_GT(map->labelRect(33).height(), defaultHeight * 1.2);
    EXPECT_GT(map->insetRect().width(), map->labelRect(75).width() * 3);

    window.resize(3000, 2400); // the boxes stop growing, and stay apart
    QCoreApplication::processEvents();
    expectBoxesApart(*map, "very large");
    EXPECT_LE(map->labelRect(33).height(), 24);

    const QImage image = map->grab().toImage();
    for (const auto& [box, colour] : {std::pair{90, QColor(128, 255, 128)}, std::pair{68, QColor(255, 192, 192)}}) {
        const QRectF label = map->labelRect(box);
        EXPECT_EQ(image.pixelColor(QPoint(int(label.left()) + 2, int(label.top()) + 2)), colour) << box;
    }
}

TEST_F(CarteWindowTest, QsosWithoutOneOfTheNinetySixDepartmentsAreSaidApart)
{
    writeLog({hf("20", true), hf("98", false), hf("00", true), hf("33", true), hf("33", false)});
    Carte_Acti_DFCF window(context);
    window.show();
    EXPECT_EQ(window.findChild<QLabel*>("NB_Dep")->text(), "1");
    EXPECT_EQ(window.findChild<QLineEdit*>("Nb_Conf")->text(), QStringLiteral(" 1 Dpt confirmés"));
    EXPECT_EQ(window.findChild<QLineEdit*>("Nb_Ncont")->text(), QStringLiteral(" 95 Dpt non contactés"));
    auto* outside = window.findChild<QLabel*>("Hors_Dpt");
    ASSERT_NE(outside, nullptr);
    EXPECT_TRUE(outside->isVisible());
    EXPECT_EQ(outside->text(), QStringLiteral("3 QSO en HF avec un département hors des 96 (\"00\", \"20\", \"98\") : non "
                                              "comptés sur la carte."));

    window.findChild<QComboBox*>("Bande_A")->setCurrentText("VHF");
    QTest::mouseClick(window.findChild<QPushButton*>("Afficher"), Qt::LeftButton);
    EXPECT_FALSE(outside->isVisible());
    EXPECT_TRUE(messages.shown.isEmpty());
}
