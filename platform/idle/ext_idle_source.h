#pragma once

#include "wayland_idle_source.h"

struct ext_idle_notifier_v1;
struct ext_idle_notification_v1;

// Idle time from the compositor's ext_idle_notifier_v1 (wlroots 0.16 and later, KWin 5.27): one
// notification for the timeout, on the first seat. The compositor honours idle inhibitors.
class ExtIdleSource : public WaylandIdleSource {
public:
    using WaylandIdleSource::WaylandIdleSource;
    ~ExtIdleSource() override;

private:
    void subscribe(WaylandIdleGlobals& globals, wl_seat* seat, std::uint32_t timeoutMilliseconds,
                   Report* report) override;

    ext_idle_notifier_v1* m_notifier = nullptr;
    ext_idle_notification_v1* m_notification = nullptr;
};
