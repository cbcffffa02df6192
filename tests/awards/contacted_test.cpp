#include "awards/aff_contacte_window.h"
#include "awards/contacted_report.h"
#include "platform/text_file.h"
#include "widgets/column_header_widget.h"
#include "support/test_env.h"
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

namespace {

class ContactedTest : public DataDirTest {
protected:
    ContactedTest() { clock.instant = QDateTime(QDate(2026, 12, 6), QTime(12, 0), Qt::UTC); }
};

const QString title = QStringLiteral("F5ABC Liste alphanumerique des Chateaux contactés bande HF au 06/12/2026");

QString row(const QString& line) { return contactedRow(line); }

} // namespace

TEST(ContactedList, RowsStandInCastleOrderAndOnlyTheGroupCounts)
{
    const QString vaux = qsoLine("F5XYZ", "77", "77121", "05/03/09", "14:32", "14 Mhz", true, "Vaux le Vicomte");
    const QString nice = qsoLine("F6ABC", "06", "06005", "06/03/09", "10:00", "7.0 Mhz", false, "Nice");
    const QString corse = qsoLine("F1AAA", "2a", "2a001", "07/03/09", "10:00", "50 Mhz", true, "Ajaccio");
    const QString corseUpper = qsoLine("F1AAB", "2A", "2A001", "08/03/09", "10:00", "21 Mhz", false, "Ajaccio");
    const QString vhf = qsoLine("F4VHF", "33", "33001", "08/03/09", "10:00", "144 Mhz", true, "Bordeaux");
    const QString none = qsoLine("F4TEN", "33", "33002", "08/03/09", "10:00", "10 Mhz", true, "Blaye");
    const QStringList log = {vaux, nice, vhf, corseUpper, none, corse};

    const ContactedList list = contactedList(log, "HF");
    EXPECT_EQ(list.group, "HF");
    EXPECT_EQ(list.rows, QStringList({row(nice), row(corse), row(corseUpper), row(vaux)}));
    EXPECT_EQ(list.contacts, 4);
    EXPECT_EQ(list.confirmed, 2);
    EXPECT_EQ(row(nice), " 06005  " + QString("NICE").leftJustified(30) + "  06/03/09  " + QString("F6ABC").leftJustified(12) + "   ");
    EXPECT_EQ(row(nice).size(), 65);
    EXPECT_EQ(row(vaux).right(1), "*");

    const ContactedList vhfList = contactedList(log, "VHF");
    EXPECT_EQ(vhfList.rows, QStringList({row(vhf)}));
    EXPECT_EQ(vhfList.confirmed, 1);
    EXPECT_EQ(contactedList(QStringList(), "UHF").contacts, 0);
}

TEST_F(ContactedTest, SavedListHasTitleHeaderNumberedRowsAndClosingLine)
{
    QStringList log;
    for (int i = 14; i >= 1; --i)
        log << qsoLine("F5XYZ", "77", QStringLiteral("771%1").arg(i, 2, 10, QLatin1Char('0')), "05/03/09", "14:32", "14 Mhz",
                       i % 2, QStringLiteral("Château %1").arg(i));
    const ContactedList list = contactedList(log, "HF");
    const QDate today(2026, 12, 6);
    EXPECT_EQ(contactedFileName("F5ABC", "HF", today), "F5ABC_Liste_Chateaux_Bande_HF_06_12_26.txt");
    const QStringList lines = contactedFileLines("F5ABC", list, today);
    ASSERT_EQ(lines.size(), 4 + 14 + 2);
    EXPECT_EQ(lines[0], " " + title);
    EXPECT_EQ(lines[2], QStringLiteral("   N°   Ref        Nom du Chateau               Date    Indicatif    QSL"));
    EXPECT_EQ(lines[4], "    1 " + list.rows[0]);
    EXPECT_TRUE(lines[4].startsWith("    1  77101  CHÂTEAU 1 "));
    EXPECT_TRUE(lines[15].startsWith("   12  77112  "));
    EXPECT_EQ(lines[18], "");
    EXPECT_EQ(lines[19], QStringLiteral("Liste établie par KOR_DFCF Révision 1.1.1"));

    const QStringList paper = contactedPrintLines("F5ABC", list, today);
    EXPECT_EQ(paper[0], "     " + title);
    EXPECT_EQ(paper[2], QStringLiteral("        N°  Ref         Nom du Chateau              Date   Indicatif     QSL"));
    EXPECT_TRUE(paper[15].startsWith("       12  77112"));
    EXPECT_EQ(paper.mid(18), QStringList({"", "", QStringLiteral("Liste établie par KOR_DFCF Révision 1.1.1")}));
}

TEST_F(ContactedTest, WindowListsSavesAndPrintsTheGroupOfTheLastDisplay)
{
    const QString vaux = qsoLine("F5XYZ", "77", "77121", "05/03/09", "14:32", "14 Mhz", true, "Vaux");
    const QString nice = qsoLine("F6ABC", "06", "06005", "06/03/09", "10:00", "7.0 Mhz", false, "Nice");
    writeLog({vaux, nice, qsoLine("F4VHF", "33", "33001", "08/03/09", "10:00", "144 Mhz")});
    Aff_Contacte window(context);
    window.show();
    auto* list = window.findChild<QListWidget*>("Liste_DFCF_Contacte");
    auto* save = window.findChild<QPushButton*>("Enregistrer");
    auto* print = window.findChild<QPushButton*>("Imprimer");
    auto* band = window.findChild<QComboBox*>("Bande_D");
    ASSERT_TRUE(list && save && print && band);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Liste alphanumérique des Chateaux contactés"));
    EXPECT_EQ(band->currentText(), "HF");
    EXPECT_FALSE(save->isEnabled());
    EXPECT_FALSE(print->isEnabled());

    QTest::mouseClick(window.findChild<QPushButton*>("Afficher"), Qt::LeftButton);
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->item(0)->text(), row(nice));
    EXPECT_EQ(window.findChild<QLabel*>("Compt_C")->text(), "2");
    EXPECT_EQ(window.findChild<QLabel*>("Compt_V")->text(), "1");
    EXPECT_EQ(window.findChild<QLabel*>("Label2")->text(), contactedHeader());
    // Each title stands over the first character of its column, in the rows' font.
    auto* header = window.findChild<ColumnHeader*>("Label2");
    EXPECT_EQ(header->font(), list->font());
    const QString aligned = header->alignedText();
    const QString shown = row(nice);
    for (const auto& [title, value] : {std::pair{"Ref", "06005"}, {"Nom du Chateau", "Nice"}, {"Date", "06/03/09"},
                                       {"Indicatif", "F6ABC"}})
        EXPECT_EQ(aligned.indexOf(QLatin1String(title)), shown.indexOf(QLatin1String(value), 0, Qt::CaseInsensitive)) << title;
    EXPECT_EQ(aligned.indexOf(QLatin1String("QSL")) + 1, shown.size() - 1);
    EXPECT_TRUE(save->isEnabled());

    band->setCurrentText("VHF"); // chosen, not displayed: the HF rows are still listed
    QTest::mouseClick(save, Qt::LeftButton);
    EXPECT_EQ(messages.last(), QStringLiteral("Fichier enregistré sous le nom : F5ABC_Liste_Chateaux_Bande_HF_06_12_26.txt"));
    const QByteArray expected = toWindows1252(" " + title) + "\r\n\r\n"
                                + toWindows1252(QStringLiteral("   N°   Ref        Nom du Chateau               Date    Indicatif    QSL"))
                                + "\r\n\r\n    1 " + toWindows1252(row(nice)) + "\r\n    2 " + toWindows1252(row(vaux))
                                + "\r\n\r\n" + toWindows1252(QStringLiteral("Liste établie par KOR_DFCF Révision 1.1.1")) + "\r\n";
    EXPECT_EQ(readFile("F5ABC_Liste_Chateaux_Bande_HF_06_12_26.txt"), expected);
    EXPECT_FALSE(exists("F5ABC_Liste_Chateaux_Bande_VHF_06_12_26.txt"));

    printer.accept = false;
    QTest::mouseClick(print, Qt::LeftButton);
    EXPECT_TRUE(printer.jobs.isEmpty());
    printer.accept = true;
    QTest::mouseClick(print, Qt::LeftButton);
    ASSERT_EQ(printer.jobs.size(), 1);
    EXPECT_EQ(printer.jobs[0].lines[0], "     " + title);
    EXPECT_EQ(printer.jobs[0].lines[4], "        1 " + row(nice));
    EXPECT_EQ(printer.jobs[0].fontName, "Courier New");

    printer.outcome = Result::failure(QStringLiteral("Impression impossible."));
    QTest::mouseClick(print, Qt::LeftButton);
    EXPECT_EQ(messages.last(), QStringLiteral("Impression impossible."));
}

TEST_F(ContactedTest, AnUnreadableLogOrReportIsReported)
{
    Aff_Contacte window(context);
    QTest::mouseClick(window.findChild<QPushButton*>("Afficher"), Qt::LeftButton);
    EXPECT_EQ(messages.last(), QStringLiteral("Le fichier F5ABC_DFCF.log est introuvable."));
    EXPECT_FALSE(window.findChild<QPushButton*>("Enregistrer")->isEnabled());

    writeLog({});
    QTest::mouseClick(window.findChild<QPushButton*>("Afficher"), Qt::LeftButton);
    ASSERT_TRUE(QDir(dir.path()).mkdir("F5ABC_Liste_Chateaux_Bande_HF_06_12_26.txt"));
    QTest::mouseClick(window.findChild<QPushButton*>("Enregistrer"), Qt::LeftButton);
    EXPECT_TRUE(messages.last().startsWith(
        QStringLiteral("Impossible d'enregistrer le fichier F5ABC_Liste_Chateaux_Bande_HF_06_12_26.txt")))
        << messages.last().toStdString();
}
