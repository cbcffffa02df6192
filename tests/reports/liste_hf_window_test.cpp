#include "awards/liste_hf_window.h"
#include "support/test_env.h"
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

namespace {

class ListeHfWindow : public DataDirTest {
protected:
    void writeSmallLog()
    {
        writeLog({
            qsoLine("F6AAA", "77", "77121", "01/02/08", "10:00", "14 Mhz", true, "Chateau de Blandy", "SSB", "Paul"),
            qsoLine("F6BBB", "2a", "2a001", "02/02/08", "11:00", "7.0 Mhz", true, "Château de la Rocca", "CW", "Anne"),
            qsoLine("F6CCC", "29", "29010", "03/02/08", "12:00", "21 Mhz", true, "Kerjean", "SSB", "Yves"),
            qsoLine("F6DDD", "30", "30005", "04/02/08", "13:00", "14 Mhz", true, "Uzes"),
            qsoLine("F6EEE", "77", "77002", "05/02/08", "14:00", "3.5 Mhz", true, "Vaux le Vicomte", "CW", "Marc"),
            qsoLine("F6FFF", "45", "45001", "05/02/08", "14:30", "14 Mhz", false, "Unconfirmed"),
            qsoLine("F6GGG", "12", "12001", "05/02/08", "14:40", "144 Mhz", true, "Other band"),
            qsoLine("F6HHH", "2B", "2B003", "06/02/08", "15:00", "14 Mhz", true, "Corte"),
        });
    }
    static QString text(const QWidget& window, const char* name) { return window.findChild<QLabel*>(name)->text(); }
    static QStringList rows(const QWidget& window)
    {
        QStringList shown;
        const auto* list = window.findChild<QListWidget*>("Liste_DFCF_Contacte");
        for (int i = 0; i < list->count(); ++i)
            shown << list->item(i)->text();
        return shown;
    }
    static void click(const QWidget& window, const char* name)
    {
        QTest::mouseClick(window.findChild<QPushButton*>(name), Qt::LeftButton);
    }
};

const QByteArray closing = "\r\nListe \xE9tablie par KOR_DFCF R\xE9vision 1.1.1\r\n";

} // namespace

TEST_F(ListeHfWindow, CastleListIsSortedWithoutRegardToCaseAndSavedExactly)
{
    writeSmallLog();
    Liste_HF window(context, "HF", "de Base");
    EXPECT_EQ(window.windowTitle(), "Liste DFCF bande HF");
    EXPECT_EQ(text(window, "Label4"), "Diplome DFCF HF de Base");
    EXPECT_EQ(text(window, "Label2"),
              "      Ref     Dpt        Nom du Chateau                       Date      Heure  Indicatif");
    EXPECT_EQ(text(window, "Label3"), " 6 châteaux confirmés");
    EXPECT_EQ(rows(window).size(), 6);
    EXPECT_EQ(rows(window)[1], " 2a001  2a  CHÂTEAU DE LA ROCCA             02/02/08  11:00  F6BBB       ");

    click(window, "Enregistrer");
    const QString name = "F5ABC_Diplome_DFCF_de_Base_Bande_HF_05_02_08.txt";
    EXPECT_EQ(messages.shown, QStringList{"Fichier enregistré sous le nom : " + name});
    EXPECT_EQ(readFile(name),
              QByteArray("   F5ABC Liste alphanumerique des Chateaux contact\xE9s bande HF au 05/02/2008\r\n"
                         "\r\n"
                         "   N\xB0   Ref   Dpt      Nom du Chateau               Date    Heure  Indicatif\r\n"
                         "\r\n"
                         "    1  29010  29  KERJEAN                         03/02/08  12:00  F6CCC       \r\n"
                         "    2  2a001  2a  CH\xC2TEAU DE LA ROCCA             02/02/08  11:00  F6BBB       \r\n"
                         "    3  2B003  2B  CORTE                           06/02/08  15:00  F6HHH       \r\n"
                         "    4  30005  30  UZES                            04/02/08  13:00  F6DDD       \r\n"
                         "    5  77002  77  VAUX LE VICOMTE                 05/02/08  14:00  F6EEE       \r\n"
                         "    6  77121  77  CHATEAU DE BLANDY               01/02/08  10:00  F6AAA       \r\n")
                  + closing);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 2) << "no scratch file is left behind";
}

TEST_F(ListeHfWindow, ExcellenceListsTheLastConfirmedContactOfEachDepartment)
{
    writeSmallLog();
    Liste_HF window(context, "HF", "Excellence");
    EXPECT_EQ(text(window, "Label4"), "Diplome DFCF HF Excellence");
    EXPECT_EQ(text(window, "Label2"),
              "  Dep   Ref     Indicatif          Prenom                 Date     Heure   Bande  Mode");
    EXPECT_EQ(text(window, "Label3"), " 5 départements confirmés");

    click(window, "Enregistrer");
    const QString name = "F5ABC_Diplome_DFCF_Excellence_Bande_HF_05_02_08.txt";
    EXPECT_EQ(messages.last(), "Fichier enregistré sous le nom : " + name);
    EXPECT_EQ(readFile(name),
              QByteArray("       F5ABC Liste des d\xE9partements contact\xE9s bande HF au 05/02/2008\r\n"
                         "\r\n"
                         "   N\xB0 Dpt  Ref   Indicatif    Prenom            Date    Heure   Bande   Mode\r\n"
                         "\r\n"
                         "    1 29  29010  F6CCC        YVES            03/02/08  12:00  21 Mhz   SSB  \r\n"
                         "    2 2a  2a001  F6BBB        ANNE            02/02/08  11:00  7.0 Mhz  CW   \r\n"
                         "    3 2B  2B003  F6HHH                        06/02/08  15:00  14 Mhz   SSB  \r\n"
                         "    4 30  30005  F6DDD                        04/02/08  13:00  14 Mhz   SSB  \r\n"
                         "    5 77  77002  F6EEE        MARC            05/02/08  14:00  3.5 Mhz  CW   \r\n")
                  + closing);
}

TEST_F(ListeHfWindow, AnEmptyGroupGivesHeadersAndClosingLineOnly)
{
    writeSmallLog();
    Liste_HF window(context, "UHF", "Honneur");
    EXPECT_EQ(window.windowTitle(), "Liste DFCF bande UHF");
    EXPECT_EQ(text(window, "Label2"),
              "   Ref             Nom du Chateau                      Date      Indicatif         QSL");
    EXPECT_EQ(text(window, "Label3"), " 0 châteaux confirmés");
    EXPECT_TRUE(rows(window).isEmpty());
    click(window, "Enregistrer");
    EXPECT_EQ(readFile("F5ABC_Diplome_DFCF_Honneur_Bande_UHF_05_02_08.txt"),
              QByteArray("   F5ABC Liste alphanumerique des Chateaux contact\xE9s bande UHF au 05/02/2008\r\n"
                         "\r\n"
                         "   N\xB0   Ref   Dpt      Nom du Chateau               Date    Heure  Indicatif\r\n"
                         "\r\n")
                  + closing);

    Liste_HF excellence(context, "UHF", "Excellence");
    EXPECT_EQ(text(excellence, "Label3"), " 0 départements confirmés");
    EXPECT_EQ(text(excellence, "Label2"),
              "   Ref             Nom du Chateau                      Date      Indicatif         QSL");
}

TEST_F(ListeHfWindow, PrintingFollowsTheDialogAndReportsFailures)
{
    writeSmallLog();
    Liste_HF window(context, "HF", "Excellence");
    printer.accept = false;
    click(window, "Imprimer");
    EXPECT_EQ(printer.dialogs, 1);
    EXPECT_TRUE(printer.jobs.isEmpty());
    EXPECT_TRUE(messages.shown.isEmpty());

    printer.accept = true;
    click(window, "Imprimer");
    ASSERT_EQ(printer.jobs.size(), 1);
    const PrintJob& job = printer.jobs[0];
    EXPECT_EQ(job.fontName, "Courier New");
    EXPECT_EQ(job.pointSize, 9);
    EXPECT_TRUE(job.bold);
    ASSERT_EQ(job.lines.size(), 12);
    EXPECT_EQ(job.lines[0], "                 F5ABC Diplome DFCF Excellence bande HF au 05/02/2008");
    EXPECT_EQ(job.lines[1], "");
    EXPECT_EQ(job.lines[2], "       N° Dpt  Ref   Indicatif    Prenom            Date    Heure   Bande   Mode");
    EXPECT_EQ(job.lines[4], "        1 29  29010  F6CCC        YVES            03/02/08  12:00  21 Mhz   SSB  ");
    EXPECT_EQ(job.lines[9], "");
    EXPECT_EQ(job.lines[10], "");
    EXPECT_EQ(job.lines[11], "Liste établie par KOR_DFCF Révision 1.1.1");
    EXPECT_TRUE(messages.shown.isEmpty());

    printer.outcome = Result::failure("L'impression n'a pas pu démarrer : vérifiez l'imprimante choisie.");
    click(window, "Imprimer");
    EXPECT_EQ(messages.shown, QStringList{"L'impression n'a pas pu démarrer : vérifiez l'imprimante choisie."});
}

TEST_F(ListeHfWindow, AReportThatCannotBeWrittenIsNamedAndNotReportedSaved)
{
    writeSmallLog();
    const QString name = "F5ABC_Diplome_DFCF_Trophe_Bande_HF_05_02_08.txt";
    ASSERT_TRUE(QDir(dir.path()).mkdir(name));
    Liste_HF window(context, "HF", "Trophe");
    click(window, "Enregistrer");
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_TRUE(messages.last().contains(name));
    EXPECT_FALSE(messages.last().startsWith("Fichier enregistré"));
}

TEST_F(ListeHfWindow, ABuiltListKeepsItsAwardUntilRebuilt)
{
    writeSmallLog();
    Liste_HF window(context, "HF", "Honneur");
    context.Groupe_Diplome = "VHF";
    context.Nom_Diplome = "de Base";
    click(window, "Enregistrer");
    EXPECT_TRUE(exists("F5ABC_Diplome_DFCF_Honneur_Bande_HF_05_02_08.txt"));

    window.load("VHF", "de Base");
    EXPECT_EQ(window.groupe(), "VHF");
    EXPECT_EQ(window.nom(), "de Base");
    EXPECT_EQ(text(window, "Label4"), "Diplome DFCF VHF de Base");
    EXPECT_EQ(rows(window), QStringList{" 12001  12  OTHER BAND                      05/02/08  14:40  F6GGG       "});
    click(window, "Enregistrer");
    EXPECT_TRUE(exists("F5ABC_Diplome_DFCF_de_Base_Bande_VHF_05_02_08.txt"));
}
