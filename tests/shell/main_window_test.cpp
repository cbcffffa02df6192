#include "entry/saisie_widget.h"
#include "logbook/log_list_model.h"
#include "shell/main_window.h"
#include "support/test_env.h"
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QListView>
#include <QMenuBar>

namespace {

class MainWindowTest : public DataDirTest {
protected:
    MainWindowTest() { settings.write("Setup ", "Indicatif Station", "F5ABC"); }
};

} // namespace

TEST_F(MainWindowTest, ClockLabelsShowTheFixedInstant)
{
    writeLog({});
    clock.instant = QDateTime(QDate(2008, 2, 5), QTime(9, 5, 7), Qt::UTC);
    Main window(context);
    window.load();
    EXPECT_EQ(window.Label37->text(), QStringLiteral("09:05 Utc"));
    EXPECT_EQ(window.Label33->text(), QStringLiteral("05/02/08"));
    EXPECT_TRUE(window.Label34->text().endsWith(QStringLiteral(" Loc")));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("  KOR_DFCF    Revision  1.1.1"));
}

TEST_F(MainWindowTest, LoadsTheLogAndSelectsItsLastLine)
{
    const QString a = qsoLine("F6AAA", "77", "77121", "01/02/08", "10:00", "14 Mhz");
    const QString b = qsoLine("F6BBB", "75", "75001", "03/02/08", "10:00", "14 Mhz");
    writeLog({a, b});
    Main window(context);
    window.load();
    ASSERT_EQ(window.logModel()->rowCount(), 2);
    EXPECT_EQ(window.logModel()->logLine(1), b);
    EXPECT_EQ(window.logList()->currentIndex().row(), 1);
    EXPECT_EQ(window.I_Station->text(), QStringLiteral("F5ABC"));
    EXPECT_EQ(settings.read("Setup F5ABC", "Revision", ""), QStringLiteral(" 1.1.1"));
    EXPECT_EQ(settings.read("Setup ", "Chemin Repertoire", ""), dir.path());
}

TEST_F(MainWindowTest, HistoryAndAboutShowTheirTexts)
{
    writeLog({});
    Main window(context);
    window.load();
    messages.shown.clear();
    window.Mnu_Historique->trigger();
    ASSERT_EQ(messages.shown.size(), 1);
    const QStringList lines = messages.last().split("\r\n");
    ASSERT_EQ(lines.size(), 13);
    EXPECT_EQ(lines[0], QStringLiteral("V1.0.0   le 03/02/2008 creation"));
    EXPECT_EQ(lines[11], QStringLiteral("V1.1.1   le 08/03/2019 Ajout mise à jour liste des DFCF"));
    window.Mnu_Apropos->trigger();
    EXPECT_TRUE(messages.last().startsWith(QStringLiteral("KOR_DFCF  Révision  1.1.1\r\n\r\n")));
}

TEST_F(MainWindowTest, MenusCarryTheirCaptions)
{
    writeLog({});
    Main window(context);
    window.load();
    QStringList menus;
    for (QAction* action : window.menuBar()->actions())
        menus << action->text();
    EXPECT_EQ(menus, QStringList({"Fichier", "Date", "Station", "Liste", "Carte", "Scores", "Outils", "Diplomes",
                                  "QSL's non reçues", "Afficher Cluster", "Aide"}));
    EXPECT_EQ(window.Mnu_Quitter->text(), QStringLiteral("Quitter KOR DFCF"));
    EXPECT_EQ(window.Mnu_Maj_Liste_DFCF->text(), QStringLiteral("Mise à jour des références DFCF"));
    EXPECT_TRUE(window.Mnu_Date_Auto->isChecked());
    EXPECT_FALSE(window.Mnu_Date_Man->isChecked());
    EXPECT_EQ(window.entry()->Bande_A->count(), 12);
    EXPECT_EQ(window.findChild<QLabel*>("Label_Liste_DFCF")->text(), QStringLiteral("     N°   Indicatif           Dpt   Prenom                Ref       Date       QTR  Mode   QRG  RSTR RSTE        Mom du Chateau               QSL"));
}
