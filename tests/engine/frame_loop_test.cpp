#include "engine/engine_state.h"
#include "engine/frame_loop.h"
#include "engine/new_track_timer.h"

#include <gtest/gtest.h>

namespace {

class ClockTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        nowMs = 0;
        rideTime = 0;
        previousRideTime = 0;
        frameDelta = 0;
        frameCount = 0;
        nextSecond = 1.0;
        framesPerSecond = 30;
        lightPhase = 0;
    }

    void tickAt(int milliseconds)
    {
        nowMs = milliseconds;
        tickClock();
    }
};

TEST_F(ClockTest, LongGapCountsAsFiftyMilliseconds)
{
    tickAt(250);
    EXPECT_FLOAT_EQ(rideTime, 0.25f);
    EXPECT_FLOAT_EQ(frameDelta, 0.05f);
    tickAt(350); // exactly 0.1 s later (0.35 rounds below, so the gap is not above 0.1)
    EXPECT_NEAR(frameDelta, 0.1f, 1e-6f);
    tickAt(5000);
    EXPECT_FLOAT_EQ(frameDelta, 0.05f);
    EXPECT_NEAR(lightPhase, 0.2, 1e-6);
}

TEST_F(ClockTest, FirstFrameCloseToStartUsesItsRealGap)
{
    tickAt(16);
    EXPECT_NEAR(frameDelta, 0.016f, 1e-6f);
}

TEST_F(ClockTest, FrameRateStartsAtThirtyAndSamplesOncePerSecond)
{
    for (int ms = 16; ms < 1000; ms += 16)
        tickAt(ms);
    EXPECT_EQ(framesPerSecond, 30);
    tickAt(1000);
    EXPECT_EQ(framesPerSecond, 63);
    EXPECT_EQ(frameCount, 0);
    // After a stall the sample catches up one second per frame.
    tickAt(4500);
    EXPECT_EQ(framesPerSecond, 1);
    EXPECT_DOUBLE_EQ(nextSecond, 3.0);
    tickAt(4510);
    EXPECT_DOUBLE_EQ(nextSecond, 4.0);
}

TEST(NewTrackTimer, FirstFrameStartsTheCountAndEachPeriodIsStrict)
{
    NewTrackTimer timer;
    EXPECT_FALSE(timer.due(0.5f));
    EXPECT_FALSE(timer.due(120.5f));
    EXPECT_TRUE(timer.due(120.51f));
    EXPECT_FALSE(timer.due(200.0f));
    EXPECT_TRUE(timer.due(241.0f));
}

TEST(RideEnd, ExitWaitsForTheFadeIn)
{
    EXPECT_FALSE(rideEnds(1.99f, 0.5f));
    EXPECT_TRUE(rideEnds(2.0f, 0.5f));
    EXPECT_FALSE(rideEnds(50.0f, 0.0f));
}

TEST(Title, DriftsFromTheTopLeftCorner)
{
    const TitlePosition start = titlePosition(0.0f, 1280, 720);
    EXPECT_EQ(start.x, 0);
    EXPECT_EQ(start.y, 0);
    const TitlePosition later = titlePosition(8.0f, 1280, 720);
    EXPECT_EQ(later.x, 1280);
    EXPECT_GT(later.y, 600);
    EXPECT_LT(later.y, 800);
}

}
