#include "platform/x11/monitor.h"

#include <gtest/gtest.h>
// After GoogleTest: Xlib defines macros that clash with its names.
#include <X11/Xlib.h>

namespace {

// A plain virtual display: one monitor, the whole screen, with a refresh rate of 0 (unknown).
TEST(MonitorTest, SingleScreenIsOneMonitorCoveringIt)
{
    Display* display = XOpenDisplay(nullptr);
    ASSERT_NE(display, nullptr);
    const int width = DisplayWidth(display, DefaultScreen(display));
    const int height = DisplayHeight(display, DefaultScreen(display));
    XCloseDisplay(display);

    const std::vector<Monitor> monitors = Monitors();
    ASSERT_EQ(monitors.size(), 1u);
    EXPECT_EQ(monitors[0].x, 0);
    EXPECT_EQ(monitors[0].y, 0);
    EXPECT_EQ(monitors[0].width, width);
    EXPECT_EQ(monitors[0].height, height);
    EXPECT_EQ(RefreshRateAt(width / 2, height / 2), 0);
    EXPECT_EQ(RefreshRateAt(-5, -5), 0);
}

}
