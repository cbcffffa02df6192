#include "rig/poste_radio_window.h"
#include "rig/rig_control.h"
#include "rig/rig_fixture.h"
#include "support/fake_rig.h"
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <cmath>

class PosteRadioTest : public RigWindowTest {
protected:
    void TearDown() override { window.reset(); } // the rig thread stops before the fake goes
    PosteRadio* posteRadio() const
    {
        for (QWidget* top : QApplication::topLevelWidgets())
            if (auto* found = qobject_cast<PosteRadio*>(top))
                return found;
        return nullptr;
    }
    FakeRig rig;
};

TEST_F(PosteRadioTest, FollowingStartsOnlyWhenChosenAndAWrongAddressChangesNothing)
{
    port = 4532;
    start(rig, "Non");
    EXPECT_FALSE(window->statusBar()->isVisible());
    QTest::qWait(100);
    EXPECT_EQ(rig.openCount(), 0);

    window->Mnu_Poste_Radio->trigger();
    PosteRadio* poste = posteRadio();
    ASSERT_NE(poste, nullptr);
    EXPECT_EQ(poste->windowTitle(), "Poste radio");
    EXPECT_EQ(poste->Modele->currentText(), "Hamlib NET rigctl (2)");
    EXPECT_EQ(poste->Adresse->text(), "127.0.0.1:4532");
    EXPECT_FALSE(poste->Port_Serie->isEnabled());
    EXPECT_TRUE(poste->Adresse->isEnabled());

    poste->Adresse->setText("127.0.0.1");
    poste->Suivre->setChecked(true);
    poste->Enregistrer->click();
    EXPECT_EQ(messages.last(), "L'adresse du poste doit être de la forme hôte:port, par exemple 127.0.0.1:4532.");
    EXPECT_EQ(settings.read("Setup F5ABC", "Suivre le poste", ""), "Non");
    EXPECT_EQ(rig.openCount(), 0);

    // A serial model wants its port.
    poste->Modele->setCurrentIndex(poste->Modele->findData(3085));
    EXPECT_TRUE(poste->Port_Serie->isEnabled());
    EXPECT_FALSE(poste->Adresse->isEnabled());
    poste->Port_Serie->setEditText("");
    poste->Enregistrer->click();
    EXPECT_EQ(messages.last(), "Choisissez le port série du poste.");

    poste->Modele->setCurrentIndex(poste->Modele->findData(2));
    poste->Adresse->setText("127.0.0.1:4533");
    rig.set(3.65e6, "LSB");
    poste->Enregistrer->click();
    EXPECT_EQ(settings.read("Setup F5ABC", "Suivre le poste", ""), "Oui");
    EXPECT_EQ(settings.read("Setup F5ABC", "Poste Adresse", ""), "127.0.0.1:4533");
    EXPECT_TRUE(waitStatus("Poste : 3,650 MHz SSB")) << status().toStdString();
    EXPECT_TRUE(window->statusBar()->isVisible());
    EXPECT_EQ(poste->Etat->text(), "Poste : 3,650 MHz SSB");
    EXPECT_EQ(f->Bande_A->currentText(), "3.5 Mhz");

    // Off again: the radio is left alone and tuning requests are ignored.
    poste->Suivre->setChecked(false);
    poste->Enregistrer->click();
    EXPECT_FALSE(window->statusBar()->isVisible());
    context.rigControl->tune(7.1e6);
    QTest::qWait(100);
    EXPECT_EQ(rig.frequency(), 3.65e6);
    delete poste;
}

TEST_F(PosteRadioTest, AnUnreachableRadioIsRetriedQuietlyAndAnAmModeIsTypedIn)
{
    rig.set(14.2e6, "USB", false);
    start(rig);
    ASSERT_TRUE(waitStatus("Poste : non connecté (le poste ne répond pas)"));
    const int before = rig.openCount();
    QTest::qWait(700);
    EXPECT_GE(rig.openCount(), before + 1);
    EXPECT_LE(rig.openCount(), before + 6); // every retry interval, not in a loop
    EXPECT_TRUE(messages.shown.isEmpty());

    rig.set(29.0e6, "AM");
    ASSERT_TRUE(waitStatus("Poste : 29,000 MHz AM"));
    EXPECT_EQ(f->Bande_A->currentText(), "28 Mhz");
    EXPECT_EQ(f->Mode_A->currentText(), "AM");
    EXPECT_EQ(settings.read("Setup F5ABC", "Mode Utilise", "0"), "0"); // no index to remember
}

TEST_F(PosteRadioTest, ANanFrequencyIsAFailedReading)
{
    rig.set(std::nan(""), "FM");
    start(rig);
    EXPECT_TRUE(waitStatus(QString::fromUtf8("Poste : non connecté (réponse illisible du poste)"))) << status().toStdString();
    EXPECT_EQ(f->Mode_A->currentText(), "SSB");
}
