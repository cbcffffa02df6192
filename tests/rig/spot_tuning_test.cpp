#include "cluster/spots_dfcf_window.h"
#include "rig/rig_fixture.h"
#include "support/fake_rig.h"
#include <QAction>
#include <QTest>

namespace {

class SpotTuningTest : public RigWindowTest {
protected:
    void TearDown() override { window.reset(); } // the rig thread stops before the fake goes
    FakeRig rig;
};

} // namespace

TEST_F(SpotTuningTest, AChosenSpotTunesTheRadioOnlyWhileTheProgramFollowsIt)
{
    rig.set(14.2e6, "USB");
    start(rig);
    ASSERT_TRUE(waitStatus("Poste : 14,200 MHz SSB"));
    window->Mnu_Spots->trigger();
    auto* spots = window->findChild<Spots_DFCF*>();
    ASSERT_NE(spots, nullptr);
    emit spots->tuneRequested(7.012e6);
    EXPECT_TRUE(QTest::qWaitFor([&] { return rig.frequency() == 7.012e6; }, 2000));
    EXPECT_TRUE(waitStatus("Poste : 7,012 MHz SSB"));
}

TEST_F(SpotTuningTest, ASpotLeavesAnUnfollowedRadioAlone)
{
    rig.set(14.2e6, "USB");
    start(rig, QStringLiteral("Non"));
    window->Mnu_Spots->trigger();
    auto* spots = window->findChild<Spots_DFCF*>();
    ASSERT_NE(spots, nullptr);
    emit spots->tuneRequested(7.012e6);
    QTest::qWait(100);
    EXPECT_EQ(rig.frequency(), 14.2e6);
}
