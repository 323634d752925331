#include "idle_source_choice.h"

IdleSourceChoice ChooseIdleSource(const IdleOffers& offers)
{
    // A Wayland idle global is useless without a seat whose input it counts.
    const bool wayland = offers.waylandConnected && offers.waylandSeat;
    if (wayland && offers.extIdleNotifier)
        return {IdleSourceKind::ExtIdleNotifier, {}};
    if (wayland && offers.kdeIdle)
        return {IdleSourceKind::KdeIdle, {}};
    if (offers.mutterIdleMonitor)
        return {IdleSourceKind::MutterIdleMonitor, {}};
    if (offers.xDisplay && offers.screenSaverExtension) {
        if (offers.otherScreenSaver)
            return {IdleSourceKind::None, "another screensaver manager holds the X display's screen saving"};
        return {IdleSourceKind::ScreenSaverExtension, {}};
    }
    if (offers.xDisplay)
        return {IdleSourceKind::None, "the X display has no MIT-SCREEN-SAVER extension and the session offers no other "
                                      "idle time"};
    if (offers.waylandConnected)
        return {IdleSourceKind::None, "the compositor offers no idle notification (ext_idle_notifier_v1, "
                                      "org_kde_kwin_idle) and GNOME's idle monitor is not on the session bus"};
    return {IdleSourceKind::None, "no Wayland compositor, X display or GNOME idle monitor to learn the idle time from"};
}
