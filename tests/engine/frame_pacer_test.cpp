#include "engine/frame_pacer.h"

#include <gtest/gtest.h>

namespace {

TEST(FramePacerTest, UnknownOrImplausibleRatesCountAsSixtyHertz)
{
    FramePacer pacer;
    for (double rate : {0.0, -60.0, 5.0, 1e6}) {
        pacer.setRefreshRate(rate);
        EXPECT_DOUBLE_EQ(pacer.period(), 1.0 / 60) << rate;
    }
    pacer.setRefreshRate(144);
    EXPECT_DOUBLE_EQ(pacer.period(), 1.0 / 144);
}

TEST(FramePacerTest, EarlyFramesKeepToTheScheduleWithoutDrift)
{
    FramePacer pacer;
    pacer.setRefreshRate(50);
    const double first = 100.0;
    EXPECT_DOUBLE_EQ(pacer.startTime(first), first);
    // Each frame is ready a little after the previous one started, well before its tick.
    for (int frame = 1; frame <= 1000; ++frame) {
        const double previousStart = first + (frame - 1) * 0.02;
        EXPECT_NEAR(pacer.startTime(previousStart + 0.005), first + frame * 0.02, 1e-9);
    }
}

TEST(FramePacerTest, LateFrameStartsAtOnceAndIsNotFollowedByABurst)
{
    FramePacer pacer;
    pacer.setRefreshRate(50);
    pacer.startTime(0);
    EXPECT_DOUBLE_EQ(pacer.startTime(0.5), 0.5);
    EXPECT_NEAR(pacer.startTime(0.501), 0.52, 1e-9);
    EXPECT_NEAR(pacer.startTime(0.521), 0.54, 1e-9);
}

TEST(FramePacerTest, RefreshRateIsAskedForTheMiddleOfTheWindow)
{
    // A wide, short monitor below and right of the origin: swapped axes or sides land elsewhere.
    const PixelPoint middle = pacingQueryPoint(100, 300, 1600, 400);
    EXPECT_EQ(middle.x, 900);
    EXPECT_EQ(middle.y, 500);
}

}
