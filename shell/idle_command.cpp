#include "idle_command.h"

#include "autostart_entry.h"
#include "idle_request.h"
#include "idle_watcher.h"
#include "lifetime/instance_lock.h"
#include "lifetime/process_locks.h"
#include "lifetime/session_bus.h"
#include "lifetime/signal_watch.h"
#include "files/end_by_signal.h"
#include "files/wayland_socket.h"
#include "platform/idle/open_idle_source.h"

#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

std::string programPath()
{
    std::error_code error;
    return std::filesystem::read_symlink("/proc/self/exe", error).string();
}

int turnAutostart(const IdleRequest& request)
{
    const std::filesystem::path path = AutostartEntryPath(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"));
    std::string problem;
    if (path.empty()) {
        problem = "no folder for the autostart entry ($XDG_CONFIG_HOME or $HOME)";
    } else if (request.kind == IdleRequest::Kind::AutostartOff) {
        problem = RemoveAutostartEntry(path);
    } else {
        const std::string text = AutostartEntryText(programPath(), request.seconds, request.x11);
        problem = text.empty() ? "this program's path cannot be written in an autostart entry"
                               : WriteAutostartEntry(path, text);
    }
    if (!problem.empty()) {
        std::fprintf(stderr, "Tavrolin.scr: %s\n", problem.c_str());
        return 1;
    }
    return 0;
}

int watch(int argc, char** argv, const IdleRequest& request)
{
    const char* waylandDisplay = std::getenv("WAYLAND_DISPLAY");
    if (waylandDisplay && *waylandDisplay && WaylandSocketAvailable())
        UseWaylandDisplayLocks();
    static InstanceLock lock("idle");
    if (!lock.take()) {
        if (!lock.problem().empty())
            std::fprintf(stderr, "Tavrolin.scr: %s\n", lock.problem().c_str());
        else
            std::fprintf(stderr, "Tavrolin.scr: an idle watcher already runs in this session\n");
        return 1;
    }
    StartNoSessionBus();
    QCoreApplication application(argc, argv);
    std::string problem;
    std::unique_ptr<IdleSource> source = OpenIdleSource(static_cast<std::uint32_t>(request.seconds) * 1000, problem);
    if (!source) {
        std::fprintf(stderr, "Tavrolin.scr: cannot watch the idle time: %s\n", problem.c_str());
        return 1;
    }
    QStringList rideArguments{QStringLiteral("/s")};
    if (request.x11)
        rideArguments << QStringLiteral("--x11");
    IdleWatcher watcher(std::move(source), QString::fromStdString(programPath()), rideArguments);
    int stopSignal = 0;
    SignalWatch signalWatch;
    QObject::connect(&signalWatch, &SignalWatch::Stop, [&stopSignal](int signalNumber) {
        if (stopSignal == 0)
            stopSignal = signalNumber;
        QCoreApplication::exit(0);
    });
    QObject::connect(&watcher, &IdleWatcher::Gone, [] {
        std::fprintf(stderr, "Tavrolin.scr: the session's idle time went away (the session ended); the watcher ends\n");
        QCoreApplication::exit(1);
    });
    watcher.start();
    const int status = QCoreApplication::exec();
    watcher.endRide();
    if (stopSignal != 0)
        EndBySignal(stopSignal);
    return status;
}

}

std::optional<int> RunIdleCommand(int argc, char** argv)
{
    const IdleRequest request = ReadIdleRequest(std::vector<std::string>(argv + 1, argv + argc));
    switch (request.kind) {
    case IdleRequest::Kind::None:
        return std::nullopt;
    case IdleRequest::Kind::Malformed:
        std::fprintf(stderr, "Tavrolin.scr: %s\n", request.problem.c_str());
        return 2;
    case IdleRequest::Kind::Autostart:
    case IdleRequest::Kind::AutostartOff:
        return turnAutostart(request);
    case IdleRequest::Kind::Idle:
        break;
    }
    return watch(argc, argv, request);
}
