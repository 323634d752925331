#include "engine/engine_state.h"
#include "engine/frame_loop.h"
#include "engine/new_track_timer.h"

#include <climits>
#include <cstdint>
#include <gtest/gtest.h>

namespace {

class ClockTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        nowMs = 0;
        rideTime = 0;
        previousNowMs = 0;
        frameDelta = 0;
        frameCount = 0;
        nextSecond = 1.0;
        framesPerSecond = 30;
        lightPhase = 0;
    }

    void tickAt(std::int64_t milliseconds)
    {
        nowMs = milliseconds;
        tickClock();
    }
};

TEST_F(ClockTest, AGapOverATenthCountsAsFiftyMilliseconds)
{
    tickAt(250);
    EXPECT_DOUBLE_EQ(rideTime, 0.25);
    EXPECT_FLOAT_EQ(frameDelta, 0.05f);
    tickAt(350);
    EXPECT_FLOAT_EQ(frameDelta, 0.1f) << "exactly 0.1 s later advances by 0.1 s";
    tickAt(451);
    EXPECT_FLOAT_EQ(frameDelta, 0.05f);
    tickAt(5000);
    EXPECT_FLOAT_EQ(frameDelta, 0.05f);
    EXPECT_NEAR(lightPhase, 0.25, 1e-6);
}

TEST_F(ClockTest, FirstFrameCloseToStartUsesItsRealGap)
{
    tickAt(16);
    EXPECT_FLOAT_EQ(frameDelta, 0.016f);
}

TEST_F(ClockTest, FramesKeepTheirStepAfterWeeksOfRiding)
{
    constexpr std::int64_t day = 86400 * 1000;
    // 3 and 12 days lost every other step or ran slow in single precision; 24.8 days wrapped an int.
    for (const std::int64_t start : {3 * day, 12 * day, std::int64_t(INT32_MAX) - 40, 30 * day, 45 * day}) {
        tickAt(start);
        for (int frame = 1; frame <= 120; ++frame) {
            const std::int64_t step = frame % 3 == 0 ? 17 : 16;
            tickAt(nowMs + step);
            ASSERT_FLOAT_EQ(frameDelta, step * 0.001f) << "day " << start / day << ", frame " << frame;
            ASSERT_NEAR(rideTime, nowMs * 0.001, 1e-6);
        }
        tickAt(nowMs + 100);
        EXPECT_FLOAT_EQ(frameDelta, 0.1f);
        tickAt(nowMs + 101);
        EXPECT_FLOAT_EQ(frameDelta, 0.05f);
    }
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
    EXPECT_FALSE(timer.due(0.5));
    EXPECT_FALSE(timer.due(120.5));
    EXPECT_TRUE(timer.due(120.501));
    EXPECT_FALSE(timer.due(200.0));
    EXPECT_TRUE(timer.due(241.0));
    const double weeks = 30 * 86400.0;
    EXPECT_TRUE(timer.due(weeks));
    EXPECT_FALSE(timer.due(weeks + 120));
    EXPECT_TRUE(timer.due(weeks + 120.001));
}

TEST(RideEnd, ExitWaitsForTheFadeIn)
{
    EXPECT_FALSE(rideEnds(1.99f, 0.5f));
    EXPECT_TRUE(rideEnds(2.0f, 0.5f));
    EXPECT_FALSE(rideEnds(50.0f, 0.0f));
}

TEST(Title, DriftsFromTheTopLeftCornerWithAWobble)
{
    // x = trunc(w t / 8), y = trunc((0.1 sin 2.5t + t / 8) h).
    const TitlePosition start = titlePosition(0.0, 1280, 720);
    EXPECT_EQ(start.x, 0);
    EXPECT_EQ(start.y, 0);
    const TitlePosition second = titlePosition(1.0, 1280, 720);
    EXPECT_EQ(second.x, 160);
    EXPECT_EQ(second.y, 133); // (0.0598 + 0.125) × 720
    const TitlePosition later = titlePosition(8.0, 1280, 720);
    EXPECT_EQ(later.x, 1280);
    EXPECT_EQ(later.y, 785); // (0.0913 + 1) × 720
    const TitlePosition dip = titlePosition(2.0, 640, 480);
    EXPECT_EQ(dip.x, 160);
    EXPECT_EQ(dip.y, 73); // (-0.0959 + 0.25) × 480
}

}
