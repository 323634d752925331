#include "command_line.h"
#include "entry.h"
#include "lifetime/hosted_request.h"
#include "lifetime/session_bus.h"
#include "lifetime/signal_watch.h"
#include "platform/files/end_by_signal.h"
#include "platform/files/standard_descriptors.h"
#include "platform/x11/display_available.h"
#include "ride_options.h"
#include "translation.h"
#include "usage.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>

namespace {

// Everything that needs the application, which is gone again when this returns. A stop signal
// that ended it is left in stopSignal.
int runApplication(int argc, char** argv, const std::string& commandText, CommandKind kind,
                   const HostedRequest& hosted, int& stopSignal)
{
    // Finding windows by title and reparenting into a foreign window exist only on X11, so the
    // shell runs there even on a Wayland desktop (through XWayland).
    qputenv("QT_QPA_PLATFORM", "xcb");
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

}

int main(int argc, char** argv)
{
    // Before anything opens a file or a connection: launchers may have closed 0, 1 and 2.
    OpenStandardDescriptors();
    // The ride options may stand anywhere; what is left reads as it always has.
    std::vector<std::string> words(argv + 1, argv + argc);
    const std::string optionProblem = ReadRideOptions(words, OneRideOptions);
    if (!optionProblem.empty()) {
        std::fprintf(stderr, "%s\n", optionProblem.c_str());
        return 2;
    }
    std::vector<const char*> rest{argv[0]};
    for (const std::string& word : words)
        rest.push_back(word.c_str());
    const int restCount = static_cast<int>(rest.size());

    // Qt takes its own switches out of argv; the command text is what the caller passed.
    const std::string commandText = CommandText(restCount, rest.data());
    const CommandKind kind = ClassifyCommand(restCount, rest.data());
    if (kind == CommandKind::Help || kind == CommandKind::Version) {
        std::fputs((kind == CommandKind::Help ? ShellUsage() : VersionLine()).c_str(), stdout);
        return 0;
    }
    const HostedRequest hosted = ReadHostedRequest(words, ModeLetter(commandText), std::getenv("XSCREENSAVER_WINDOW"));
    if (hosted.kind == HostedRequest::Kind::Malformed) {
        std::fprintf(stderr, "Tavrolin.scr: %s\n", hosted.problem.c_str());
        return 2;
    }
    if (!DisplayAvailable()) {
        std::fprintf(stderr, "Tavrolin.scr: cannot open the X display\n");
        return 1;
    }
    int stopSignal = 0;
    const int status = runApplication(argc, argv, commandText, kind, hosted, stopSignal);
    // The ending has run in full; parents such as xscreensaver expect a saver to die by the
    // signal that stopped it.
    if (stopSignal != 0)
        EndBySignal(stopSignal);
    return status;
}
