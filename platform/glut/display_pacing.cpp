#include "platform/glut/display_pacing.h"

#include "engine/frame_pacer.h"
#include "platform/x11/monitor.h"

#include <chrono>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

FramePacer pacer;
bool pacing = false;

double secondsNow()
{
    return std::chrono::duration<double>(Clock::now().time_since_epoch()).count();
}

}

void startPacing(bool paced, int x, int y, int width, int height)
{
    pacing = paced;
    const PixelPoint middle = pacingQueryPoint(x, y, width, height);
    pacer.setRefreshRate(RefreshRateAt(middle.x, middle.y));
}

void waitForNextFrame()
{
    if (!pacing)
        return;
    const double now = secondsNow();
    const double start = pacer.startTime(now);
    if (start > now)
        std::this_thread::sleep_until(Clock::time_point(std::chrono::duration_cast<Clock::duration>(
            std::chrono::duration<double>(start))));
}
