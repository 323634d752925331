#include "command_line.h"
#include "entry.h"
#include "platform/x11/display_available.h"

#include <QApplication>
#include <cstdio>

int main(int argc, char** argv)
{
    // Qt takes its own switches out of argv; the command text is what the caller passed.
    const std::string commandText = CommandText(argc, argv);
    if (!DisplayAvailable()) {
        std::fprintf(stderr, "Tavrolin.scr: cannot open the X display\n");
        return 1;
    }
    // Finding windows by title and reparenting into a foreign window exist only on X11, so the
    // shell runs there even on a Wayland desktop (through XWayland).
    qputenv("QT_QPA_PLATFORM", "xcb");
    QApplication application(argc, argv);
    QApplication::setApplicationName("Tavrolin");

    const std::unique_ptr<QWidget> window = Main(commandText);
    if (!window)
        return 0;
    return QApplication::exec();
}
