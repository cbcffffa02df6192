#include "castles/loopback_server.h"
#include "platform/qt_platform.h"
#include "shell/main_window.h"
#include "shell/modal_driver.h"
#include "support/test_env.h"
#include <QAbstractButton>
#include <QFileDialog>
#include <QHeaderView>
#include <QTemporaryDir>
#include <QTreeView>
#include <QLineEdit>
#include <QMenu>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
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

#ifndef Q_OS_WIN // Windows prints through its own dialog, in the system's language
    QPrinter printer;
    QPrintDialog print(&printer);
    const QStringList printTexts = buttonTexts(print);
    EXPECT_TRUE(printTexts.contains("Imprimer")) << printTexts.join('|').toStdString();
    EXPECT_TRUE(printTexts.contains("Annuler"));
    for (const char* english : {"Print", "Cancel", "Properties"})
        EXPECT_FALSE(printTexts.contains(english)) << english;

    // Its "Propriétés" window, whose texts Qt's French catalogue lacks.
    QStringList properties;
    driver.then([&](QDialog& window) {
        properties << window.windowTitle();
        for (const QTabWidget* tabs : window.findChildren<QTabWidget*>())
            for (int i = 0; i < tabs->count(); ++i)
                properties << tabs->tabText(i);
    });
    print.findChild<QPushButton*>("properties")->click();
    EXPECT_EQ(properties.value(0), QStringLiteral("Propriétés de l'imprimante"));
    EXPECT_TRUE(properties.contains(QStringLiteral("Avancé"))) << properties.join('|').toStdString();
    for (const char* english : {"Printer Properties", "Advanced", "Job Options"})
        EXPECT_FALSE(properties.contains(english)) << english;
#endif

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

TEST(FrenchTexts, FileChoosersShowEveryColumnWithFrenchSizesAndDates)
{
    QTemporaryDir folder;
    const QString file = QDir(folder.path()).filePath(QStringLiteral("F6ABC.adi"));
    QFile written(file);
    ASSERT_TRUE(written.open(QIODevice::WriteOnly));
    written.write(QByteArray(1536, 'x'));
    written.flush();
    written.setFileTime(QDateTime(QDate(2026, 12, 8), QTime(15, 46)), QFileDevice::FileModificationTime);
    written.close();

    QtFileDialogs dialogs;
    ModalDriver driver;
    QStringList details;
    bool everyColumnShown = false;
    driver.then([&](QDialog& window) {
        auto& chooser = static_cast<QFileDialog&>(window);
        auto* view = chooser.findChild<QTreeView*>();
        ASSERT_TRUE(view);
        ASSERT_TRUE(QTest::qWaitFor([&] { return view->model()->rowCount(view->rootIndex()) == 1; }, 5000));
        for (int column = 0; column < view->model()->columnCount(view->rootIndex()); ++column)
            details << view->model()->index(0, column, view->rootIndex()).data().toString();
        const QHeaderView* header = view->header();
        everyColumnShown = header->sectionPosition(3) + header->sectionSize(3) <= view->viewport()->width();
        for (int column = 0; column < header->count(); ++column)
            everyColumnShown = everyColumnShown && header->sectionSize(column) >= header->sectionSizeHint(column);
        // Typed as the operator would: selectFile() races the list still being sorted.
        auto* name = chooser.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        ASSERT_TRUE(name);
        name->setText(QFileInfo(file).fileName());
        window.accept();
    });
    EXPECT_EQ(dialogs.openFileName(QStringLiteral("Importer"), folder.path(), QStringLiteral("ADIF (*.adi)")), file);
    ASSERT_EQ(details.size(), 4);
    EXPECT_EQ(details[0], "F6ABC.adi");
    EXPECT_EQ(details[1], "1,5 ko");
    EXPECT_EQ(details[3], "08/12/2026 15:46");
    EXPECT_TRUE(everyColumnShown);

    // A save offers the proposed name in the proposed folder.
    driver.then([&](QDialog& window) {
        auto& chooser = static_cast<QFileDialog&>(window);
        EXPECT_EQ(chooser.directory().absolutePath(), QDir(folder.path()).absolutePath());
        window.accept();
    });
    const QString proposed = QDir(folder.path()).filePath(QStringLiteral("F5ABC_standard.adi"));
    EXPECT_EQ(dialogs.saveFileName(QStringLiteral("Exporter"), proposed, QStringLiteral("ADIF (*.adi)")), proposed);
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

#ifdef DFCF_WEB_VIEW // the castle list by department is a window of its own only with a web view
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
#endif
