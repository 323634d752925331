#include "x_connection.h"

namespace {

Display* trappedDisplay = nullptr;
bool trappedError = false;

int recordError(Display* display, XErrorEvent*)
{
    if (display == trappedDisplay)
        trappedError = true;
    return 0;
}

}

Display* SharedDisplay()
{
    static Display* const display = XOpenDisplay(nullptr);
    return display;
}

ErrorTrap::ErrorTrap(Display* display)
    : m_display(display)
{
    XSync(m_display, False);
    trappedDisplay = m_display;
    trappedError = false;
    m_previousHandler = XSetErrorHandler(recordError);
}

ErrorTrap::~ErrorTrap()
{
    XSync(m_display, False);
    XSetErrorHandler(m_previousHandler);
    trappedDisplay = nullptr;
}

bool ErrorTrap::failed()
{
    XSync(m_display, False);
    const bool result = trappedError;
    trappedError = false;
    return result;
}
