#pragma once

// Says when the ride is due a new track: every 120 seconds of ride time, counted from the
// first frame (not from zero, so a slow start does not shorten the first track).
class NewTrackTimer {
public:
    static constexpr float periodSeconds = 120.0f;

    // Called once per frame with the ride time in seconds; true when a new track is due.
    bool due(float rideTime);

private:
    float m_stamp = 0;
    bool m_started = false;
};
