#pragma once

#include "wayland_idle_source.h"

struct org_kde_kwin_idle;
struct org_kde_kwin_idle_timeout;

// Idle time from the compositor's org_kde_kwin_idle (sway 1.7, older KWin): one
// notification for the timeout, on the first seat. The compositor honours idle inhibitors.
class KdeIdleSource : public WaylandIdleSource {
public:
    using WaylandIdleSource::WaylandIdleSource;
    ~KdeIdleSource() override;

private:
    void subscribe(WaylandIdleGlobals& globals, wl_seat* seat, std::uint32_t timeoutMilliseconds,
                   Report* report) override;

    org_kde_kwin_idle* m_notifier = nullptr;
    org_kde_kwin_idle_timeout* m_notification = nullptr;
};
