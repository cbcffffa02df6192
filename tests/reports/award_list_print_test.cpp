#include "logbook/log_line.h"
#include "platform/qt_platform.h"
#include "awards/liste_hf_window.h"
#include "support/test_env.h"
#include <QFile>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

class AwardListPrint : public DataDirTest {};

TEST_F(AwardListPrint, AListLongerThanAPageIsPrintedOnSeveralPages)
{
    QStringList log;
    for (int i = 0; i < 200; ++i) {
        const QString dpt = departmentLabel(i % 95 + 1);
        log << qsoLine("F6AAA", dpt, dpt + QString::number(i).rightJustified(3, '0'), "01/02/08", "10:00", "14 Mhz", true,
                       "Château numéro " + QString::number(i));
    }
    writeLog(log);
    QtPrinter pdfPrinter;
    const QString pdf = path("liste.pdf");
    pdfPrinter.printToPdf(pdf);
    context.printer = &pdfPrinter;
    Liste_HF window(context, "HF", "de Base");
    QTest::mouseClick(window.findChild<QPushButton*>("Imprimer"), Qt::LeftButton);
    EXPECT_TRUE(messages.shown.isEmpty()) << messages.last().toStdString();
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    // 208 lines at 9 points: more than two A4 pages, fewer than five.
    const int pages = pdfPageCount(file.readAll());
    EXPECT_GE(pages, 3);
    EXPECT_LE(pages, 4);
}
