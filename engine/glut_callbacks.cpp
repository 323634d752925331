#include "engine/glut_callbacks.h"

#include "engine/engine_clock.h"
#include "engine/engine_options.h"
#include "engine/engine_state.h"
#include "engine/display_pacing.h"
#include "engine/frame_loop.h"
#include "engine/ride_window.h"
#include "engine/stop_request.h"
#include "platform/files/end_with_parent.h"
#include "platform/gl/embedded_window.h"
#include "platform/gl/swap_interval.h"
#include "platform/x11/exited_window_manager.h"

#include <GL/freeglut.h>
#include <cstdlib>

namespace {

EmbeddedWindow embeddedWindow;

void endRide()
{
    releaseResources();
    std::exit(0);
}

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

}

void onDisplay()
{
    nowMs = EngineMilliseconds();
    frame();
    glutSwapBuffers();
}

void onIdle()
{
    if (stopRequested())
        endRide();
    if (engineOptions.hostWindow != 0 && !embeddedWindow.follow())
        endRide();
    keepRideWindow();
    waitForNextFrame();
    glutPostRedisplay();
}

void onReshape(int width, int height)
{
    windowWidth = width;
    windowHeight = height;
    glViewport(0, 0, width, height);
}

void onKeyboard(unsigned char key, int, int)
{
    // A manager owns the input of its window and ends the saver itself.
    if (engineOptions.hostWindow != 0)
        return;
    if (key != 27 && key != 'Q' && key != 'q')
        return;
    // A press before the first frame finds rideTime still 0, which would read as "no request".
    if (exitRequestTime == 0)
        exitRequestTime = rideTime > 0 ? rideTime : 1e-6;
}

void onPointerMotion(int, int)
{
}

int runEngine(int argc, char** argv)
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

    if (!initEngine())
        return 0;
    glutMainLoop();
    return 0;
}
