// No X server a test can start here has DPMS (Xvfb, Xephyr and Xorg's dummy driver lack it), so
// the monitors' power enters at this decision instead of through the server.
#include "platform/xlib/ride_sight.h"

#include <X11/extensions/dpmsconst.h>
#include <gtest/gtest.h>

namespace {

TEST(RideSightTest, DrawsOnlyForAMappedUncoveredWindowOnAPoweredMonitor)
{
    EXPECT_TRUE(RideSight{}.seen()) << "before any notice";
    for (const MonitorPower saving : {MonitorPower::Standby, MonitorPower::Suspend, MonitorPower::Off})
        EXPECT_FALSE((RideSight{true, true, saving}.seen())) << static_cast<int>(saving);
    EXPECT_FALSE((RideSight{false, true, MonitorPower::On}.seen())) << "fully covered";
    EXPECT_FALSE((RideSight{true, false, MonitorPower::On}.seen())) << "host unmapped";
    EXPECT_TRUE((RideSight{true, true, MonitorPower::On}.seen()));
}

// Every level the server may report, and the same levels where DPMS is off or missing.
TEST(RideSightTest, EveryDpmsLevelRestsButOnAndOnlyWhereDpmsWorks)
{
    struct Level {
        unsigned dpms;
        bool rests;
    };
    for (const Level level : {Level{DPMSModeOn, false}, Level{DPMSModeStandby, true}, Level{DPMSModeSuspend, true},
                              Level{DPMSModeOff, true}, Level{7, false}}) {
        const RideSight sight{true, true, MonitorPowerFromDpms(true, true, level.dpms)};
        EXPECT_EQ(!sight.seen(), level.rests)
            << level.dpms;
        EXPECT_EQ(MonitorPowerFromDpms(true, false, level.dpms), MonitorPower::On) << "disabled " << level.dpms;
        EXPECT_EQ(MonitorPowerFromDpms(false, true, level.dpms), MonitorPower::On) << "not capable " << level.dpms;
    }
}

}
