// A helper for the end-to-end scripts, standing in for the programs around the shell:
//   tavrolin_test_window window <title> <width>x<height> [hidden]
//     makes a grey window (mapped unless "hidden"), prints its X window id in decimal (a number of
//     no use on Wayland, where it runs without an X display), and stays
//     until it is killed: a marker window of another instance, or a preview area.
//   tavrolin_test_window clipboard
//     prints the clipboard's text: how a script reads what a message box copied.
#include <QApplication>
#include <QClipboard>
#include <QPalette>
#include <QWidget>
#include <cstdio>
#include <cstring>

int main(int argc, char** argv)
{
    // A normal client window of a Wayland session when there is no X display.
    if (qEnvironmentVariableIsSet("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb");
    QApplication application(argc, argv);
    if (argc == 2 && std::strcmp(argv[1], "clipboard") == 0) {
        std::printf("%s", QGuiApplication::clipboard()->text().toUtf8().constData());
        return 0;
    }
    int width = 0;
    int height = 0;
    if (argc < 4 || std::strcmp(argv[1], "window") != 0 || std::sscanf(argv[3], "%dx%d", &width, &height) != 2) {
        std::fprintf(stderr, "usage: tavrolin_test_window window <title> <w>x<h> [hidden] | clipboard\n");
        return 2;
    }
    QWidget window;
    window.setWindowTitle(QString::fromUtf8(argv[2]));
    QPalette grey = window.palette();
    grey.setColor(QPalette::Window, QColor(128, 128, 128));
    window.setPalette(grey);
    window.setAutoFillBackground(true);
    window.setGeometry(0, 0, width, height);
    if (argc < 5 || std::strcmp(argv[4], "hidden") != 0)
        window.show();
    std::printf("%llu\n", static_cast<unsigned long long>(window.winId()));
    std::fflush(stdout);
    return QApplication::exec();
}
