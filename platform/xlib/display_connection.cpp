#include "platform/xlib/display_connection.h"

#include "contract/engine_contract.h"

#include <cstdio>
#include <cstdlib>
#include <poll.h>

namespace {

int errorCount = 0;

int countError(Display*, XErrorEvent*)
{
    ++errorCount;
    return 0;
}

int lostDisplay(Display*)
{
    std::fprintf(stderr, "Tavrolin.dll: lost the connection to the X server\n");
    std::_Exit(RideFailed);
}

}

DisplayConnection::~DisplayConnection()
{
    if (m_display)
        XCloseDisplay(m_display);
}

bool DisplayConnection::open()
{
    m_display = XOpenDisplay(nullptr);
    if (!m_display)
        return false;
    XSetErrorHandler(countError);
    XSetIOErrorHandler(lostDisplay);
    return true;
}

bool DisplayConnection::failed()
{
    XSync(m_display, False);
    const bool any = errorCount > 0;
    errorCount = 0;
    return any;
}

bool DisplayConnection::wait(int stopDescriptor, std::int64_t nanoseconds)
{
    // Replies read with earlier requests may have queued events that the descriptor no longer
    // shows.
    if (XEventsQueued(m_display, QueuedAfterFlush) > 0)
        nanoseconds = 0;
    pollfd watched[2] = {{ConnectionNumber(m_display), POLLIN, 0}, {stopDescriptor, POLLIN, 0}};
    timespec limit{static_cast<time_t>(nanoseconds / 1000000000), static_cast<long>(nanoseconds % 1000000000)};
    // A signal cuts the sleep short; the caller looks again.
    const int ready = ppoll(watched, 2, nanoseconds < 0 ? nullptr : &limit, nullptr);
    return ready > 0 && watched[1].revents != 0;
}

bool DisplayConnection::next(XEvent& event)
{
    if (XPending(m_display) == 0)
        return false;
    XNextEvent(m_display, &event);
    return true;
}
