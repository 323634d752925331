// The Wayland floor: the engine's Wayland window system driving the least a frame of the ride
// must do (the trails' dimming of the previous frame with the copy where the back buffer is not
// kept, depth clear, swap), paced by the compositor's frame callbacks. Ends on Esc, SIGTERM or
// SIGINT. Its frames and CPU time are measured from outside, as the engine's are.
#include "engine/engine_state.h"
#include "engine/scene/kept_frame.h"
#include "engine/scene/overlay.h"
#include "platform/wayland/wayland_window_system.h"

#include "engine/engine_clock.h"

#include <GL/gl.h>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

volatile std::sig_atomic_t stopSignal = 0;
int wake[2] = {-1, -1};
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

bool frame(std::int64_t)
{
    setOverlayProjection(windowWidth, windowHeight);
    floorKept.fadeBack(0.33f, windowWidth, windowHeight);
    glClear(GL_DEPTH_BUFFER_BIT);
    floorKept.keep();
    return !escape;
}

void key(unsigned char pressed)
{
    escape = escape || pressed == 27;
}

bool over(std::int64_t)
{
    return stopSignal != 0 || escape;
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
    [[maybe_unused]] const ssize_t written = write(wake[1], "", 1);
}

}

int main()
{
    if (pipe2(wake, O_CLOEXEC | O_NONBLOCK) != 0)
        return 1;
    struct sigaction action {};
    action.sa_handler = recordStop;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
    const RideHooks hooks{start, resize, backBufferKept, frame, key, over, release, EngineMilliseconds, wake[0]};
    return RunWaylandRide(WaylandRideOptions{}, hooks);
}
