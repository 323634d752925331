#include "usage.h"

#include "command_line.h"
#include "session_switches.h"

#include <string_view>
#include <vector>

namespace {

// The hosted entry reads these wherever they stand and answers a bad window id itself.
bool HasHostedSwitch(const std::vector<std::string>& words)
{
    for (const std::string_view argument : words) {
        if (argument == "-root" || argument == "--root" || argument == "-window-id" || argument == "--window-id")
            return true;
    }
    return false;
}

}

CommandKind ClassifyCommand(int argc, const char* const* argv)
{
    if (argc == 2) {
        const std::string_view only = argv[1];
        if (only == "--help" || only == "-h")
            return CommandKind::Help;
        if (only == "--version")
            return CommandKind::Version;
    }
    const SessionSwitches session = ReadSessionSwitches(std::vector<std::string>(argv + 1, argv + argc));
    if (!session.consistent())
        return CommandKind::Unknown;
    if (session.stop || session.background)
        return CommandKind::Known;
    std::vector<const char*> rest{argv[0]};
    for (const std::string& word : session.rest)
        rest.push_back(word.c_str());
    const std::string commandText = CommandText(static_cast<int>(rest.size()), rest.data());
    if (commandText.empty())
        return CommandKind::Known;
    const char letter = ModeLetter(commandText);
    if (letter == 'P' || letter == 'C' || letter == 'S')
        return CommandKind::Known;
    return HasHostedSwitch(session.rest) ? CommandKind::Known : CommandKind::Unknown;
}

std::string ShellUsage()
{
    return "Usage: tavrolin [--x11] [/s | /c | /p ID | -root | -window-id ID]\n"
           "       tavrolin --background [--output NAME] | --stop\n"
           "       tavrolin --idle SECONDS [--x11] | --autostart SECONDS|off\n"
           "A roller-coaster ride through space, as a screensaver.\n"
           "\n"
           "  (nothing)        run the ride, leaving the pointer visible\n"
           "  /s               run the ride full screen, pointer hidden; Esc, Q or q ends it\n"
           "  /c               open the settings dialog (planet size, speed, music)\n"
           "  /p ID            show a still preview inside the X window ID (decimal or 0x hex)\n"
           "  -root            run inside the screensaver manager's window (XSCREENSAVER_WINDOW)\n"
           "                   or else on the root window\n"
           "  -window-id ID    run inside the X window ID (decimal or 0x hex)\n"
           "  --background     ride on the background layer under the windows (Wayland): no\n"
           "                   input, no music; SIGTERM ends it\n"
           "  --output NAME    ride on the output NAME only (Wayland rides only)\n"
           "  --stop           end the running ride on this display and wait until it has ended\n"
           "  --idle SECONDS   watch the session: after SECONDS (1 to 86400) without input, ride as\n"
           "                   /s does until the next input; one watcher per session\n"
           "  --autostart SECONDS|off\n"
           "                   start the idle watcher with the desktop session, or no longer\n"
           "                   (~/.config/autostart/tavrolin-idle.desktop)\n"
           "  --x11            use X11 (XWayland) even in a Wayland session\n"
           "  -h, --help       show this help and exit\n"
           "  --version        show the version and exit\n"
           "\n"
           "Ride options go with a ride (a run or hosted switch, --background, or none); they\n"
           "change that ride only and are never stored:\n"
           "  --scale N        planet size, 1 (small) to 11 (large); also --scale=N\n"
           "  --speed N        speed, 1 (slow) to 11 (fast); also --speed=N\n"
           "  --no-music       no background music\n"
           "\n"
           "The mode is the second character of the first argument, so -s, /S and /s are alike.\n"
           "Anything else, a switch given twice or an option beside a command it does not go\n"
           "with prints one line and exits with status 2.\n"
           "Settings live in $XDG_CONFIG_HOME/nerevo_temp (by default ~/.config/nerevo_temp).\n"
           "See tavrolin(6).\n";
}

std::string VersionLine()
{
    return std::string("Tavrolin ") + TAVROLIN_VERSION + "\n";
}

std::string UnknownCommandLine(const std::string& commandText)
{
    return "tavrolin: unknown command '" + commandText + "'; try 'tavrolin --help'\n";
}

std::string MisplacedOptionLine(const std::string& commandText)
{
    return "tavrolin: --scale, --speed and --no-music go with a ride only, not with '" + commandText
        + "'; try 'tavrolin --help'\n";
}
