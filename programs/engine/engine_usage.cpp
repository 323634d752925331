#include "programs/engine/engine_usage.h"

#include <cstdio>
#include <string_view>

std::optional<int> AnswerEngineUsage(int argc, const char* const* argv)
{
    if (argc != 2)
        return std::nullopt;
    const std::string_view only = argv[1];
    if (only == "--help" || only == "-h") {
        std::fputs("Usage: Tavrolin.dll [SWITCH]...\n"
                   "The ride engine of Tavrolin: a full-screen roller-coaster ride through space.\n"
                   "It is started by Tavrolin.scr (the tavrolin command), which hands it what it\n"
                   "needs; Esc, Q or q ends the ride. Each switch at most once:\n"
                   "  --x11, --wayland        the window system (default: from the session)\n"
                   "  --window-id ID          X11: ride inside that X window (implies --x11)\n"
                   "  --monitor X,Y,W,H       X11: cover that rectangle of the screen\n"
                   "  --output NAME           Wayland: ride on that output\n"
                   "  --background            Wayland: ride under the windows (needs a layer shell)\n"
                   "  --fullscreen-window     Wayland: a full-screen window, not a layer\n"
                   "  --shell-pid N           end when process N ends\n"
                   "  --scale N, --speed N    this ride's planet size and speed, 1 to 11\n"
                   "  --unpaced               frames back to back (benchmarks)\n"
                   "  -h, --help              show this help and exit\n"
                   "  --version               show the version and exit\n"
                   "Exit status: 0 ended by its key, 1 could not start or lost its display,\n"
                   "2 a switch misused, 3 its Wayland output went away; a stop by SIGTERM, SIGINT\n"
                   "or SIGHUP ends it by that signal.\n",
                   stdout);
        return 0;
    }
    if (only == "--version") {
        std::fputs("Tavrolin.dll " TAVROLIN_VERSION "\n", stdout);
        return 0;
    }
    return std::nullopt;
}
