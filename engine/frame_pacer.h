#pragma once

// Keeps frames from coming faster than the display shows them, for drivers that ignore the swap
// interval. Times are seconds on a steady clock; pure arithmetic, no clock or GL of its own.
class FramePacer {
public:
    virtual ~FramePacer() = default;

    // Frames per second of the display; rates below 20 or above 1000 Hz (unknown, or the 0
    // that virtual displays report) count as 60.
    void setRefreshRate(double hertz);

    // Seconds between frames.
    double period() const { return m_period; }

    // When a frame that is ready at `now` may start: at once for the first frame and for a late
    // one, otherwise at the next tick of the schedule. A late frame restarts the schedule, so a
    // stall is never followed by a burst.
    double startTime(double now);

private:
    double m_period = 1.0 / 60;
    double m_next = 0;
    bool m_started = false;
};

// The pixel whose monitor's refresh rate paces a window at (x, y) of width × height pixels
// (screen pixels from the top-left corner): the window's middle.
struct PixelPoint {
    int x;
    int y;
};
PixelPoint pacingQueryPoint(int x, int y, int width, int height);
