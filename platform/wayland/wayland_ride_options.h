#pragma once

#include <string>

// How the engine shows itself on a Wayland compositor.
struct WaylandRideOptions {
    // wl_output name to ride on ("HEADLESS-1", "DP-2"); empty: the compositor chooses.
    std::string outputName;
    // Background layer, no keyboard, pointer left as it is (a wallpaper, a locker's face).
    bool background = false;
    // An xdg toplevel made full screen even where the layer shell is offered.
    bool fullscreenWindow = false;
};
