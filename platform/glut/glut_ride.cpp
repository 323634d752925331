#include "platform/glut/glut_ride.h"

#include "contract/engine_contract.h"
#include "platform/gl/back_buffer_age.h"
#include "platform/gl/embedded_window.h"
#include "platform/gl/swap_interval.h"
#include "platform/glut/display_pacing.h"
#include "platform/glut/ride_rest.h"
#include "platform/glut/ride_window.h"
#include "platform/x11/exited_window_manager.h"

#include <GL/freeglut.h>
#include <GL/glx.h>
#include <cstdio>

namespace {

const RideHooks* ride = nullptr;
bool hosted = false;
EmbeddedWindow* embeddedWindow = nullptr;
// The exit status once the ride has ended; -1 while it runs.
int status = -1;

void end(int code)
{
    if (status < 0)
        status = code;
}

// Inside a manager's window: a window of the engine's own, made at the host's size off the
// visible screen and moved into the host at once, so it never shows at the top level.
bool createHostedWindow(unsigned long host)
{
    if (!embeddedWindow->open(host))
        return false;
    glutInitWindowPosition(glutGet(GLUT_SCREEN_WIDTH), glutGet(GLUT_SCREEN_HEIGHT));
    glutInitWindowSize(embeddedWindow->width(), embeddedWindow->height());
    glutCreateWindow("Tavrolin_VC");
    return embeddedWindow->adoptCurrentWindow();
}

void onDisplay()
{
    if (status >= 0)
        return;
    ride->backBufferKept(BackBufferAge() == 1);
    if (!ride->frame(ride->now())) {
        end(RideEnded);
        return;
    }
    glutSwapBuffers();
}

// Every turn, drawing or resting: the ride's end, the host, the covering window's place on top.
// Whether the host is mapped (always, for a ride of its own).
bool watchRide()
{
    if (ride->over(ride->now()) || (hosted && !embeddedWindow->follow())) {
        end(RideEnded);
        return false;
    }
    keepRideWindow();
    return !hosted || embeddedWindow->hostMapped();
}

void onReshape(int width, int height)
{
    ride->resize(width, height);
}

void onKeyboard(unsigned char key, int, int)
{
    ride->key(key);
}

// The pointer never affects or ends the ride.
void onPointerMotion(int, int)
{
}

// Events and the frame asked for, then the next turn: rest while unseen, else the next frame.
void runTurns(int displayDescriptor)
{
    while (status < 0) {
        glutMainLoopEvent();
        // A window manager that closed the window took the ride with it.
        if (glutGetWindow() == 0)
            end(RideEnded);
        if (status >= 0)
            break;
        const bool hostMapped = watchRide();
        if (status >= 0)
            break;
        if (RideUnseen(hostMapped)) {
            RestAWhile(displayDescriptor, ride->stopDescriptor);
            continue;
        }
        waitForNextFrame();
        glutPostRedisplay();
    }
}

}

int RunGlutRide(const GlutRideOptions& options, const RideHooks& hooks)
{
    ride = &hooks;
    hosted = options.hostWindow != 0;
    EmbeddedWindow embedded;
    embeddedWindow = &embedded;
    ForgetExitedWindowManager();
    // freeglut reads no switches of the engine's.
    char name[] = "Tavrolin.dll";
    char* words[] = {name, nullptr};
    int count = 1;
    glutInit(&count, words);
    glutSetOption(GLUT_ACTION_ON_WINDOW_CLOSE, GLUT_ACTION_CONTINUE_EXECUTION);
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    Monitor place{0, 0, 0, 0};
    if (hosted) {
        if (!createHostedWindow(options.hostWindow)) {
            std::fprintf(stderr, "Tavrolin.dll: no X window 0x%lx to ride in\n", options.hostWindow);
            return RideFailed;
        }
        place = {0, 0, embedded.width(), embedded.height()};
    } else {
        // Ask for the window's final place from the start, so that not even the first frame is
        // drawn at a default size or off the corner.
        place = RideWindowPlace(options.monitor);
        glutInitWindowPosition(place.x, place.y);
        glutInitWindowSize(place.width, place.height);
        glutCreateWindow("Tavrolin_VC");
        SetUpRideWindow(place);
    }
    RequestSwapInterval(1);
    startPacing(!options.unpaced, place.x, place.y, place.width, place.height);

    glutKeyboardFunc(onKeyboard);
    glutPassiveMotionFunc(onPointerMotion);
    glutMotionFunc(onPointerMotion);
    glutReshapeFunc(onReshape);
    glutDisplayFunc(onDisplay);
    PrepareRest();

    if (!hooks.start()) {
        std::fprintf(stderr, "Tavrolin.dll: the ride could not start\n");
        return RideFailed;
    }
    // Inside a manager's window the pointer is the manager's: a warp would count as the user's
    // activity and end the saver.
    if (!hosted) {
        glutWarpPointer(glutGet(GLUT_WINDOW_WIDTH) / 2, glutGet(GLUT_WINDOW_HEIGHT) / 2);
        glutSetCursor(GLUT_CURSOR_NONE);
    }
    Display* const display = glXGetCurrentDisplay();
    runTurns(ConnectionNumber(display));
    hooks.release();
    // Gone now, while a host's errors still end nothing: the host may have taken it already.
    if (glutGetWindow() != 0)
        glutDestroyWindow(glutGetWindow());
    XSync(display, False);
    return status;
}
