#pragma once

#include <string>

// Which of the session's idle sources to use: the first it offers in this order.
enum class IdleSourceKind { ExtIdleNotifier, KdeIdle, MutterIdleMonitor, ScreenSaverExtension, None };

// What probing the session found.
struct IdleOffers {
    bool waylandConnected = false;
    bool waylandSeat = false;
    bool extIdleNotifier = false;       // ext_idle_notifier_v1
    bool kdeIdle = false;               // org_kde_kwin_idle
    bool mutterIdleMonitor = false;     // org.gnome.Mutter.IdleMonitor on the session bus
    bool xDisplay = false;
    bool screenSaverExtension = false;  // MIT-SCREEN-SAVER
    bool otherScreenSaver = false;      // xscreensaver or another client of the extension
};

struct IdleSourceChoice {
    IdleSourceKind kind = IdleSourceKind::None;
    // With None: the one line saying what is missing.
    std::string problem;
};

IdleSourceChoice ChooseIdleSource(const IdleOffers& offers);
