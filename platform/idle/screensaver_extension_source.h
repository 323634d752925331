#pragma once

#include "idle_source.h"

#include <cstdint>

struct _XDisplay;

// Idle time from the X server's MIT-SCREEN-SAVER extension, read when the timeout could next be
// reached (no wake-ups while input keeps coming), and a few times a second while idle so that
// input ends the ride quickly. Never used beside another screensaver manager of the display.
class ScreenSaverExtensionSource : public IdleSource {
public:
    // Takes the display, open on $DISPLAY, and closes it.
    ScreenSaverExtensionSource(_XDisplay* display, std::uint32_t timeoutMilliseconds);
    ~ScreenSaverExtensionSource() override;

    void start(Report report) override;
    int descriptor() const override;
    void dispatch() override;
    int nextCheckMilliseconds() const override;

    // Opens $DISPLAY: null when there is none. `extension`: it has MIT-SCREEN-SAVER;
    // `otherSaver`: xscreensaver or another client of the extension holds it.
    static _XDisplay* Open(bool& extension, bool& otherSaver);

private:
    bool connectionClosed() const;

    _XDisplay* m_display;
    std::uint32_t m_timeout;
    Report m_report;
    bool m_idle = false;
    bool m_gone = false;
    unsigned long m_lastIdleTime = 0;
};
