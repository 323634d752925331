#pragma once

#include "contract/window_system.h"

#include <optional>
#include <string>
#include <string_view>

// What Tavrolin.dll is started with: the switches of contract/engine_contract.h, each at most
// once. Nothing else is taken.
struct EngineOptions {
    // --x11 or --wayland; empty: the engine decides (see EngineWindowSystem).
    std::optional<WindowSystem> windowSystem;
    // X11. --window-id ID: ride inside this X window. --monitor X,Y,W,H: cover this rectangle.
    unsigned long hostWindow = 0;
    bool hasMonitor = false;
    int monitorX = 0;
    int monitorY = 0;
    int monitorWidth = 0;
    int monitorHeight = 0;
    // Wayland. --output NAME, --background, --fullscreen-window.
    std::string outputName;
    bool background = false;
    bool fullscreenWindow = false;
    // --shell-pid N: end when that process ends. 0: none.
    int shellProcess = 0;
    // --scale N, --speed N (1 to 11): this ride's levels; 0: the settings file's.
    int scaleLevel = 0;
    int speedLevel = 0;
    // --unpaced: frames back to back (benchmarks).
    bool unpaced = false;
    // Why the words cannot be taken (an unknown word, a missing or malformed value, a switch given
    // twice, --x11 with --wayland), in one line; empty when they can.
    std::string misuse;
};

EngineOptions ParseEngineOptions(int argc, const char* const* argv);

// The window system the ride takes: the one named; X11 for a ride in a given X window; else the
// shell's rule on the session (ChooseWindowSystem).
WindowSystem EngineWindowSystem(const EngineOptions& options, const SessionEnvironment& session);

// The first switch given that the window system in use has no meaning for ("--output" on X11,
// "--window-id" on Wayland); empty when every one applies.
std::string_view MisplacedSwitch(const EngineOptions& options, WindowSystem system);
