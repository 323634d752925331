#include "entry.h"

#include "command_line.h"
#include "path_text.h"
#include "files/work_folder.h"
#include "platform/x11/find_window.h"
#include "platform/x11/root_window.h"
#include "platform/x11/show_cursor.h"
#include "platform/x11/window_rect.h"
#include "session_switches.h"
#include "settings_file.h"
#include "shell/dialog/tavrolin_p.h"
#include "shell/lifetime/hosted_request.h"
#include "shell/lifetime/process_locks.h"
#include "tavrolin_r.h"
#include "tavrolin_s.h"
#include "translation.h"
#include "usage.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <algorithm>
#include <cstdio>
#include <unistd.h>

namespace {

std::unique_ptr<QWidget> ShowPreview(std::int32_t parentHandle)
{
    const NativeWindow parent = static_cast<NativeWindow>(static_cast<std::uint32_t>(parentHandle));
    const std::optional<WindowRect> rect = GetWindowRect(parent);

    auto preview = std::make_unique<Tavrolin_R>();
    // Without a parent the window shows on its own at its picture's size, and closing it ends
    // the program. The watch starts before the reparenting, so a parent that goes in between is
    // still noticed.
    if (rect && preview->EndWithWindow(parent) && SetParent(preview->winId(), parent)) {
        const int width = rect->right - rect->left;
        const int height = rect->bottom - rect->top;
        preview->setGeometry(0, 0, width, height);
        preview->Img_Prev->setGeometry(0, 0, width, height);
    }
    preview->show();
    return preview;
}

// A lock file that cannot be used lets no instance go on, and that is no success. True when there
// was such a problem (said in one line).
bool reportedLockProblem()
{
    const std::string problem = LockProblem();
    if (problem.empty())
        return false;
    std::fprintf(stderr, "Tavrolin.scr: %s\n", problem.c_str());
    return true;
}

}

QString MissingEngineText()
{
    return QCoreApplication::translate("Tavrolin", MissingEngineMessage);
}

int RefuseUnknownCommand(const std::string& commandText)
{
    MakeWorkFolder();
    LoadSettings();
    if (!FileExists(Tavrolin_S::EnginePath().string())) {
        // No display is asked for: the message goes where the command was typed.
        int argc = 1;
        char name[] = "Tavrolin.scr";
        char* argv[] = {name, nullptr};
        QCoreApplication application(argc, argv);
        InstallTranslation(application, UserLanguageFromEnvironment());
        std::fprintf(stderr, "Tavrolin.scr: %s\n", MissingEngineText().toUtf8().constData());
        return 1;
    }
    std::fputs(UnknownCommandLine(commandText).c_str(), stderr);
    return 2;
}

void ShowMissingEngineMessage()
{
    QMessageBox message(QMessageBox::NoIcon, "Tavrolin", MissingEngineText(), QMessageBox::Ok);
    message.exec();
}

std::unique_ptr<QWidget> Main(const std::string& commandText, Ending& ending)
{
    ending = Ending::Quietly;
    const char letter = ModeLetter(commandText);
    // The marker windows appear only once a start is well under way; the lock closes that gap.
    if (letter == 'P' ? RunLockHeldElsewhere() : !TakeRunLock()) {
        if (reportedLockProblem())
            ending = Ending::LockUnusable;
        return nullptr;
    }
    if (FindWindowA(Tavrolin_S::Caption) != 0 || FindWindowA(Tavrolin_P::Caption) != 0)
        return nullptr;

    if (letter == 'P')
        return ShowPreview(PreviewParentHandle(commandText));

    MakeWorkFolder();
    LoadSettings();
    if (!FileExists(Tavrolin_S::EnginePath().string())) {
        ShowMissingEngineMessage();
        ending = Ending::MissingEngine;
        return nullptr;
    }
    if (letter == 'C') {
        Tavrolin_P dialog;
        dialog.exec();
        return nullptr;
    }
    if (!commandText.empty() && letter != 'S') {
        ending = Ending::NoMode;
        return nullptr;
    }
    if (letter == 'S')
        ShowCursor(false);

    auto host = std::make_unique<Tavrolin_S>(letter);
    host->Load();
    return host;
}

std::unique_ptr<QWidget> MainOnWayland(const std::string& commandText, const SessionSwitches& session,
                                       Ending& ending, int& status)
{
    ending = Ending::Quietly;
    status = 0;
    const char letter = ModeLetter(commandText);
    // A wallpaper and a locker's face ride beside a screensaver run and beside each other.
    if (!session.background && !TakeRunLock()) {
        if (reportedLockProblem())
            ending = Ending::LockUnusable;
        return nullptr;
    }
    MakeWorkFolder();
    LoadSettings();
    if (!FileExists(Tavrolin_S::EnginePath().string())) {
        // Nobody may be there to answer a box under a locker or behind the windows.
        if (session.background)
            std::fprintf(stderr, "Tavrolin.scr: %s\n", MissingEngineText().toUtf8().constData());
        else
            ShowMissingEngineMessage();
        ending = Ending::MissingEngine;
        return nullptr;
    }
    if (letter == 'C' && !session.background) {
        Tavrolin_P dialog;
        dialog.exec();
        return nullptr;
    }
    if (!commandText.empty() && letter != 'S' && !session.background) {
        ending = Ending::NoMode;
        return nullptr;
    }
    if (!session.output.empty()) {
        const QList<QScreen*> screens = QGuiApplication::screens();
        const bool known = std::any_of(screens.begin(), screens.end(), [&session](const QScreen* screen) {
            return screen->name().toStdString() == session.output;
        });
        if (!known) {
            std::fprintf(stderr, "Tavrolin.scr: there is no output %s\n", session.output.c_str());
            status = 1;
            return nullptr;
        }
    }
    auto host = std::make_unique<Tavrolin_S>(session.background ? '\0' : letter);
    host->RideOnOutputs(session.background, session.output);
    host->Load();
    return host;
}

std::unique_ptr<QWidget> MainHosted(const HostedRequest& request, int& status)
{
    status = 0;
    const NativeWindow window = request.kind == HostedRequest::Kind::RootWindow ? RootWindowHandle() : request.window;
    if (!TakeHostedLock(window)) {
        if (reportedLockProblem())
            status = 1;
        return nullptr;
    }
    if (!GetWindowRect(window)) {
        std::fprintf(stderr, "Tavrolin.scr: there is no window 0x%lx to ride in\n", window);
        status = 1;
        return nullptr;
    }
    MakeWorkFolder();
    LoadSettings();
    if (!FileExists(Tavrolin_S::EnginePath().string())) {
        std::fprintf(stderr, "Tavrolin.scr: %s\n", MissingEngineText().toUtf8().constData());
        status = 1;
        return nullptr;
    }
    auto host = std::make_unique<Tavrolin_S>('S', window);
    host->Load();
    return host;
}
