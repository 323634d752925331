#include "command_line.h"
#include "entry.h"
#include "platform/x11/display_available.h"
#include "usage.h"

#include <QApplication>
#include <cstdio>

int main(int argc, char** argv)
{
    // Qt takes its own switches out of argv; the command text is what the caller passed.
    const std::string commandText = CommandText(argc, argv);
    const CommandKind kind = ClassifyCommand(argc, argv);
    if (kind == CommandKind::Help || kind == CommandKind::Version) {
        std::fputs((kind == CommandKind::Help ? ShellUsage() : VersionLine()).c_str(), stdout);
        return 0;
    }
    if (!DisplayAvailable()) {
        std::fprintf(stderr, "Tavrolin.scr: cannot open the X display\n");
        return 1;
    }
    // Finding windows by title and reparenting into a foreign window exist only on X11, so the
    // shell runs there even on a Wayland desktop (through XWayland).
    qputenv("QT_QPA_PLATFORM", "xcb");
    QApplication application(argc, argv);
    QApplication::setApplicationName("Tavrolin");

    Ending ending = Ending::Quietly;
    const std::unique_ptr<QWidget> window = Main(commandText, ending);
    if (ending == Ending::MissingEngine)
        return 1;
    // A typo must not pass for a mode that does nothing.
    if (ending == Ending::NoMode && kind == CommandKind::Unknown) {
        std::fputs(UnknownCommandLine(commandText).c_str(), stderr);
        return 2;
    }
    if (!window)
        return 0;
    return QApplication::exec();
}
