#pragma once

// Decides, at each watch tick, whether the ride is over. The engine's window is the sign that it
// runs; its absence means the end only once it has been seen, so a slow start is not taken for an
// end. An engine whose process has ended, or that has shown no window within the start limit,
// counts as ended too.
class EngineWatch {
public:
    // Seconds an engine may take to open its window.
    static constexpr double StartLimit = 10.0;

    // windowPresent: the engine's window exists now. processEnded: the engine's process has ended
    // (or never started). secondsSinceStart: time since the engine was started.
    // Returns true when the ride is over; stays true from then on.
    bool rideIsOver(bool windowPresent, bool processEnded, double secondsSinceStart);

    bool windowSeen() const { return m_windowSeen; }

private:
    bool m_windowSeen = false;
    bool m_over = false;
};
