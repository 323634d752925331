#pragma once

#include <cstdint>
#include <functional>

struct wl_display;
struct wl_registry;
struct wl_seat;

// A connection to the compositor of $WAYLAND_DISPLAY and the globals an idle source needs: the
// first seat and the idle notifiers on offer. A global that goes later calls `onRemoved`.
class WaylandIdleGlobals {
public:
    struct Global {
        std::uint32_t name = 0;
        std::uint32_t version = 0;
        explicit operator bool() const { return name != 0; }
    };

    WaylandIdleGlobals();
    ~WaylandIdleGlobals();
    WaylandIdleGlobals(const WaylandIdleGlobals&) = delete;
    WaylandIdleGlobals& operator=(const WaylandIdleGlobals&) = delete;

    bool connected() const { return m_display != nullptr; }
    wl_display* display() const { return m_display; }
    wl_registry* registry() const { return m_registry; }
    Global seat() const { return m_seat; }
    Global extIdleNotifier() const { return m_extIdleNotifier; }
    Global kdeIdle() const { return m_kdeIdle; }
    // Called when the seat or an idle notifier that was on offer goes away.
    std::function<void()> onRemoved;

    // Reads and dispatches what the compositor sent; false once the connection is lost.
    bool dispatch();

    // The registry's listener.
    static void global(void* data, wl_registry* registry, std::uint32_t name, const char* interface,
                       std::uint32_t version);
    static void globalRemove(void* data, wl_registry* registry, std::uint32_t name);

private:

    wl_display* m_display = nullptr;
    wl_registry* m_registry = nullptr;
    Global m_seat;
    Global m_extIdleNotifier;
    Global m_kdeIdle;
};
