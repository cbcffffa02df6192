#include "entry/saisie_widget.h"
#include "logbook/log_list_model.h"
#include "shell/gestion_erreur_window.h"
#include "shell/main_window.h"
#include "shell/modal_driver.h"
#include "support/test_env.h"
#include <QLabel>
#include <QPushButton>
#include <QtTest>

namespace {

class RecoveryTest : public DataDirTest {
protected:
    RecoveryTest() { settings.write("Setup ", "Indicatif Station", "F5ABC"); }

    static QString label(QDialog& window, const char* name)
    {
        const auto* found = window.findChild<QLabel*>(name);
        return found ? found->text() : QStringLiteral("<absent>");
    }

    ModalDriver driver;
};

TEST_F(RecoveryTest, MissingLogAtStartShowsTheRecoveryWindowAndTheEntryStaysDisabled)
{
    QStringList texts;
    QString caption;
    bool modal = false;
    driver.then([&](QDialog& window) {
        caption = window.windowTitle();
        modal = window.isModal();
        for (const char* name : {"Label2", "Label3", "Ind_Station", "Label6", "Ind_Station1", "Err_Departement", "Label7",
                                 "Label9", "Label1"})
            texts << label(window, name);
        texts << window.findChild<QPushButton*>("Initialisation")->text() << window.findChild<QPushButton*>("Quitter")->text();
        window.close(); // close box: neither button
    });
    Main main(context);
    main.load(); // returns: the program goes on with its event loop
    EXPECT_EQ(driver.handled, 1);
    EXPECT_EQ(caption, "Form1");
    EXPECT_TRUE(modal);
    EXPECT_EQ(texts, QStringList({"ERREUR 53", "KOR_DFCF a trouvé dans la base de registre l'indicatif  : ", "F5ABC",
                                  "Il n'a par contre pas trouvé dans son répértoire le fichier :", "F5ABC", "_DFCF.log",
                                  "Pour remèdier à cet état, cliquez sur \"Initialiser\" puis sur \"Quitter\"",
                                  "une boite de dialogue vous demandera alors de spécifier votre indicatif",
                                  "Relancez KOR_DFCF ", "Initialiser", "Quitter"}));
    EXPECT_TRUE(main.isVisible());
    EXPECT_FALSE(main.entry()->isEnabled());
    EXPECT_EQ(main.logModel()->rowCount(), 0);
    EXPECT_FALSE(exists(logName()));
    EXPECT_FALSE(settings.contains("Setup F5ABC", "Revision")); // the start-up stopped at the log
}

TEST_F(RecoveryTest, InitialiserCreatesOnlyTheMissingLogAndANewStartLoadsIt)
{
    writeLines("F6XYZ_DFCF.log", {qsoLine("F1AAA", "77", "77121", "05/02/08", "09:00", "14 Mhz")});
    const QByteArray other = readFile("F6XYZ_DFCF.log");
    bool stayedOpen = false;
    driver.then([&](QDialog& window) {
        // The settings meanwhile name another station: the missing log is still F5ABC's.
        settings.write("Setup ", "Indicatif Station", "F6XYZ");
        QTest::mouseClick(window.findChild<QPushButton*>("Initialisation"), Qt::LeftButton);
        stayedOpen = window.isVisible();
        QTest::mouseClick(window.findChild<QPushButton*>("Initialisation"), Qt::LeftButton); // twice is harmless
        window.close();
    });
    {
        Main main(context);
        main.load();
    }
    EXPECT_TRUE(stayedOpen);
    EXPECT_TRUE(exists(logName()));
    EXPECT_EQ(logBytes(), QByteArray());
    EXPECT_EQ(readFile("F6XYZ_DFCF.log"), other);
    EXPECT_EQ(settings.read("Setup ", "Indicatif Station", ""), "F5ABC");
    EXPECT_FALSE(exists("Temporaire.txt"));
    EXPECT_TRUE(messages.shown.isEmpty());

    Main again(context);
    again.load();
    EXPECT_EQ(driver.handled, 1);
    EXPECT_EQ(driver.unexpected, 0); // no recovery window this time
    EXPECT_EQ(again.logModel()->rowCount(), 0);
    EXPECT_TRUE(again.entry()->isEnabled());
    EXPECT_TRUE(again.entry()->Ind_A->isEnabled());
    EXPECT_EQ(settings.read("Setup F5ABC", "Revision", ""), " 1.1.1");
}

TEST_F(RecoveryTest, InitialiserLeavesAFileThatAppearedMeanwhile)
{
    Gestion_Erreur window(context, "F5ABC");
    writeLog({qsoLine("F1AAA", "77", "77121", "05/02/08", "09:00", "14 Mhz")});
    const QByteArray log = logBytes();
    QTest::mouseClick(window.Initialisation, Qt::LeftButton);
    EXPECT_EQ(logBytes(), log);
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(RecoveryTest, QuitterEndsTheProgramAndChangesNothing)
{
    const auto before = settings.values;
    driver.then([&](QDialog& window) { QTest::mouseClick(window.findChild<QPushButton*>("Quitter"), Qt::LeftButton); });
    Main main(context);
    main.load();
    EXPECT_EQ(driver.handled, 1);
    EXPECT_EQ(driver.leftOpen, 0);
    EXPECT_FALSE(main.isVisible());
    // The main loop, started after the load as the program does, ends at once.
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, qApp, [] { QCoreApplication::exit(99); });
    guard.start(3000);
    EXPECT_EQ(qApp->exec(), 0);
    auto after = settings.values;
    after.remove("Setup /Chemin Repertoire");
    auto expected = before;
    expected.remove("Setup /Chemin Repertoire");
    EXPECT_EQ(after, expected);
    EXPECT_FALSE(exists(logName()));
}

} // namespace
