// The Wayland floor: the engine's Wayland window system driving the least a frame of the ride
// must do (the trails' dimming of the previous frame with the copy where the back buffer is not
// kept, depth clear, swap), paced by the compositor's frame callbacks. Ends on Esc, SIGTERM or
// SIGINT. Its frames and CPU time are measured from outside, as the engine's are.
#include "engine/engine_state.h"
#include "engine/scene/kept_frame.h"
#include "engine/scene/overlay.h"
#include "platform/wayland/wayland_window_system.h"

#include <GL/gl.h>
#include <csignal>

namespace {

volatile std::sig_atomic_t stopSignal = 0;
bool escape = false;
KeptFrame floorKept;

bool start()
{
    return true;
}

void resize(int width, int height)
{
    windowWidth = width;
    windowHeight = height;
    glViewport(0, 0, width, height);
}

bool frame()
{
    setOverlayProjection();
    floorKept.fadeBack(0.33f, windowWidth, windowHeight);
    glClear(GL_DEPTH_BUFFER_BIT);
    floorKept.keep();
    return !escape;
}

void key(unsigned char pressed)
{
    escape = escape || pressed == 27;
}

bool stopRequested()
{
    return stopSignal != 0;
}

void backBufferKept(bool kept)
{
    floorKept.setBackBufferKept(kept);
}

void release()
{
    floorKept.release();
}

void recordStop(int)
{
    stopSignal = 1;
}

}

int main()
{
    struct sigaction action {};
    action.sa_handler = recordStop;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
    const RideHooks hooks{start, resize, frame, key, stopRequested, backBufferKept, release};
    return RunWaylandWindowSystem(WaylandRideOptions{}, hooks);
}
