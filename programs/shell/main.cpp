#include "shell/command_line.h"
#include "shell/entry.h"
#include "shell/idle_command.h"
#include "shell/lifetime/hosted_request.h"
#include "shell/lifetime/process_locks.h"
#include "shell/lifetime/ride_stop.h"
#include "shell/lifetime/session_bus.h"
#include "shell/lifetime/signal_watch.h"
#include "files/end_by_signal.h"
#include "files/standard_descriptors.h"
#include "files/wayland_socket.h"
#include "platform/x11/display_available.h"
#include "shell/ride_options.h"
#include "shell/session_switches.h"
#include "shell/translation.h"
#include "shell/usage.h"
#include "contract/window_system.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>

namespace {

// Everything that needs the application, which is gone again when this returns. A stop signal
// that ended it is left in stopSignal.
int runApplication(int argc, char** argv, const std::string& commandText, const HostedRequest& hosted, const SessionSwitches& session, WindowSystem windowSystem,
                   int& stopSignal)
{
    qputenv("QT_QPA_PLATFORM", windowSystem == WindowSystem::Wayland ? "wayland" : "xcb");
    StartNoSessionBus();
    QApplication application(argc, argv);
    QApplication::setApplicationName("Tavrolin");
    InstallTranslation(application, UserLanguageFromEnvironment());

    // A stop signal ends every event loop, a modal dialog's too; the window's own ending then
    // runs as the window goes.
    SignalWatch signalWatch;
    QObject::connect(&signalWatch, &SignalWatch::Stop, [&stopSignal](int signalNumber) {
        if (stopSignal == 0)
            stopSignal = signalNumber;
        QCoreApplication::exit(0);
    });

    int status = 0;
    Ending ending = Ending::Quietly;
    const std::unique_ptr<QWidget> window = windowSystem == WindowSystem::Wayland
        ? MainOnWayland(commandText, session, ending, status)
        : hosted.kind == HostedRequest::Kind::None ? Main(commandText, ending)
                                                   : MainHosted(hosted, status);
    if (ending == Ending::MissingEngine || ending == Ending::LockUnusable)
        return 1;
    // A typo must not pass for a mode that does nothing.
    if (ending == Ending::NoMode) {
        std::fputs(UnknownCommandLine(commandText).c_str(), stderr);
        return 2;
    }
    if (!window)
        return status;
    return QApplication::exec();
}

}

int main(int argc, char** argv)
{
    // Before anything opens a file or a connection: launchers may have closed 0, 1 and 2.
    OpenStandardDescriptors();
    // The idle watcher is a program of its own, sharing only the binary with the ride.
    if (const std::optional<int> status = RunIdleCommand(argc, argv))
        return *status;
    // The ride options and the window-system switches may stand anywhere; what is left reads as
    // it always has.
    std::vector<std::string> words(argv + 1, argv + argc);
    const std::string optionProblem = ReadRideOptions(words, OneRideOptions);
    if (!optionProblem.empty()) {
        std::fprintf(stderr, "%s\n", optionProblem.c_str());
        return 2;
    }
    const SessionSwitches session = ReadSessionSwitches(words);
    std::vector<const char*> withSwitches{argv[0]};
    for (const std::string& word : words)
        withSwitches.push_back(word.c_str());
    std::vector<const char*> rest{argv[0]};
    for (const std::string& word : session.rest)
        rest.push_back(word.c_str());

    // Qt takes its own switches out of argv; the command text is what the caller passed.
    const std::string commandText = CommandText(static_cast<int>(rest.size()), rest.data());
    const CommandKind kind = ClassifyCommand(static_cast<int>(withSwitches.size()), withSwitches.data());
    if (kind == CommandKind::Unknown)
        return RefuseUnknownCommand(CommandText(static_cast<int>(withSwitches.size()), withSwitches.data()));
    const char letter = ModeLetter(commandText);
    const HostedRequest hosted = ReadHostedRequest(session.rest, letter, std::getenv("XSCREENSAVER_WINDOW"));
    const bool hostedRide = hosted.kind != HostedRequest::Kind::None;
    const bool ownRide = kind == CommandKind::Known && !session.stop && !session.background && !hostedRide
        && (commandText.empty() || letter == 'S');
    if (OneRideOptions.given() && !(ownRide || hostedRide || session.background)) {
        std::fputs(MisplacedOptionLine(CommandText(argc, argv)).c_str(), stderr);
        return 2;
    }
    if (kind == CommandKind::Help || kind == CommandKind::Version) {
        std::fputs((kind == CommandKind::Help ? ShellUsage() : VersionLine()).c_str(), stdout);
        return 0;
    }
    if (hosted.kind == HostedRequest::Kind::Malformed) {
        std::fprintf(stderr, "Tavrolin.scr: %s\n", hosted.problem.c_str());
        return 2;
    }
    // Finding windows by title and reparenting into a foreign window exist only on X11 (through
    // XWayland on a Wayland desktop).
    const bool x11Only = session.x11 || hostedRide || letter == 'P';
    SessionEnvironment environment{std::getenv("WAYLAND_DISPLAY"), std::getenv("DISPLAY"),
                                   std::getenv("XDG_SESSION_TYPE"), true};
    WindowSystem windowSystem = ChooseWindowSystem(environment, x11Only);
    if (windowSystem == WindowSystem::Wayland && !WaylandSocketAvailable()) {
        environment.waylandReachable = false;
        windowSystem = ChooseWindowSystem(environment, x11Only);
    }
    if (!session.output.empty() && (windowSystem == WindowSystem::X11 || letter == 'C')) {
        std::fprintf(stderr, "tavrolin: --output goes only with a ride on Wayland, not with '%s' on %s; try "
                             "'tavrolin --help'\n", CommandText(argc, argv).c_str(),
                     windowSystem == WindowSystem::X11 ? "X11" : "Wayland");
        return 2;
    }
    if (windowSystem == WindowSystem::Wayland)
        UseWaylandDisplayLocks();
    // Needs no display: the ride it ends is found by its lock.
    if (session.stop)
        return StopRide();
    if (windowSystem == WindowSystem::Wayland && !environment.waylandReachable) {
        std::fprintf(stderr, "Tavrolin.scr: cannot connect to the Wayland display %s\n", environment.waylandDisplay);
        return 1;
    }
    if (session.background && windowSystem != WindowSystem::Wayland) {
        std::fprintf(stderr, "Tavrolin.scr: --background needs a Wayland session\n");
        return 1;
    }
    if (windowSystem == WindowSystem::X11 && !DisplayAvailable()) {
        std::fprintf(stderr, "Tavrolin.scr: cannot open the X display\n");
        return 1;
    }
    // As early as can be, so that an idle daemon's --stop right after its start finds the ride,
    // and before the run lock, so that of two starts the one that goes on is the marked one.
    if (ownRide) {
        std::string problem;
        switch (TakeRideMark(problem)) {
        case RideMark::Taken:
            break;
        case RideMark::Elsewhere:
        case RideMark::Stopped:
            return 0;
        case RideMark::Refused:
            std::fprintf(stderr, "Tavrolin.scr: %s\n", problem.c_str());
            return 1;
        }
    }
    int stopSignal = 0;
    const int status = runApplication(argc, argv, commandText, hosted, session, windowSystem, stopSignal);
    // The ending has run in full; parents such as xscreensaver expect a saver to die by the
    // signal that stopped it.
    if (stopSignal != 0)
        EndBySignal(stopSignal);
    return status;
}
