#pragma once

#include <cstdint>
#include <string>

struct wl_output;
struct zxdg_output_manager_v1;
struct zxdg_output_v1;

// One wl_output as this client sees it: its name (wl_output v4, else xdg-output), scale and
// current mode. Listeners point at the object: it must not move once bound.
class WaylandOutput {
public:
    // Binds the registry's global `globalName` at up to version 4.
    WaylandOutput(struct wl_registry* registry, std::uint32_t globalName, std::uint32_t version);
    ~WaylandOutput();
    WaylandOutput(const WaylandOutput&) = delete;
    WaylandOutput& operator=(const WaylandOutput&) = delete;

    // Asks xdg-output for the name where wl_output is older than version 4. Manager may be null.
    void describe(zxdg_output_manager_v1* manager);

    std::uint32_t globalName() const { return m_globalName; }
    wl_output* output() const { return m_output; }
    const std::string& name() const { return m_name; }
    int scale() const { return m_scale; }             // 1 or more
    int modeWidth() const { return m_modeWidth; }     // pixels; 0 until known
    int modeHeight() const { return m_modeHeight; }
    bool removed() const { return m_removed; }
    void markRemoved() { m_removed = true; }

    // The WaylandOutput behind a wl_output this client bound; null for any other.
    static WaylandOutput* from(wl_output* output);

private:
    std::uint32_t m_globalName;
    std::uint32_t m_version;
    wl_output* m_output = nullptr;
    zxdg_output_v1* m_xdgOutput = nullptr;
    std::string m_name;
    int m_scale = 1;
    int m_modeWidth = 0;
    int m_modeHeight = 0;
    bool m_removed = false;

    friend struct WaylandOutputEvents;
};
