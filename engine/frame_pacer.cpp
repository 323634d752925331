#include "engine/frame_pacer.h"

void FramePacer::setRefreshRate(double hertz)
{
    const bool plausible = hertz >= 20 && hertz <= 1000;
    m_period = 1.0 / (plausible ? hertz : 60);
}

double FramePacer::startTime(double now)
{
    if (!m_started || now >= m_next) {
        m_started = true;
        m_next = now + m_period;
        return now;
    }
    const double start = m_next;
    m_next += m_period;
    return start;
}

PixelPoint pacingQueryPoint(int x, int y, int width, int height)
{
    return {x + width / 2, y + height / 2};
}
