#pragma once

#include <string>

// What the shell hands the engine on its command line. Every other word is left alone (GLUT
// takes its own), so an engine started by hand with no words rides full screen as always.
struct EngineOptions {
    // --window-id ID (decimal or 0x hex): ride inside this X window, following its size, with
    // no pointer or keyboard of its own. 0: a full-screen window of the engine's own.
    unsigned long hostWindow = 0;
    // --shell-pid N: the shell that started the engine; the engine ends when it does. 0: none.
    int shellProcess = 0;
    // --monitor X,Y,W,H (pixels, W and H above 0): cover this part of the screen instead of all.
    bool hasMonitor = false;
    int monitorX = 0;
    int monitorY = 0;
    int monitorWidth = 0;
    int monitorHeight = 0;
    // --unpaced: frames back to back even where the driver does not pace them (benchmarks).
    bool unpaced = false;
    // --wayland: ride on Wayland even where X11 is at hand. --x11: on X11 (XWayland included)
    // even in a Wayland session. Only choosesWayland reads them.
    bool wayland = false;
    bool x11 = false;
    // --scale N, --speed N (1 to 11): this ride's levels in place of the settings file's. 0: the
    // file's.
    int scaleLevel = 0;
    int speedLevel = 0;
    // On Wayland only. --output NAME: ride on the output of that name (empty: the compositor
    // chooses). --background: on the background layer, taking no input. --fullscreen-window: a
    // full-screen window even where the compositor offers layers.
    std::string outputName;
    bool background = false;
    bool fullscreenWindow = false;
};

// Reads the options from argv; a malformed or missing value leaves that option at its default.
EngineOptions parseEngineOptions(int argc, const char* const* argv);

// The options the engine was started with; set once in main before anything reads them.
extern EngineOptions engineOptions;

// The window system the ride takes: Wayland when --wayland is given, or when a Wayland display is
// named and there is no X display or the session says it is Wayland, unless --x11 is given.
// Arguments are the environment's WAYLAND_DISPLAY, DISPLAY and XDG_SESSION_TYPE (null: unset;
// empty counts as unset).
bool choosesWayland(const EngineOptions& options, const char* waylandDisplay, const char* display,
                    const char* sessionType);
