#pragma once

#include "idle_source.h"

#include <cstdint>
#include <memory>

class WaylandIdleGlobals;
struct wl_registry;
struct wl_seat;

// What the Wayland idle protocols share: the compositor's connection, the first seat, and the
// end told once, when the compositor or the protocol's global goes. Each protocol subscribes.
class WaylandIdleSource : public IdleSource {
public:
    WaylandIdleSource(std::unique_ptr<WaylandIdleGlobals> globals, std::uint32_t timeoutMilliseconds);
    ~WaylandIdleSource() override;

    void start(Report report) final;
    int descriptor() const final;
    void dispatch() final;

protected:
    // Asks for one notification after `timeoutMilliseconds` without input on `seat`, telling
    // Idle and Active through `report`, which lives as long as this source.
    virtual void subscribe(WaylandIdleGlobals& globals, wl_seat* seat, std::uint32_t timeoutMilliseconds,
                           Report* report) = 0;

private:
    std::unique_ptr<WaylandIdleGlobals> m_globals;
    wl_seat* m_seat = nullptr;
    std::uint32_t m_timeout;
    Report m_report;
    bool m_gone = false;
};
