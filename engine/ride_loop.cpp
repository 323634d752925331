#include "engine/ride_loop.h"

#include "engine/engine_clock.h"
#include "engine/engine_state.h"
#include "engine/frame_loop.h"

#include <GL/gl.h>

namespace {

bool (*stopWasAsked)() = nullptr;

bool start()
{
    return initEngine();
}

void resize(int width, int height)
{
    windowWidth = width;
    windowHeight = height;
    textOverlay.viewportWidth = width;
    textOverlay.viewportHeight = height;
    glViewport(0, 0, width, height);
}

void backBufferKept(bool kept)
{
    keptFrame.setBackBufferKept(kept);
}

bool drawFrame(std::int64_t now)
{
    nowMs = now;
    return frame();
}

// Esc, "Q" or "q" ask for the end, which comes once the fade-in is over.
void key(unsigned char pressed)
{
    if (rideChoice.hosted)
        return;
    if (pressed != 27 && pressed != 'Q' && pressed != 'q')
        return;
    // A press before the first frame finds rideTime still 0, which would read as "no request".
    if (exitRequestTime == 0)
        exitRequestTime = rideTime > 0 ? rideTime : 1e-6;
}

bool over(std::int64_t now)
{
    return stopWasAsked() || rideEnds(now * 0.001, exitRequestTime);
}

}

RideHooks RideLoopHooks(const RideChoice& choice, bool (*stopAsked)(), int stopDescriptor)
{
    rideChoice = choice;
    stopWasAsked = stopAsked;
    return {start, resize, backBufferKept, drawFrame, key, over, releaseResources, EngineMilliseconds,
            stopDescriptor};
}
