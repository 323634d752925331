#include "platform/glut/ride_window.h"

#include "platform/gl/drawing_size.h"
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

Monitor RideWindowPlace(const std::optional<Monitor>& monitor)
{
    const DrawingSize screen{glutGet(GLUT_SCREEN_WIDTH), glutGet(GLUT_SCREEN_HEIGHT)};
    if (!monitor)
        return {0, 0, screen.width, screen.height};
    const DrawingSize size = BoundedDrawingSize({monitor->width, monitor->height}, screen, {0, 0});
    return {monitor->x, monitor->y, size.width, size.height};
}

void SetUpRideWindow(const Monitor& place)
{
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
