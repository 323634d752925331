#include "engine_watch.h"

bool EngineWatch::rideIsOver(bool windowPresent, bool processEnded, double secondsSinceStart)
{
    if (m_over)
        return true;
    if (windowPresent) {
        m_windowSeen = true;
        return false;
    }
    m_over = m_windowSeen || processEnded || secondsSinceStart >= StartLimit;
    return m_over;
}
