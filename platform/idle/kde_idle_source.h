#pragma once

#include "idle_source.h"

#include <cstdint>
#include <memory>

class WaylandIdleGlobals;

// Idle time from the compositor's org_kde_kwin_idle (sway 1.7, older KWin): one
// notification for the timeout, on the first seat. The compositor honours idle inhibitors.
class KdeIdleSource : public IdleSource {
public:
    KdeIdleSource(std::unique_ptr<WaylandIdleGlobals> globals, std::uint32_t timeoutMilliseconds);
    ~KdeIdleSource() override;

    void start(Report report) override;
    int descriptor() const override;
    void dispatch() override;

private:
    struct Objects;
    std::unique_ptr<WaylandIdleGlobals> m_globals;
    std::unique_ptr<Objects> m_objects;
    std::uint32_t m_timeout;
    Report m_report;
    bool m_gone = false;
};
