#pragma once

#include "idle_source.h"

#include <QDBusConnection>
#include <QObject>
#include <cstdint>
#include <memory>

class WaylandIdleGlobals;

// Idle time from GNOME's idle monitor on the session bus (mutter, in GNOME's Wayland and X11
// sessions): one idle watch for the timeout and, once it fires, one watch for the next input.
// The monitor knows nothing of inhibitors; GNOME's session manager does, asked in inhibited().
class MutterIdleSource : public QObject, public IdleSource {
    Q_OBJECT

public:
    // `compositor`: the session's Wayland connection, if it has one, watched only for its end
    // (the bus does not tell its clients when it goes).
    MutterIdleSource(std::uint32_t timeoutMilliseconds, std::unique_ptr<WaylandIdleGlobals> compositor);
    ~MutterIdleSource() override;

    void start(Report report) override;
    int descriptor() const override;
    void dispatch() override;
    bool inhibited() override;

    // True when the session bus has the idle monitor.
    static bool Offered();

private slots:
    void watchFired(uint id);
    void gone();

private:
    QDBusConnection m_bus;
    std::unique_ptr<WaylandIdleGlobals> m_compositor;
    std::uint32_t m_timeout;
    Report m_report;
    uint m_idleWatch = 0;
    uint m_activeWatch = 0;
    bool m_gone = false;
};
