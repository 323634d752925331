// No X server a test can start here has DPMS (Xvfb, Xephyr and Xorg's dummy driver lack it), so
// the monitors' power enters at this decision instead of through the server.
#include "platform/xlib/ride_sight.h"

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

}
