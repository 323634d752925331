#include "engine/new_track_timer.h"

bool NewTrackTimer::due(double rideTime)
{
    if (!m_started) {
        m_started = true;
        m_stamp = rideTime;
        return false;
    }
    if (rideTime > m_stamp + periodSeconds) {
        m_stamp = rideTime;
        return true;
    }
    return false;
}
