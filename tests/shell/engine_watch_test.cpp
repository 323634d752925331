#include "shell/engine_watch.h"

#include <gtest/gtest.h>

namespace {

TEST(EngineWatchTest, SlowStartIsNotTakenForAnEnd)
{
    EngineWatch watch;
    EXPECT_FALSE(watch.rideIsOver(false, false, 0.5));
    EXPECT_FALSE(watch.rideIsOver(false, false, 9.9));
    EXPECT_FALSE(watch.rideIsOver(true, false, 10.4));
    EXPECT_TRUE(watch.windowSeen());
}

TEST(EngineWatchTest, RideEndsOnceTheSeenWindowHasGone)
{
    EngineWatch watch;
    EXPECT_FALSE(watch.rideIsOver(true, false, 0.5));
    EXPECT_FALSE(watch.rideIsOver(true, false, 120.0));
    EXPECT_TRUE(watch.rideIsOver(false, false, 120.5));
    // Over is final, even if a window of that title shows up again.
    EXPECT_TRUE(watch.rideIsOver(true, false, 121.0));
}

TEST(EngineWatchTest, EngineThatNeverShowsAWindowEndsAfterTenSeconds)
{
    EngineWatch watch;
    EXPECT_FALSE(watch.rideIsOver(false, false, 9.99));
    EXPECT_TRUE(watch.rideIsOver(false, false, 10.0));
}

TEST(EngineWatchTest, EngineProcessThatEndedWithoutAWindowEndsTheRideAtOnce)
{
    EngineWatch watch;
    EXPECT_TRUE(watch.rideIsOver(false, true, 0.5));
}

TEST(EngineWatchTest, WindowCountsEvenIfItsProcessIsNotTheOneStarted)
{
    EngineWatch watch;
    EXPECT_FALSE(watch.rideIsOver(true, true, 0.5));
    EXPECT_TRUE(watch.rideIsOver(false, true, 1.0));
}

}
