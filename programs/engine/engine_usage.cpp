#include "engine_usage.h"

#include <cstdio>
#include <string_view>

std::optional<int> AnswerEngineUsage(int argc, const char* const* argv)
{
    if (argc != 2)
        return std::nullopt;
    const std::string_view only = argv[1];
    if (only == "--help" || only == "-h") {
        std::fputs("Usage: Tavrolin.dll\n"
                   "The ride engine of Tavrolin: a full-screen roller-coaster ride through space.\n"
                   "It is started by Tavrolin.scr (the tavrolin command), which hands it what it\n"
                   "needs; Esc, Q or q ends the ride. Arguments it does not know are ignored.\n"
                   "  -h, --help    show this help and exit\n"
                   "  --version     show the version and exit\n",
                   stdout);
        return 0;
    }
    if (only == "--version") {
        std::fputs("Tavrolin.dll " TAVROLIN_VERSION "\n", stdout);
        return 0;
    }
    return std::nullopt;
}
