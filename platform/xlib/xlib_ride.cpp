#include "platform/xlib/xlib_ride.h"

#include "contract/engine_contract.h"
#include "platform/x11/exited_window_manager.h"
#include "platform/x11/monitor.h"
#include "platform/x11/monitor_power.h"
#include "platform/gl/swap_interval.h"
#include "platform/xlib/display_connection.h"
#include "platform/xlib/frame_schedule.h"
#include "platform/xlib/glx_surface.h"
#include "platform/xlib/host_window.h"
#include "platform/xlib/ride_input.h"
#include "platform/xlib/ride_sight.h"
#include "platform/xlib/ride_window.h"

#include <GL/gl.h>
#include <chrono>
#include <cstdio>

namespace {

// Asking the server for the monitors' power is a round trip; once a second is soon enough, and
// it is all a resting ride wakes up for.
constexpr std::int64_t powerPeriod = 1'000'000'000;

std::int64_t nanosecondsNow()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

int failed(const char* reason)
{
    std::fprintf(stderr, "Tavrolin.dll: %s\n", reason);
    return RideFailed;
}

class Ride {
public:
    Ride(const RideHooks& hooks, const XlibRideOptions& options) : m_hooks(hooks), m_options(options) {}

    int run();

private:
    const RideHooks& m_hooks;
    const XlibRideOptions& m_options;
    // Declared in this order so that the context goes before its window, and both before the
    // connection.
    DisplayConnection m_connection;
    RideWindow m_window;
    GlxSurface m_glx;
    HostWindow m_host;
    RideInput m_input;
    FrameSchedule m_schedule;
    RideSight m_sight;
    DrawingSize m_size{0, 0};
    DrawingSize m_largestViewport{0, 0};
    std::int64_t m_powerAsked = 0;
    bool m_kept = false;
    bool m_ended = false;
    bool m_stackingChanged = false;
    char m_reason[64] = "";

    bool hosted() const { return m_options.hostWindow != 0; }
    const char* open();
    void ride();
    void take(XEvent& event);
    void followHost();
    void look(std::int64_t now);
    bool drawFrame();
};

int Ride::run()
{
    if (!m_connection.open())
        return failed("cannot open the X display");
    // Tidies up after a window manager that has exited, as the ride always has.
    ForgetExitedWindowManager();
    if (const char* reason = open())
        return failed(reason);
    const bool started = m_hooks.start();
    if (started)
        ride();
    m_hooks.release();
    m_glx.close();
    return started ? RideEnded : failed("the ride could not start");
}

const char* Ride::open()
{
    Display* const display = m_connection.display();
    if (const char* reason = m_glx.choose(display, m_connection.screen()))
        return reason;
    int x = m_options.x;
    int y = m_options.y;
    if (hosted()) {
        if (!m_host.watch(display, m_options.hostWindow) || m_connection.failed()) {
            std::snprintf(m_reason, sizeof m_reason, "no X window 0x%lx to ride in", m_options.hostWindow);
            return m_reason;
        }
        m_size = m_host.drawingSize(m_largestViewport);
        x = y = 0;
    } else {
        const DrawingSize screen{DisplayWidth(display, m_connection.screen()),
                                 DisplayHeight(display, m_connection.screen())};
        const bool monitor = m_options.width > 0 && m_options.height > 0;
        // Nobody sees more than the screen shows.
        m_size = monitor ? BoundedDrawingSize({m_options.width, m_options.height}, screen, {0, 0}) : screen;
    }
    if (!m_window.create(display, *m_glx.visual(), m_options.hostWindow, x, y, m_size.width, m_size.height) ||
        m_connection.failed())
        return "the X server refused the ride's window";
    if (const char* reason = m_glx.attach(m_window.window()))
        return reason;
    if (m_connection.failed())
        return "the X server refused the GLX config";

    GLint largest[2] = {0, 0};
    glGetIntegerv(GL_MAX_VIEWPORT_DIMS, largest);
    m_largestViewport = {largest[0], largest[1]};
    if (hosted())
        followHost();
    RequestSwapInterval(1);
    // Inside a manager's window the pointer and keys are the manager's: a warp would count as the
    // user's activity and end the saver.
    if (!hosted())
        m_input.take(display, m_window.window(), m_size.width, m_size.height);
    m_schedule.setRate(RefreshRateAt(x + m_size.width / 2, y + m_size.height / 2), m_options.unpaced);
    m_hooks.resize(m_size.width, m_size.height);
    m_kept = !m_options.forceFrameCopy && m_glx.backBufferKept();
    m_hooks.backBufferKept(m_kept);
    return nullptr;
}

void Ride::ride()
{
    for (;;) {
        XEvent event;
        while (!m_ended && m_connection.next(event))
            take(event);
        // Once for all the notices read: the check is a few round trips.
        if (m_stackingChanged)
            m_window.keepOnTop();
        m_stackingChanged = false;
        if (m_ended || m_connection.wait(m_hooks.stopDescriptor, 0))
            return;
        const std::int64_t now = nanosecondsNow();
        look(now);
        if (!m_sight.seen()) {
            // A key asked for the end while nothing was shown: end without another frame.
            if (m_hooks.over(m_hooks.now()))
                return;
            m_connection.wait(m_hooks.stopDescriptor, m_powerAsked + powerPeriod - now);
            continue;
        }
        if (const std::int64_t wait = m_schedule.wait(now); wait > 0) {
            m_connection.wait(m_hooks.stopDescriptor, wait);
            continue;
        }
        m_schedule.started(now);
        if (!drawFrame())
            return;
    }
}

void Ride::take(XEvent& event)
{
    if (hosted() && m_host.handle(event)) {
        if (m_host.gone())
            m_ended = true;
        else if (event.type == ConfigureNotify)
            followHost();
        return;
    }
    if (event.xany.window == m_window.window()) {
        if (event.type == KeyPress) {
            if (const int key = RideInput::keyOf(event.xkey); key >= 0)
                m_hooks.key(static_cast<unsigned char>(key));
        } else if (event.type == VisibilityNotify) {
            m_sight.windowVisible = event.xvisibility.state != VisibilityFullyObscured;
        } else if (event.type == ConfigureNotify) {
            const DrawingSize size{event.xconfigure.width, event.xconfigure.height};
            if (size.width != m_size.width || size.height != m_size.height) {
                m_size = size;
                m_hooks.resize(size.width, size.height);
            }
        } else if (event.type == DestroyNotify) {
            m_ended = true;
        }
        return;
    }
    if (!hosted() && m_window.stackingNotice(event))
        m_stackingChanged = true;
}

void Ride::followHost()
{
    const DrawingSize size = m_host.drawingSize(m_largestViewport);
    if (size.width != m_size.width || size.height != m_size.height)
        XResizeWindow(m_connection.display(), m_window.window(), static_cast<unsigned>(size.width),
                      static_cast<unsigned>(size.height));
}

void Ride::look(std::int64_t now)
{
    m_sight.hostMapped = !hosted() || m_host.mapped();
    if (now - m_powerAsked < powerPeriod)
        return;
    m_powerAsked = now;
    m_sight.power = CurrentMonitorPower();
}

bool Ride::drawFrame()
{
    const bool kept = !m_options.forceFrameCopy && m_glx.backBufferKept();
    if (kept != m_kept)
        m_hooks.backBufferKept(kept);
    m_kept = kept;
    if (!m_hooks.frame(m_hooks.now()))
        return false;
    m_glx.swap();
    m_input.keepKeyboard();
    return true;
}

}

int RunXlibRide(const RideHooks& hooks, const XlibRideOptions& options)
{
    return Ride(hooks, options).run();
}
