// The Wayland floor: the engine's Wayland window system driving the least a frame of the ride
// must do (depth clear, the trails' dimming of the previous frame, swap), paced by the
// compositor. Ends on Esc, SIGTERM or SIGINT, or after --frames N frames; prints its frame rate
// and CPU time per frame.
#include "platform/wayland/wayland_window_system.h"

#include <GL/gl.h>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

namespace {

volatile std::sig_atomic_t stopSignal = 0;
bool escape = false;
long framesWanted = 0;
long frames = 0;
std::chrono::steady_clock::time_point firstFrame;
double firstCpu = 0;

double processSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return now.tv_sec + now.tv_nsec * 1e-9;
}

bool start()
{
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    return true;
}

void resize(int width, int height)
{
    glViewport(0, 0, width, height);
}

bool frame()
{
    if (frames == 0) {
        firstFrame = std::chrono::steady_clock::now();
        firstCpu = processSeconds();
    }
    // The previous frame darkened in place by a third, as the trails do.
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glColor4f(0, 0, 0, 0.33f);
    glRectf(-1, -1, 1, 1);
    glDisable(GL_BLEND);
    glClear(GL_DEPTH_BUFFER_BIT);
    ++frames;
    return !escape && (framesWanted == 0 || frames < framesWanted);
}

void key(unsigned char pressed)
{
    escape = escape || pressed == 27;
}

bool stopRequested()
{
    return stopSignal != 0;
}

void backBufferKept(bool) {}

void release()
{
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - firstFrame).count();
    if (frames > 1 && seconds > 0)
        std::printf("floor: %ld frames, %.1f fps, CPU %.2f ms/frame\n", frames, (frames - 1) / seconds,
                    (processSeconds() - firstCpu) * 1000 / frames);
}

void recordStop(int)
{
    stopSignal = 1;
}

}

int main(int argc, char** argv)
{
    WaylandRideOptions options;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--frames") == 0 && i + 1 < argc)
            framesWanted = std::atol(argv[++i]);
        else if (std::strcmp(argv[i], "--output") == 0 && i + 1 < argc)
            options.outputName = argv[++i];
        else if (std::strcmp(argv[i], "--background") == 0)
            options.background = true;
        else if (std::strcmp(argv[i], "--fullscreen-window") == 0)
            options.fullscreenWindow = true;
    }
    struct sigaction action {};
    action.sa_handler = recordStop;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
    const RideHooks hooks{start, resize, frame, key, stopRequested, backBufferKept, release};
    return RunWaylandWindowSystem(options, hooks);
}
