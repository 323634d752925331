// The smallest ride the X11 window system can show, for what every frame of a full-screen saver
// must do: a window, a clear and a swap, on the engine's own Xlib and GLX path. Its peak memory
// is the baseline for the engine's. Ends on any key or SIGTERM.
#include "platform/xlib/xlib_ride.h"

#include <GL/gl.h>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

int stopPipe[2] = {-1, -1};
bool keyPressed = false;

bool start()
{
    return true;
}

void resize(int width, int height)
{
    glViewport(0, 0, width, height);
}

void backBufferKept(bool)
{
}

bool frame(std::int64_t)
{
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    return !keyPressed;
}

void key(unsigned char)
{
    keyPressed = true;
}

bool over(std::int64_t)
{
    return keyPressed;
}

void release()
{
}

std::int64_t now()
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

void wake(int)
{
    const char byte = 1;
    if (write(stopPipe[1], &byte, 1) < 0) {
        // Full: the stop is already there to be read.
    }
}

}

int main()
{
    if (pipe2(stopPipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return 1;
    struct sigaction action {};
    action.sa_handler = wake;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
    const RideHooks hooks{start, resize, backBufferKept, frame, key, over, release, now, stopPipe[0]};
    return RunXlibRide(hooks, XlibRideOptions{});
}
