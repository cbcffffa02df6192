#include "castles/liste_dfcf1_window.h"
#include "castles/loopback_server.h"
#include "platform/qt_platform.h"
#include "shell/main_window.h"
#include "shell/modal_driver.h"
#include "support/test_env.h"
#include <QAbstractButton>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QtTest>

namespace {

QStringList buttonTexts(const QWidget& window)
{
    QStringList texts;
    for (const QAbstractButton* button : window.findChildren<QAbstractButton*>())
        if (!button->text().isEmpty())
            texts << QString(button->text()).remove(QLatin1Char('&'));
    return texts;
}

// Where a window lies against the room the screen leaves for windows.
struct Placement {
    QRect frame;
    QRect area;
};

Placement placementOf(const QWidget& window) { return {window.frameGeometry(), window.screen()->availableGeometry()}; }

void expectCentredInside(const Placement& p, const char* what)
{
    SCOPED_TRACE(what);
    EXPECT_TRUE(p.area.contains(p.frame)) << p.frame.x() << "," << p.frame.y() << " " << p.frame.width() << "x"
                                          << p.frame.height() << " in " << p.area.width() << "x" << p.area.height();
    EXPECT_NEAR(p.frame.center().x(), p.area.center().x(), 2);
    EXPECT_NEAR(p.frame.center().y(), p.area.center().y(), 2);
    EXPECT_GT(p.frame.width(), 150); // laid out, not a collapsed window
    EXPECT_GT(p.frame.height(), 100);
}

class PlacementTest : public DataDirTest {
protected:
    ModalDriver driver;
};

} // namespace

TEST(FrenchTexts, QtsOwnDialogsAndMenusSpeakFrench)
{
    QtMessages messages(QStringLiteral("KOR_DFCF"));
    QStringList confirmation;
    ModalDriver driver;
    driver.then([&](QDialog& box) {
        confirmation = buttonTexts(box);
        box.reject();
    });
    messages.askYesNo(QStringLiteral("Voulez vous Supprimer ce QSO ?"));
    EXPECT_TRUE(confirmation.contains("Oui")) << confirmation.join('|').toStdString();
    EXPECT_TRUE(confirmation.contains("Non"));

    QPrinter printer;
    QPrintDialog print(&printer);
    const QStringList printTexts = buttonTexts(print);
    EXPECT_TRUE(printTexts.contains("Imprimer")) << printTexts.join('|').toStdString();
    EXPECT_TRUE(printTexts.contains("Annuler"));
    for (const char* english : {"Print", "Cancel", "Properties"})
        EXPECT_FALSE(printTexts.contains(english)) << english;

    QFileDialog files(nullptr, QStringLiteral("Exporter"));
    files.setOption(QFileDialog::DontUseNativeDialog);
    files.setAcceptMode(QFileDialog::AcceptSave);
    const QStringList fileTexts = buttonTexts(files);
    EXPECT_TRUE(fileTexts.contains("Enregistrer")) << fileTexts.join('|').toStdString();
    EXPECT_TRUE(fileTexts.contains("Annuler"));

    QLineEdit field;
    field.setText(QStringLiteral("F5ABC"));
    const std::unique_ptr<QMenu> menu(field.createStandardContextMenu());
    QStringList menuTexts;
    for (const QAction* action : menu->actions())
        menuTexts << QString(action->text()).remove(QLatin1Char('&')).section(QLatin1Char('\t'), 0, 0);
    EXPECT_TRUE(menuTexts.contains("Coller")) << menuTexts.join('|').toStdString();
    EXPECT_FALSE(menuTexts.contains("Paste"));
    EXPECT_EQ(QLocale().decimalPoint(), QStringLiteral(","));
}

TEST_F(PlacementTest, FirstInstallationStationWindowIsCentredWithItsFinalSize)
{
    Placement station;
    driver.then([&](QDialog& window) { station = placementOf(window); });
    Main main(context);
    main.load();
    ASSERT_EQ(driver.handled, 1);
    expectCentredInside(station, "Station");
    expectCentredInside(placementOf(main), "Main");
}

TEST_F(PlacementTest, RecoveryWindowIsCentredWithItsFinalSize)
{
    settings.write("Setup ", "Indicatif Station", "F5ABC"); // and no log
    Placement recovery;
    driver.then([&](QDialog& window) { recovery = placementOf(window); });
    Main main(context);
    main.load();
    ASSERT_EQ(driver.handled, 1);
    expectCentredInside(recovery, "Gestion_Erreur");
}

TEST_F(PlacementTest, CastleListByDepartmentFitsTheScreenAndIsCentred)
{
    LoopbackServer server;
    qputenv("DFCF_SERVER_URL", server.url().toUtf8());
    Placement list;
    QSize wanted, inner;
    driver.then([&](QDialog& window) {
        list = placementOf(window);
        wanted = window.sizeHint();
        inner = window.size();
    });
    Main main(context);
    main.show();
    QTest::mouseClick(main.Command1, Qt::LeftButton); // returns once the list is closed
    qunsetenv("DFCF_SERVER_URL");
    ASSERT_EQ(driver.handled, 1);
    expectCentredInside(list, "Liste_DFCF1");
    // Its own size when the screen has room for it, the screen's room otherwise.
    const QSize frame = list.frame.size() - inner;
    EXPECT_EQ(inner.width(), std::min(wanted.width(), list.area.width() - frame.width()));
    EXPECT_EQ(inner.height(), std::min(wanted.height(), list.area.height() - frame.height()));
}
