#pragma once

#include "idle_source.h"

#include <cstdint>
#include <memory>

class WaylandIdleGlobals;

// Idle time from the compositor's ext_idle_notifier_v1 (wlroots 0.16 and later, KWin 5.27): one
// notification for the timeout, on the first seat. The compositor honours idle inhibitors.
class ExtIdleSource : public IdleSource {
public:
    ExtIdleSource(std::unique_ptr<WaylandIdleGlobals> globals, std::uint32_t timeoutMilliseconds);
    ~ExtIdleSource() override;

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
