#include "platform/xlib/frame_schedule.h"

void FrameSchedule::setRate(double hertz, bool unpaced)
{
    const bool plausible = hertz >= 20 && hertz <= 1000;
    m_period = unpaced ? 0 : static_cast<std::int64_t>(1e9 / (plausible ? hertz : 60));
}

std::int64_t FrameSchedule::wait(std::int64_t now) const
{
    return m_due > now ? m_due - now : 0;
}

void FrameSchedule::started(std::int64_t now)
{
    // On time: the next tick of the schedule. Late by more than a period: a fresh start.
    m_due = now - m_due < m_period ? m_due + m_period : now + m_period;
}
