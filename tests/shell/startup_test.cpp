#include "entry/saisie_widget.h"
#include "logbook/log_list_model.h"
#include "shell/main_window.h"
#include "shell/modal_driver.h"
#include "shell/station_window.h"
#include "support/test_env.h"
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

namespace {

const QString firstInstallationText = QStringLiteral("\r\nPremiere installation, vous devez entrer votre Indicatif\r\n\r\n");

class StartupTest : public DataDirTest {
protected:
    StartupTest() { settings.values.clear(); }

    // The station window of the first installation: types and validates.
    ModalDriver::Step typeStation(const QString& typed, bool* wasModal = nullptr)
    {
        return [typed, wasModal](QDialog& window) {
            auto* station = qobject_cast<Station*>(&window);
            ASSERT_NE(station, nullptr);
            if (wasModal)
                *wasModal = station->isModal();
            QTest::keyClicks(station->New_Indicatif, typed);
            QTest::mouseClick(station->Validation, Qt::LeftButton);
        };
    }

    ModalDriver driver;
};

TEST_F(StartupTest, FirstStartAsksForTheStationAndStoresItsSettings)
{
    bool modal = false;
    driver.then(typeStation("f5abc", &modal));
    Main main(context);
    main.load();
    EXPECT_EQ(driver.handled, 1);
    EXPECT_EQ(driver.leftOpen, 0);
    EXPECT_TRUE(modal);
    ASSERT_FALSE(messages.shown.isEmpty());
    EXPECT_EQ(messages.shown.first(), firstInstallationText);
    EXPECT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(context.Indicatif_Station, "F5ABC");
    EXPECT_EQ(main.I_Station->text(), "F5ABC");
    EXPECT_EQ(settings.read("Setup ", "Indicatif Station", ""), "F5ABC");
    EXPECT_EQ(settings.read("Setup F5ABC", "bande Utilisee", ""), "0");
    EXPECT_EQ(settings.read("Setup F5ABC", "Mode Utilise", ""), "0");
    EXPECT_EQ(settings.read("Setup F5ABC", "Revision", ""), " 1.1.1");
    EXPECT_EQ(settings.read("Setup ", "Chemin Repertoire", ""), dir.path());
    EXPECT_TRUE(exists("F5ABC_DFCF.log"));
    EXPECT_TRUE(main.entry()->isEnabled());
    EXPECT_TRUE(main.entry()->Ind_A->isEnabled());
    EXPECT_EQ(main.windowTitle(), "  KOR_DFCF    Revision  1.1.1");
}

TEST_F(StartupTest, FirstStartLeftWithoutCallsignStaysWithoutStation)
{
    driver.then([](QDialog& window) {
        auto* station = qobject_cast<Station*>(&window);
        ASSERT_NE(station, nullptr);
        QTest::keyClicks(station->New_Indicatif, "F5-X");
        QTest::mouseClick(station->Validation, Qt::LeftButton);
        window.close();
    });
    Main main(context);
    main.load();
    EXPECT_EQ(driver.handled, 1);
    EXPECT_EQ(context.Indicatif_Station, "FXXXX");
    EXPECT_FALSE(settings.contains("Setup ", "Indicatif Station"));
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).isEmpty());
    EXPECT_EQ(main.logModel()->rowCount(), 0);
    EXPECT_EQ(main.I_Station->text(), "FXXXX");

    // Offered again at the next start.
    driver.then(typeStation("F5ABC"));
    Main again(context);
    again.load();
    EXPECT_EQ(driver.handled, 2);
    EXPECT_EQ(context.Indicatif_Station, "F5ABC");
}

TEST_F(StartupTest, StoredPreferencesAreAppliedAndBadOnesSelectNothing)
{
    settings.write("Setup ", "Indicatif Station", "F5ABC");
    writeLog({qsoLine("F1AAA", "77", "77121", "05/02/08", "09:00", "14 Mhz"),
              qsoLine("F2BBB", "13", "13001", "05/02/08", "10:00", "14 Mhz")});
    settings.write("Setup F5ABC", "bande Utilisee", "10");
    settings.write("Setup F5ABC", "Mode Utilise", "2");
    {
        Main main(context);
        main.load();
        EXPECT_EQ(main.entry()->Bande_A->currentText(), "144 Mhz");
        EXPECT_EQ(main.entry()->Mode_A->currentText(), "FM");
        EXPECT_TRUE(main.Mnu_Date_Auto->isChecked()); // "Date Auto" absent
        EXPECT_FALSE(main.Mnu_Date_Man->isChecked());
        EXPECT_EQ(main.logModel()->rowCount(), 2);
        EXPECT_EQ(main.logList()->currentIndex().row(), 1);
    }
    settings.write("Setup F5ABC", "bande Utilisee", "abc");
    settings.write("Setup F5ABC", "Mode Utilise", "3");
    settings.write("Setup F5ABC", "Date Auto", "Non");
    {
        Main main(context);
        main.load();
        EXPECT_EQ(main.entry()->Bande_A->currentIndex(), -1);
        EXPECT_EQ(main.entry()->Mode_A->currentIndex(), -1);
        EXPECT_FALSE(main.Mnu_Date_Auto->isChecked());
        EXPECT_TRUE(main.Mnu_Date_Man->isChecked());
    }
    settings.write("Setup F5ABC", "Date Auto", "oui");
    Main main(context);
    main.load();
    EXPECT_FALSE(main.Mnu_Date_Auto->isChecked());
    EXPECT_FALSE(main.Mnu_Date_Man->isChecked());
    EXPECT_EQ(driver.handled + driver.unexpected, 0);
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(StartupTest, StoredCallsignThatIsNoCallsignCountsAsNone)
{
    settings.write("Setup ", "Indicatif Station", "../x");
    driver.then([](QDialog& window) { window.close(); });
    Main main(context);
    main.load();
    EXPECT_EQ(driver.handled, 1); // the first installation again
    EXPECT_EQ(messages.shown.value(0), firstInstallationText);
    EXPECT_EQ(context.Indicatif_Station, "FXXXX");
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty());
}

TEST_F(StartupTest, UnreadableLogAtStartIsReportedAndLeftAsItIs)
{
    settings.write("Setup ", "Indicatif Station", "F5ABC");
    ASSERT_TRUE(QDir(dir.path()).mkdir("F5ABC_DFCF.log"));
    Main main(context);
    main.load();
    EXPECT_EQ(driver.handled + driver.unexpected, 0); // not the missing-log window
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_TRUE(messages.last().startsWith("Impossible de lire le log F5ABC_DFCF.log."));
    EXPECT_TRUE(QFileInfo(path("F5ABC_DFCF.log")).isDir());
    EXPECT_FALSE(main.entry()->isEnabled());
}

} // namespace
