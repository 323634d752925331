#include "platform/glut/glut_callbacks.h"

#include "engine/engine_clock.h"
#include "engine/engine_options.h"
#include "engine/ride_loop.h"
#include "engine/stop_request.h"
#include "platform/files/end_with_parent.h"
#include "platform/gl/back_buffer_age.h"
#include "platform/gl/embedded_window.h"
#include "platform/gl/swap_interval.h"
#include "platform/glut/display_pacing.h"
#include "platform/glut/ride_rest.h"
#include "platform/glut/ride_window.h"
#include "platform/x11/exited_window_manager.h"

#include <GL/freeglut.h>

namespace {

EmbeddedWindow embeddedWindow;

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

// Every turn, drawing or resting: stop requests, the host, the covering window's place on top.
// Whether the host is mapped (always, for a ride of its own).
bool watchRide()
{
    if (stopRequested())
        endRide();
    if (engineOptions.hostWindow != 0 && !embeddedWindow.follow())
        endRide();
    keepRideWindow();
    return engineOptions.hostWindow == 0 || embeddedWindow.hostMapped();
}

void onIdle()
{
    if (RestIfUnseen(watchRide()))
        return;
    waitForNextFrame();
    glutPostRedisplay();
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

    ForgetExitedWindowManager();
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
    PrepareRest(watchRide, onIdle);

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
