#include "platform/glut/glut_callbacks.h"

#include "engine/engine_options.h"
#include "engine/engine_clock.h"
#include "engine/ride_loop.h"
#include "engine/stop_request.h"
#include "platform/files/end_with_parent.h"
#include "platform/gl/back_buffer_age.h"
#include "platform/gl/embedded_window.h"
#include "platform/gl/swap_interval.h"
#include "platform/glut/display_pacing.h"
#include "platform/glut/ride_sight.h"
#include "platform/glut/ride_window.h"
#include "platform/x11/monitor_power.h"

#include <GL/freeglut.h>
#include <cstdint>

namespace {

EmbeddedWindow embeddedWindow;

// While nobody can see the ride, a timer of this period replaces the idle callback, so the
// process sleeps between looks at the window, and wakes within it when the host is mapped again.
constexpr unsigned int restPeriodMs = 50;
// Asking the server for the monitors' power is a round trip; once a second is soon enough.
constexpr std::int64_t powerPeriodMs = 1000;

RideSight sight;
std::int64_t powerAskedMs = -powerPeriodMs;
bool resting = false;
// Each rest has its own number, so the timer of a rest already over does not tick on.
int restNumber = 0;

// Inside a manager's window: a window of the engine's own, made at the host's size off the
// visible screen and moved into the host at once, so it never shows at the top level.
bool createHostedWindow()
{
    if (!embeddedWindow.open(engineOptions.hostWindow))
        return false;
    glutInitWindowPosition(glutGet(GLUT_SCREEN_WIDTH), glutGet(GLUT_SCREEN_HEIGHT));
    glutInitWindowSize(embeddedWindow.width(), embeddedWindow.height());
    glutCreateWindow("Tavrolin_VC");
    return embeddedWindow.adoptCurrentWindow();
}

void onDisplay()
{
    rideBackBufferKept(BackBufferAge() == 1);
    if (!rideFrame(EngineMilliseconds()))
        endRide();
    glutSwapBuffers();
}

void onIdle();

// What every turn looks at, drawing or resting: stop requests, the host, the monitors' power,
// and the covering window's place on top.
void watchRide()
{
    if (stopRequested())
        endRide();
    if (engineOptions.hostWindow != 0) {
        if (!embeddedWindow.follow())
            endRide();
        sight.hostMapped = embeddedWindow.hostMapped();
    }
    const std::int64_t now = EngineMilliseconds();
    if (now - powerAskedMs >= powerPeriodMs) {
        powerAskedMs = now;
        sight.power = CurrentMonitorPower();
    }
    keepRideWindow();
}

void wake()
{
    resting = false;
    glutIdleFunc(onIdle);
}

void onRestTick(int number)
{
    if (!resting || number != restNumber)
        return;
    watchRide();
    // A key asked for the end while nothing was shown: end without another frame.
    if (rideOver(EngineMilliseconds()))
        endRide();
    if (sight.seen())
        wake();
    else
        glutTimerFunc(restPeriodMs, onRestTick, number);
}

void rest()
{
    resting = true;
    glutIdleFunc(nullptr);
    glutTimerFunc(restPeriodMs, onRestTick, ++restNumber);
}

void onIdle()
{
    watchRide();
    if (!sight.seen()) {
        rest();
        return;
    }
    waitForNextFrame();
    glutPostRedisplay();
}

void onWindowStatus(int status)
{
    sight.windowVisible = status == GLUT_FULLY_RETAINED || status == GLUT_PARTIALLY_RETAINED;
    if (!resting)
        return;
    // Shown again: the host's map notice may be waiting on the other connection.
    watchRide();
    if (sight.seen())
        wake();
}

void onReshape(int width, int height)
{
    rideResize(width, height);
}

void onKeyboard(unsigned char key, int, int)
{
    rideKey(key);
}

// The pointer never affects or ends the ride.
void onPointerMotion(int, int)
{
}

}

int RunGlutRide(int argc, char** argv)
{
    listenForStopRequests();
    if (engineOptions.shellProcess > 0 && !EndWithParent(engineOptions.shellProcess))
        return 0;

    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    Monitor place{0, 0, 0, 0};
    if (engineOptions.hostWindow != 0) {
        if (!createHostedWindow())
            return 1;
        place = {0, 0, embeddedWindow.width(), embeddedWindow.height()};
    } else {
        // Ask for the window's final place from the start, so that not even the first frame is
        // drawn at a default size or off the corner.
        place = rideWindowPlace();
        glutInitWindowPosition(place.x, place.y);
        glutInitWindowSize(place.width, place.height);
        glutCreateWindow("Tavrolin_VC");
        setUpRideWindow();
    }
    RequestSwapInterval(1);
    startPacing(place.x, place.y, place.width, place.height);

    glutKeyboardFunc(onKeyboard);
    glutPassiveMotionFunc(onPointerMotion);
    glutMotionFunc(onPointerMotion);
    glutReshapeFunc(onReshape);
    glutDisplayFunc(onDisplay);
    glutIdleFunc(onIdle);
    glutWindowStatusFunc(onWindowStatus);

    if (!startRide())
        return 0;
    // Inside a manager's window the pointer is the manager's: a warp would count as the user's
    // activity and end the saver.
    if (engineOptions.hostWindow == 0) {
        glutWarpPointer(glutGet(GLUT_WINDOW_WIDTH) / 2, glutGet(GLUT_WINDOW_HEIGHT) / 2);
        glutSetCursor(GLUT_CURSOR_NONE);
    }
    glutMainLoop();
    return 0;
}
