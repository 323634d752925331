#include "engine/ride_loop.h"

#include "engine/engine_options.h"
#include "engine/engine_state.h"
#include "engine/frame_loop.h"
#include "engine/stop_request.h"

#include <GL/gl.h>

bool startRide()
{
    return initEngine();
}

void rideResize(int width, int height)
{
    windowWidth = width;
    windowHeight = height;
    glViewport(0, 0, width, height);
}

void rideBackBufferKept(bool kept)
{
    keptFrame.setBackBufferKept(kept);
}

bool rideFrame(std::int64_t now)
{
    nowMs = now;
    return frame();
}

void rideKey(unsigned char key)
{
    if (engineOptions.hostWindow != 0)
        return;
    if (key != 27 && key != 'Q' && key != 'q')
        return;
    // A press before the first frame finds rideTime still 0, which would read as "no request".
    if (exitRequestTime == 0)
        exitRequestTime = rideTime > 0 ? rideTime : 1e-6;
}

bool rideOver(std::int64_t now)
{
    return rideEnds(now * 0.001, exitRequestTime);
}

void endRide()
{
    releaseResources();
    endProcess();
}
