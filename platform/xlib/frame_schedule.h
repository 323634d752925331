#pragma once

#include <cstdint>

// When the next frame is due, where the driver's swap interval does not already hold frames to
// the display (software rendering, virtual displays): one frame per refresh of the monitor. A
// frame that comes late restarts the schedule from then, so a stall is never followed by a burst.
// Pure arithmetic on nanoseconds of a steady clock.
class FrameSchedule {
public:
    // Frames per second; below 20 or above 1000 (unknown, or the 0 virtual displays report): 60.
    // 0 frames back to back (benchmarks).
    void setRate(double hertz, bool unpaced);

    // Nanoseconds from now until the next frame is due; 0 when it is due now.
    std::int64_t wait(std::int64_t now) const;

    // A frame started at now.
    void started(std::int64_t now);

private:
    std::int64_t m_period = 0;
    std::int64_t m_due = 0;
};
