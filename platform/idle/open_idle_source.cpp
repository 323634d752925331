#include "open_idle_source.h"

#include "ext_idle_source.h"
#include "idle_source_choice.h"
#include "kde_idle_source.h"
#include "mutter_idle_source.h"
#include "screensaver_extension_source.h"
#include "wayland_idle_globals.h"

#include <X11/Xlib.h>
#include <cstdlib>

std::unique_ptr<IdleSource> OpenIdleSource(std::uint32_t timeoutMilliseconds, std::string& problem)
{
    IdleOffers offers;
    std::unique_ptr<WaylandIdleGlobals> globals;
    const char* waylandDisplay = std::getenv("WAYLAND_DISPLAY");
    // Without these libwayland would try "wayland-0", which an X session does not own.
    if ((waylandDisplay && *waylandDisplay) || std::getenv("WAYLAND_SOCKET")) {
        globals = std::make_unique<WaylandIdleGlobals>();
        offers.waylandConnected = globals->connected();
        offers.waylandSeat = offers.waylandConnected && globals->seat();
        offers.extIdleNotifier = offers.waylandConnected && globals->extIdleNotifier();
        offers.kdeIdle = offers.waylandConnected && globals->kdeIdle();
    }
    IdleSourceChoice choice = ChooseIdleSource(offers);
    if (choice.kind == IdleSourceKind::ExtIdleNotifier)
        return std::make_unique<ExtIdleSource>(std::move(globals), timeoutMilliseconds);
    if (choice.kind == IdleSourceKind::KdeIdle)
        return std::make_unique<KdeIdleSource>(std::move(globals), timeoutMilliseconds);
    offers.mutterIdleMonitor = MutterIdleSource::Offered();
    if (offers.mutterIdleMonitor)
        return std::make_unique<MutterIdleSource>(timeoutMilliseconds,
                                                  offers.waylandConnected ? std::move(globals) : nullptr);
    globals.reset();

    const char* xDisplay = std::getenv("DISPLAY");
    Display* display = nullptr;
    if (xDisplay && *xDisplay)
        display = ScreenSaverExtensionSource::Open(offers.screenSaverExtension, offers.otherScreenSaver);
    offers.xDisplay = display != nullptr;
    choice = ChooseIdleSource(offers);
    if (choice.kind == IdleSourceKind::ScreenSaverExtension)
        return std::make_unique<ScreenSaverExtensionSource>(display, timeoutMilliseconds);
    if (display)
        XCloseDisplay(display);
    problem = choice.problem;
    return nullptr;
}
