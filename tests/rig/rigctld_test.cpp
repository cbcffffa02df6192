#include "platform/qt_rig.h"
#include "rig/rig_control.h"
#include "rig/rig_fixture.h"
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>

namespace {

HamlibRig& hamlib()
{
    static HamlibRig rig;
    return rig;
}

} // namespace

class RigctldTest : public RigWindowTest {
protected:
    void SetUp() override
    {
        if (QStandardPaths::findExecutable("rigctld").isEmpty())
            GTEST_SKIP() << "rigctld (libhamlib-utils) is not installed";
        port = freeLocalPort();
        ASSERT_TRUE(radio.start(port));
        start(hamlib());
    }
    void tuneRadio(const char* hz, const char* mode)
    {
        ASSERT_TRUE(radio.send({QString("F %1").arg(hz), QString("M %1 0").arg(mode)}));
    }
    Rigctld radio;
};

TEST_F(RigctldTest, TheRadioSetsBandAndModeAndTheyAreRemembered)
{
    tuneRadio("14205000", "USB");
    ASSERT_TRUE(waitStatus("Poste : 14,205 MHz SSB")) << status().toStdString();
    EXPECT_EQ(f->Bande_A->currentText(), "14 Mhz");
    EXPECT_EQ(f->Mode_A->currentText(), "SSB");
    EXPECT_EQ(settings.read("Setup F5ABC", "bande Utilisee", ""), "4");
    EXPECT_EQ(settings.read("Setup F5ABC", "Mode Utilise", ""), "0");

    tuneRadio("144300000", "FM");
    ASSERT_TRUE(waitStatus("Poste : 144,300 MHz FM")) << status().toStdString();
    EXPECT_EQ(f->Bande_A->currentText(), "144 Mhz");
    EXPECT_EQ(f->Mode_A->currentText(), "FM");
    EXPECT_EQ(settings.read("Setup F5ABC", "bande Utilisee", ""), "10");
    EXPECT_EQ(settings.read("Setup F5ABC", "Mode Utilise", ""), "2");

    // Between two bands, and in a data mode: the entry keeps what it had.
    tuneRadio("15000000", "PKTUSB");
    ASSERT_TRUE(waitStatus("Poste : 15,000 MHz PKTUSB")) << status().toStdString();
    EXPECT_EQ(f->Bande_A->currentText(), "144 Mhz");
    EXPECT_EQ(f->Mode_A->currentText(), "FM");
    EXPECT_EQ(settings.read("Setup F5ABC", "bande Utilisee", ""), "10");
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(RigctldTest, AQsoBeingTypedKeepsItsBandAndModeUntilItIsDone)
{
    tuneRadio("14205000", "USB");
    ASSERT_TRUE(waitStatus("Poste : 14,205 MHz SSB"));
    QTest::keyClicks(f->Ind_A, "F6XYZ");
    tuneRadio("144300000", "FM");
    ASSERT_TRUE(waitStatus("Poste : 144,300 MHz FM"));
    QTest::qWait(150); // a few more readings
    EXPECT_EQ(f->Bande_A->currentText(), "14 Mhz");
    EXPECT_EQ(f->Mode_A->currentText(), "SSB");
    EXPECT_EQ(f->Ind_A->text(), "F6XYZ");

    // Once the entry is abandoned, the radio's choice comes in.
    f->Efface_A->click();
    EXPECT_TRUE(QTest::qWaitFor([&] { return f->Bande_A->currentText() == "144 Mhz"; }, 3000));
    EXPECT_EQ(f->Mode_A->currentText(), "FM");
}

TEST_F(RigctldTest, ALostRadioShowsNotConnectedOnceAndIsFoundAgain)
{
    tuneRadio("7050000", "CW");
    ASSERT_TRUE(waitStatus("Poste : 7,050 MHz CW"));
    radio.stop();
    ASSERT_TRUE(waitStatus("Poste : non connecté (", true)) << status().toStdString();
    QTest::qWait(500); // several retries
    EXPECT_TRUE(messages.shown.isEmpty());
    EXPECT_EQ(f->Bande_A->currentText(), "7.0 Mhz");

    ASSERT_TRUE(radio.start(port));
    EXPECT_TRUE(QTest::qWaitFor([&] { return status().contains("MHz"); }, 5000)) << status().toStdString();
    tuneRadio("21300000", "USB");
    EXPECT_TRUE(waitStatus("Poste : 21,300 MHz SSB"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return f->Bande_A->currentText() == "21 Mhz"; }, 3000));
}

TEST_F(RigctldTest, TuningFromTheProgramMovesTheRadio)
{
    tuneRadio("14205000", "USB");
    ASSERT_TRUE(waitStatus("Poste : 14,205 MHz SSB"));
    context.rigControl->tune(28450000);
    EXPECT_TRUE(waitStatus("Poste : 28,450 MHz SSB")) << status().toStdString();
    EXPECT_TRUE(QTest::qWaitFor([&] { return f->Bande_A->currentText() == "28 Mhz"; }, 3000));
}

TEST_F(RigctldTest, AFrequencyNoRadioCanHaveIsAFailedReadingThatLeavesTheEntryAlone)
{
    tuneRadio("14205000", "USB");
    ASSERT_TRUE(waitStatus("Poste : 14,205 MHz SSB"));
    const QString unreadable = QString::fromUtf8("Poste : non connecté (réponse illisible du poste)");
    for (const char* hz : {"-14205000", "1000000000000"}) {
        tuneRadio(hz, "FM");
        ASSERT_TRUE(waitStatus(unreadable)) << hz << " " << status().toStdString();
        QTest::qWait(300); // several readings, each opening the radio again
        EXPECT_EQ(status(), unreadable) << hz;
        EXPECT_EQ(f->Bande_A->currentText(), "14 Mhz") << hz;
        EXPECT_EQ(f->Mode_A->currentText(), "SSB") << hz;
    }
    EXPECT_EQ(settings.read("Setup F5ABC", "Mode Utilise", ""), "0");
    EXPECT_TRUE(messages.shown.isEmpty());

    tuneRadio("7050000", "CW");
    EXPECT_TRUE(waitStatus("Poste : 7,050 MHz CW")) << status().toStdString();
}
