#include "platform/xlib/frame_schedule.h"

#include <gtest/gtest.h>

namespace {

constexpr std::int64_t millisecond = 1'000'000;

TEST(FrameScheduleTest, UnknownOrImplausibleRatesCountAsSixtyHertz)
{
    for (const double rate : {0.0, -60.0, 5.0, 1e6}) {
        FrameSchedule schedule;
        schedule.setRate(rate, false);
        schedule.started(0);
        EXPECT_EQ(schedule.wait(0), 1'000'000'000 / 60) << rate;
    }
    FrameSchedule schedule;
    schedule.setRate(144, false);
    schedule.started(0);
    EXPECT_EQ(schedule.wait(0), 1'000'000'000 / 144);
    FrameSchedule unpaced;
    unpaced.setRate(144, true);
    unpaced.started(0);
    EXPECT_EQ(unpaced.wait(0), 0);
}

TEST(FrameScheduleTest, EarlyFramesKeepToTheScheduleWithoutDrift)
{
    FrameSchedule schedule;
    schedule.setRate(50, false);
    const std::int64_t first = 100'000 * millisecond;
    EXPECT_EQ(schedule.wait(first), 0) << "the first frame at once";
    schedule.started(first);
    // Each frame is ready a little after the previous one started, well before its tick.
    for (std::int64_t frame = 1; frame <= 1000; ++frame) {
        const std::int64_t due = first + frame * 20 * millisecond;
        const std::int64_t ready = due - 15 * millisecond;
        ASSERT_EQ(schedule.wait(ready), 15 * millisecond) << frame;
        schedule.started(due + 100);
    }
}

TEST(FrameScheduleTest, LateFrameStartsAtOnceAndIsNotFollowedByABurst)
{
    FrameSchedule schedule;
    schedule.setRate(50, false);
    schedule.started(0);
    EXPECT_EQ(schedule.wait(500 * millisecond), 0);
    schedule.started(500 * millisecond);
    EXPECT_EQ(schedule.wait(501 * millisecond), 19 * millisecond);
    schedule.started(520 * millisecond);
    EXPECT_EQ(schedule.wait(521 * millisecond), 19 * millisecond);
}

}
