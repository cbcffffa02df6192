#include "logbook/log_list_model.h"
#include "platform/qt_platform.h"
#include "reports/multi_qsl_window.h"
#include "shell/main_window.h"
#include "support/qt_printers.h"
#include "support/test_env.h"
#include <QAction>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

namespace {

class MultiQslWindowTest : public DataDirTest {
protected:
    MultiQslWindowTest()
    {
        settings.write("Setup ", "Indicatif Station", "F5ABC");
        QStringList log;
        for (int i = 0; i < 20; ++i)
            log << qsoLine("F6AAA", "77", QStringLiteral("77%1").arg(100 + i), "01/02/08", "10:00", "14 Mhz");
        log << qsoLine("F6AAA", "77", "77200", "01/02/08", "10:00", "14 Mhz", true);
        log << qsoLine("F5ZZZ", "75", "75001", "01/02/08", "10:00", "14 Mhz");
        writeLog(log);
        main.load();
        main.Mnu_Non_Recue->trigger();
        window = main.findChild<Multi_QSL*>();
        messages.shown.clear();
    }

    void list(const QString& typed)
    {
        window->Indicatif->clear();
        QTest::keyClicks(window->Indicatif, typed);
        QTest::keyClick(window->Indicatif, Qt::Key_Return);
    }

    void tick(int count)
    {
        for (int i = 0; i < count; ++i)
            window->Liste_QSO->item(i)->setCheckState(Qt::Checked);
    }

    QStringList logLines(int count) const { return main.logModel()->lines().mid(0, count); }

    Main main{context};
    Multi_QSL* window = nullptr;
};

} // namespace

TEST_F(MultiQslWindowTest, ListsUnconfirmedQsosWithUntickedBoxes)
{
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("QSL non reçues"));
    QTest::keyClick(window->Indicatif, Qt::Key_Return);
    EXPECT_EQ(messages.shown, QStringList({"Entrez un indicatif"}));

    list("f6");
    EXPECT_EQ(window->Indicatif->text(), QStringLiteral("F6"));
    EXPECT_EQ(window->Label2->text(), QStringLiteral("QSL's non reçues de F6"));
    ASSERT_EQ(window->Liste_QSO->count(), 20);
    EXPECT_EQ(window->Liste_QSO->item(0)->text(), unconfirmedRow(main.logModel()->logLine(0)));
    EXPECT_EQ(window->Liste_QSO->item(0)->checkState(), Qt::Unchecked);
    EXPECT_TRUE(window->Recherche->hasFocus() || !window->isActiveWindow());
}

TEST_F(MultiQslWindowTest, PrintsTheTickedQsosForTheListedCallsign)
{
    list("F6");
    tick(20);
    window->Indicatif->setText("ZZZ");
    window->Imprimer->click();
    EXPECT_EQ(printer.dialogs, 1);
    ASSERT_EQ(printer.jobs.size(), 1);
    EXPECT_EQ(printer.jobs[0].lines, qslCardLines("F6", "F5ABC", logLines(20)));
    EXPECT_EQ(printer.jobs[0].keepTogether, QList<int>({0, 25}));
    EXPECT_EQ(printer.jobs[0].fontName, QStringLiteral("Courier New"));
    EXPECT_EQ(printer.jobs[0].pointSize, 9);
    EXPECT_TRUE(printer.jobs[0].bold);
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(MultiQslWindowTest, NothingToPrintCancelAndFailure)
{
    window->Imprimer->click();
    EXPECT_EQ(messages.shown, QStringList({"Pas de QSO a imprimer"}));
    list("F6");
    window->Imprimer->click();
    EXPECT_EQ(messages.shown, QStringList({"Pas de QSO a imprimer", "Pas de QSO a imprimer"}));
    EXPECT_EQ(printer.dialogs, 0);

    tick(1);
    printer.accept = false;
    window->Imprimer->click();
    EXPECT_EQ(printer.dialogs, 1);
    EXPECT_TRUE(printer.jobs.isEmpty());

    printer.accept = true;
    printer.outcome = Result::failure("L'impression n'a pas pu démarrer : vérifiez l'imprimante choisie.");
    window->Imprimer->click();
    EXPECT_EQ(messages.last(), QStringLiteral("L'impression n'a pas pu démarrer : vérifiez l'imprimante choisie."));
}

TEST_F(MultiQslWindowTest, PrintsARealCardToPdf)
{
    QtPrinter pdf;
    const QString file = path("carte.pdf");
    pdf.printToPdf(file);
    context.printer = &pdf;
    list("F6");
    tick(20);
    window->Imprimer->click();
    EXPECT_TRUE(messages.shown.isEmpty()) << messages.last().toStdString();
    QFile printed(file);
    ASSERT_TRUE(printed.open(QIODevice::ReadOnly));
    EXPECT_TRUE(printed.read(5) == "%PDF-");
    EXPECT_GT(printed.size(), 1000);
}
