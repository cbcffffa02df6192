#include "logbook/bands.h"
#include "platform/settings.h"
#include "rig/rig_bands.h"
#include "rig/rig_settings.h"
#include "support/fake_platform.h"
#include <gtest/gtest.h>

TEST(RigBands, EachLabelHoldsItsEdgesAndNothingOneKilohertzOutside)
{
    QStringList labels;
    for (const BandEdges& band : bandEdges()) {
        labels << band.label;
        SCOPED_TRACE(band.label.toStdString());
        for (double hz : {band.lowHz, band.lowHz + 1e3, band.highHz - 1e3, band.highHz})
            EXPECT_EQ(bandForFrequency(hz), band.label) << hz;
        for (double hz : {band.lowHz - 1e3, band.highHz + 1e3})
            EXPECT_EQ(bandForFrequency(hz), QString()) << hz;
    }
    EXPECT_EQ(labels, bandLabels()); // the twelve labels of Bande_A, in its order
    EXPECT_EQ(bandForFrequency(1.809e6), QString());
    EXPECT_EQ(bandForFrequency(0), QString());
    EXPECT_EQ(bandForFrequency(1.2e9), QString());
}

TEST(RigBands, RadioModesBecomeEntryModesAndDataModesLeaveTheMode)
{
    for (const char* ssb : {"USB", "LSB", "usb"})
        EXPECT_EQ(modeForRig(ssb), "SSB");
    EXPECT_EQ(modeForRig("CW"), "CW");
    EXPECT_EQ(modeForRig("CWR"), "CW");
    EXPECT_EQ(modeForRig("FM"), "FM");
    EXPECT_EQ(modeForRig("AM"), "AM");
    for (const char* data : {"PKTUSB", "PKTLSB", "PKTFM", "RTTY", "RTTYR", "", "None"})
        EXPECT_EQ(modeForRig(data), QString()) << data;
}

TEST(RigBands, StatusShowsMegahertzWithACommaOrWhyTheRadioIsMissing)
{
    EXPECT_EQ(rigStatusText({true, 14205000, "USB", {}}), "Poste : 14,205 MHz SSB");
    EXPECT_EQ(rigStatusText({true, 144300000, "FM", {}}), "Poste : 144,300 MHz FM");
    EXPECT_EQ(rigStatusText({true, 14074000, "PKTUSB", {}}), "Poste : 14,074 MHz PKTUSB");
    EXPECT_EQ(rigStatusText({true, 7050499, "CW", {}}), "Poste : 7,050 MHz CW");
    EXPECT_EQ(rigStatusText({false, 0, {}, "le poste ne répond pas"}), "Poste : non connecté (le poste ne répond pas)");
    EXPECT_EQ(rigStatusText({}), "Poste : non connecté");
}

TEST(RigSettings, ChoicesAreKeptPerStationAndABadAddressIsRefused)
{
    FakeSettings settings;
    const RigConfig defaults = loadRigConfig(settings, "Setup F5ABC");
    EXPECT_FALSE(defaults.follow);
    EXPECT_EQ(defaults.model, RigConfig::netRigctl);
    EXPECT_EQ(defaults.address, "127.0.0.1:4532");

    RigConfig chosen{true, 3085, "/dev/ttyUSB0", 19200, "radio.local:4533"};
    saveRigConfig(settings, "Setup F5ABC", chosen);
    EXPECT_EQ(loadRigConfig(settings, "Setup F5ABC"), chosen);
    EXPECT_EQ(settings.read("Setup F5ABC", "Suivre le poste", ""), "Oui");
    EXPECT_EQ(loadRigConfig(settings, "Setup F6XYZ"), defaults);

    for (const char* bad : {"", "127.0.0.1", ":4532", "127.0.0.1:", "127.0.0.1:0", "127.0.0.1:65536", "hôte x:12", "a:b"})
        EXPECT_FALSE(checkRigAddress(bad).isEmpty()) << bad;
    EXPECT_EQ(checkRigAddress("::1:4532"), QString());
    // A hand-edited store with a broken address or speed falls back to the defaults.
    settings.write("Setup F5ABC", "Poste Adresse", "nowhere");
    settings.write("Setup F5ABC", "Poste Vitesse", "vite");
    EXPECT_EQ(loadRigConfig(settings, "Setup F5ABC").address, "127.0.0.1:4532");
    EXPECT_EQ(loadRigConfig(settings, "Setup F5ABC").baudRate, 9600);
}
