#include "screensaver_extension_source.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/scrnsaver.h>
#include <sys/socket.h>

namespace {

// How often input is looked for while idle: input ends the ride within a second.
constexpr int idleCheckMilliseconds = 250;

bool hasProperty(Display* display, Window window, const char* name)
{
    const Atom atom = XInternAtom(display, name, True);
    if (atom == None)
        return false;
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    const int status = XGetWindowProperty(display, window, atom, 0, 1, False, AnyPropertyType, &type, &format, &count,
                                          &after, &data);
    if (data)
        XFree(data);
    return status == Success && type != None;
}

// xscreensaver marks a top-level window of its own, where xscreensaver-command finds it; a client
// of the extension (XScreenSaverRegister) marks the root window.
bool otherSaverRuns(Display* display)
{
    const Window root = DefaultRootWindow(display);
    if (hasProperty(display, root, "_MIT_SCREEN_SAVER_ID"))
        return true;
    Window rootReturn = None, parent = None;
    Window* children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(display, root, &rootReturn, &parent, &children, &count))
        return false;
    // A window that goes meanwhile only fails its own property read.
    const auto ignore = XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
    bool found = false;
    for (unsigned int i = 0; i < count && !found; ++i)
        found = hasProperty(display, children[i], "_SCREENSAVER_VERSION");
    XSync(display, False);
    XSetErrorHandler(ignore);
    if (children)
        XFree(children);
    return found;
}

}

Display* ScreenSaverExtensionSource::Open(bool& extension, bool& otherSaver)
{
    extension = otherSaver = false;
    Display* display = XOpenDisplay(nullptr);
    if (!display)
        return nullptr;
    int eventBase = 0, errorBase = 0;
    extension = XScreenSaverQueryExtension(display, &eventBase, &errorBase);
    otherSaver = otherSaverRuns(display);
    return display;
}

ScreenSaverExtensionSource::ScreenSaverExtensionSource(Display* display, std::uint32_t timeoutMilliseconds)
    : m_display(display)
    , m_timeout(timeoutMilliseconds)
{
}

ScreenSaverExtensionSource::~ScreenSaverExtensionSource()
{
    if (m_display && !m_gone)
        XCloseDisplay(m_display);
}

void ScreenSaverExtensionSource::start(Report report)
{
    m_report = std::move(report);
    XScreenSaverInfo info {};
    if (XScreenSaverQueryInfo(m_display, DefaultRootWindow(m_display), &info))
        m_lastIdleTime = info.idle;
}

int ScreenSaverExtensionSource::descriptor() const
{
    return ConnectionNumber(m_display);
}

bool ScreenSaverExtensionSource::connectionClosed() const
{
    // Xlib would end the whole process on a closed connection, before anything could be tidied.
    char byte = 0;
    return recv(ConnectionNumber(m_display), &byte, 1, MSG_PEEK | MSG_DONTWAIT) == 0;
}

void ScreenSaverExtensionSource::dispatch()
{
    if (m_gone)
        return;
    if (connectionClosed()) {
        m_gone = true;
        m_report(IdleEvent::Gone);
        return;
    }
    while (XPending(m_display) > 0) {
        XEvent event;
        XNextEvent(m_display, &event);
    }
    XScreenSaverInfo info {};
    if (!XScreenSaverQueryInfo(m_display, DefaultRootWindow(m_display), &info))
        return;
    // While idle the idle time only grows; falling back means input came.
    const bool idle = m_idle ? info.idle >= m_lastIdleTime : info.idle >= m_timeout;
    m_lastIdleTime = info.idle;
    if (idle == m_idle)
        return;
    m_idle = idle;
    m_report(idle ? IdleEvent::Idle : IdleEvent::Active);
}

int ScreenSaverExtensionSource::nextCheckMilliseconds() const
{
    if (m_gone)
        return -1;
    if (m_idle)
        return idleCheckMilliseconds;
    return m_lastIdleTime >= m_timeout ? 0 : static_cast<int>(m_timeout - m_lastIdleTime);
}
