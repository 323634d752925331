#pragma once

// Says when the ride is due a new track: every 120 seconds of ride time, counted from the
// first frame (not from zero, so a slow start does not shorten the first track).
class NewTrackTimer {
public:
    static constexpr double periodSeconds = 120.0;

    // Called once per frame with the ride time in seconds; true when a new track is due.
    bool due(double rideTime);

private:
    double m_stamp = 0;
    bool m_started = false;
};
