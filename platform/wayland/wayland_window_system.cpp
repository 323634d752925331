#include "platform/wayland/wayland_window_system.h"

#include "contract/engine_contract.h"
#include "platform/wayland/egl_window.h"
#include "platform/wayland/output_choice.h"
#include "platform/wayland/ride_surface.h"
#include "platform/wayland/seat_input.h"
#include "platform/wayland/wayland_globals.h"

#include <cerrno>
#include <cstdio>
#include <GL/gl.h>
#include <cstdlib>
#include <memory>
#include <poll.h>
#include <wayland-client.h>

namespace {

int compositorGone()
{
    std::fprintf(stderr, "Tavrolin.dll: the Wayland compositor has gone\n");
    return RideFailed;
}

// Reads and dispatches whatever the compositor sent, waiting for it (or for the stop descriptor
// to turn readable) up to `timeout` ms, -1 for as long as it takes. False when the connection
// failed.
bool pumpEvents(wl_display* display, int stopDescriptor, int timeout)
{
    while (wl_display_prepare_read(display) != 0) {
        if (wl_display_dispatch_pending(display) < 0)
            return false;
    }
    if (wl_display_flush(display) < 0 && errno != EAGAIN) {
        wl_display_cancel_read(display);
        return false;
    }
    pollfd watched[2] = {{wl_display_get_fd(display), POLLIN, 0}, {stopDescriptor, POLLIN, 0}};
    const pollfd& watch = watched[0];
    const int ready = poll(watched, stopDescriptor >= 0 ? 2 : 1, timeout);
    if (ready > 0 && (watch.revents & POLLIN) != 0) {
        if (wl_display_read_events(display) < 0)
            return false;
    } else {
        wl_display_cancel_read(display);
        if ((watch.revents & (POLLERR | POLLHUP | POLLNVAL)) != 0)
            return false;
    }
    return wl_display_dispatch_pending(display) >= 0 && wl_display_get_error(display) == 0;
}

// The running ride's hooks, for the seat's key callback (a plain function pointer).
const RideHooks* activeHooks = nullptr;

void passKey(unsigned char key)
{
    activeHooks->key(key);
}

class Ride {
public:
    Ride(const WaylandRideOptions& options, const RideHooks& hooks) : m_options(options), m_hooks(hooks) {}

    int run();

private:
    const WaylandRideOptions& m_options;
    const RideHooks& m_hooks;
    WaylandGlobals m_globals;
    WaylandOutput* m_output = nullptr;
    int m_width = 0;
    int m_height = 0;
    int m_bufferAge = -2;

    bool outputGone(const RideSurface& surface) const
    {
        return surface.configure().closed || (m_output != nullptr && m_output->removed());
    }
    int ride(RideSurface& surface, EglWindow& egl);
    bool drawFrame(RideSurface& surface, EglWindow& egl);
};

int Ride::run()
{
    if (!m_globals.connect()) {
        const char* name = std::getenv("WAYLAND_DISPLAY");
        std::fprintf(stderr, "Tavrolin.dll: no Wayland compositor at \"%s\"\n", name && *name ? name : "wayland-0");
        return RideFailed;
    }
    std::vector<std::string> names;
    for (const auto& output : m_globals.outputs())
        names.push_back(output->name());
    const int chosen = ChooseOutput(names, m_options.outputName);
    if (chosen == -2) {
        std::fprintf(stderr, "Tavrolin.dll: no output named \"%s\"\n", m_options.outputName.c_str());
        return RideOutputGone;
    }
    // A full-screen window in place of a wallpaper would cover the desktop with no key to end it.
    if (m_options.background && m_globals.layerShell() == nullptr) {
        std::fprintf(stderr, "Tavrolin.dll: --background needs a compositor with the layer shell; this one "
                             "has none\n");
        return RideFailed;
    }
    m_output = chosen >= 0 ? m_globals.outputs()[static_cast<std::size_t>(chosen)].get() : nullptr;

    // The EGL surface goes before the wl_surface it draws on.
    RideSurface surface;
    EglWindow egl;
    if (!egl.open(m_globals.display())) {
        std::fprintf(stderr, "Tavrolin.dll: %s\n", egl.error());
        return RideFailed;
    }
    if (!surface.create(m_globals, m_output, m_options.background, m_options.fullscreenWindow)) {
        std::fprintf(stderr, "Tavrolin.dll: the Wayland compositor offers no surface role for the ride\n");
        return RideFailed;
    }
    while (!surface.configure().configured) {
        if (outputGone(surface))
            return RideOutputGone;
        if (m_hooks.over(m_hooks.now()))
            return RideEnded;
        if (!pumpEvents(m_globals.display(), m_hooks.stopDescriptor, -1))
            return compositorGone();
    }
    DrawingSize pixels = surface.pixels();
    if (!egl.attach(surface.surface(), pixels.width, pixels.height)) {
        std::fprintf(stderr, "Tavrolin.dll: %s\n", egl.error());
        return RideFailed;
    }
    // Nothing is drawn yet: the buffers take the context's bound from the first frame on.
    GLint largestViewport[2] = {0, 0};
    glGetIntegerv(GL_MAX_VIEWPORT_DIMS, largestViewport);
    surface.setLargestViewport(largestViewport[0], largestViewport[1]);
    pixels = surface.pixels();
    egl.resize(pixels.width, pixels.height);
    m_width = pixels.width;
    m_height = pixels.height;
    return ride(surface, egl);
}

int Ride::ride(RideSurface& surface, EglWindow& egl)
{
    // The background takes no input; the ride hides the pointer and listens for its keys.
    activeHooks = &m_hooks;
    std::unique_ptr<SeatInput> input;
    if (!m_options.background)
        input = std::make_unique<SeatInput>(m_globals.registry(), m_globals.seatName(), m_globals.seatVersion(),
                                            passKey);

    m_hooks.resize(m_width, m_height);
    m_bufferAge = egl.backBufferAge();
    m_hooks.backBufferKept(m_bufferAge == 1);
    if (!m_hooks.start()) {
        std::fprintf(stderr, "Tavrolin.dll: the ride could not start\n");
        return RideFailed;
    }
    int status = RideEnded;
    for (;;) {
        // A stop, or the end key while no frame is wanted (the ride unseen), ends it undrawn.
        if (m_hooks.over(m_hooks.now()))
            break;
        if (outputGone(surface)) {
            status = RideOutputGone;
            break;
        }
        if (surface.frameDue()) {
            if (!drawFrame(surface, egl))
                break;
            if (!egl.swap()) {
                status = compositorGone();
                break;
            }
        }
        // Frames wait for the compositor's callback; until it comes, sleep on the connection.
        if (!pumpEvents(m_globals.display(), m_hooks.stopDescriptor, surface.frameDue() ? 0 : -1)) {
            status = compositorGone();
            break;
        }
    }
    m_hooks.release();
    return status;
}

bool Ride::drawFrame(RideSurface& surface, EglWindow& egl)
{
    surface.prepareCommit();
    const DrawingSize pixels = surface.pixels();
    const int width = pixels.width;
    const int height = pixels.height;
    if (width != m_width || height != m_height) {
        m_width = width;
        m_height = height;
        egl.resize(width, height);
        m_hooks.resize(width, height);
    }
    // Asked before the swap, so that the compositor paces the next frame.
    surface.requestFrame();
    const int age = egl.backBufferAge();
    if ((age == 1) != (m_bufferAge == 1))
        m_hooks.backBufferKept(age == 1);
    m_bufferAge = age;
    return m_hooks.frame(m_hooks.now());
}

}

int RunWaylandRide(const WaylandRideOptions& options, const RideHooks& hooks)
{
    return Ride(options, hooks).run();
}
