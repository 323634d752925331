#include "platform/glut/ride_rest.h"

#include "engine/engine_clock.h"
#include "engine/ride_loop.h"
#include "platform/xlib/ride_sight.h"
#include "platform/x11/monitor_power.h"

#include <GL/freeglut.h>
#include <cstdint>

namespace {

// A timer of this period looks at the window while resting: a wake-up costs next to nothing.
constexpr unsigned int restPeriodMs = 50;
// Asking the server for the monitors' power is a round trip; once a second is soon enough.
constexpr std::int64_t powerPeriodMs = 1000;

bool (*watchRide)() = nullptr;
void (*drawingIdle)() = nullptr;

RideSight sight;
std::int64_t powerAskedMs = -powerPeriodMs;
bool resting = false;
// Each rest has its own number, so the timer of a rest already over does not tick on.
int restNumber = 0;

void look(bool hostMapped)
{
    sight.hostMapped = hostMapped;
    const std::int64_t now = EngineMilliseconds();
    if (now - powerAskedMs >= powerPeriodMs) {
        powerAskedMs = now;
        sight.power = CurrentMonitorPower();
    }
}

void wake()
{
    resting = false;
    glutIdleFunc(drawingIdle);
}

void onRestTick(int number)
{
    if (!resting || number != restNumber)
        return;
    look(watchRide());
    // A key asked for the end while nothing was shown: end without another frame.
    if (rideOver(EngineMilliseconds()))
        endRide();
    if (sight.seen())
        wake();
    else
        glutTimerFunc(restPeriodMs, onRestTick, number);
}

void onWindowStatus(int status)
{
    sight.windowVisible = status == GLUT_FULLY_RETAINED || status == GLUT_PARTIALLY_RETAINED;
    if (!resting)
        return;
    // Shown again: the host's map notice may still wait on its own connection.
    look(watchRide());
    if (sight.seen())
        wake();
}

}

void PrepareRest(bool (*watch)(), void (*idle)())
{
    watchRide = watch;
    drawingIdle = idle;
    glutWindowStatusFunc(onWindowStatus);
}

bool RestIfUnseen(bool hostMapped)
{
    look(hostMapped);
    if (sight.seen())
        return false;
    resting = true;
    glutIdleFunc(nullptr);
    glutTimerFunc(restPeriodMs, onRestTick, ++restNumber);
    return true;
}
