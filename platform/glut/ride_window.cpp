#include "platform/glut/ride_window.h"

#include "engine/engine_options.h"
#include "platform/x11/cover_window.h"

#include <GL/freeglut.h>

namespace {

bool covering = false;
bool holdingKeyboard = false;
int framesSinceGrabAttempt = 0;

// Another program's grab (a menu, a window manager's key binding) ends on its own; asking a few
// times a second finds the keyboard free soon after without a request every frame.
constexpr int framesBetweenGrabAttempts = 15;

}

Monitor rideWindowPlace()
{
    if (engineOptions.hasMonitor)
        return {engineOptions.monitorX, engineOptions.monitorY, engineOptions.monitorWidth,
                engineOptions.monitorHeight};
    return {0, 0, glutGet(GLUT_SCREEN_WIDTH), glutGet(GLUT_SCREEN_HEIGHT)};
}

void setUpRideWindow()
{
    if (engineOptions.hostWindow != 0)
        return;
    const Monitor place = rideWindowPlace();
    covering = CoverWithCurrentGlWindow(place.x, place.y, place.width, place.height);
    if (!covering) {
        glutFullScreen();
        return;
    }
    holdingKeyboard = GrabKeyboardForCurrentGlWindow();
}

void keepRideWindow()
{
    if (!covering)
        return;
    KeepCoverOnTop();
    if (holdingKeyboard || ++framesSinceGrabAttempt < framesBetweenGrabAttempts)
        return;
    framesSinceGrabAttempt = 0;
    holdingKeyboard = GrabKeyboardForCurrentGlWindow();
}
