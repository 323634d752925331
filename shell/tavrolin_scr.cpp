#include "command_line.h"
#include "entry.h"
#include "lifetime/hosted_request.h"
#include "lifetime/session_bus.h"
#include "lifetime/signal_watch.h"
#include "platform/files/standard_descriptors.h"
#include "platform/x11/display_available.h"
#include "usage.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    // Before anything opens a file or a connection: launchers may have closed 0, 1 and 2.
    OpenStandardDescriptors();
    // Qt takes its own switches out of argv; the command text is what the caller passed.
    const std::string commandText = CommandText(argc, argv);
    const CommandKind kind = ClassifyCommand(argc, argv);
    if (kind == CommandKind::Help || kind == CommandKind::Version) {
        std::fputs((kind == CommandKind::Help ? ShellUsage() : VersionLine()).c_str(), stdout);
        return 0;
    }
    const HostedRequest hosted = ReadHostedRequest(std::vector<std::string>(argv + 1, argv + argc),
                                                   ModeLetter(commandText), std::getenv("XSCREENSAVER_WINDOW"));
    if (hosted.kind == HostedRequest::Kind::Malformed) {
        std::fprintf(stderr, "Tavrolin.scr: %s\n", hosted.problem.c_str());
        return 2;
    }
    if (!DisplayAvailable()) {
        std::fprintf(stderr, "Tavrolin.scr: cannot open the X display\n");
        return 1;
    }
    // Finding windows by title and reparenting into a foreign window exist only on X11, so the
    // shell runs there even on a Wayland desktop (through XWayland).
    qputenv("QT_QPA_PLATFORM", "xcb");
    StartNoSessionBus();
    QApplication application(argc, argv);
    QApplication::setApplicationName("Tavrolin");

    // A stop signal ends every event loop, a modal dialog's too; the window's own ending then
    // runs as the window goes.
    SignalWatch signalWatch;
    QObject::connect(&signalWatch, &SignalWatch::Stop, [] { QCoreApplication::exit(0); });

    int status = 0;
    Ending ending = Ending::Quietly;
    const std::unique_ptr<QWidget> window =
        hosted.kind == HostedRequest::Kind::None ? Main(commandText, ending) : MainHosted(hosted, status);
    if (ending == Ending::MissingEngine || ending == Ending::NoLockFolder)
        return 1;
    // A typo must not pass for a mode that does nothing.
    if (ending == Ending::NoMode && kind == CommandKind::Unknown) {
        std::fputs(UnknownCommandLine(commandText).c_str(), stderr);
        return 2;
    }
    if (!window)
        return status;
    return QApplication::exec();
}
