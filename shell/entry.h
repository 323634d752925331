#pragma once

#include <QWidget>
#include <memory>
#include <string>

// Why the shell opened no window: nothing worth saying, the engine is missing, the command text
// named no mode (it ended after the engine check), or a lock file could not be used (said on
// stderr).
enum class Ending { Quietly, MissingEngine, NoMode, LockUnusable };

// The shell's entry procedure, run once the Qt application exists. Refuses to run beside another
// instance, dispatches on the command text's mode letter and loads the one window of the mode.
// Returns that window, which keeps the program alive in the event loop until it ends the program;
// null when the program ends at once, with the reason in ending.
std::unique_ptr<QWidget> Main(const std::string& commandText, Ending& ending);

// The entry on native Wayland: no marker windows, no pointer calls (the run lock alone guards
// against a second ride). /c opens the settings; /s or nothing rides on every output, or on
// session.output alone; session.background rides under the windows beside anything else, with no
// lock. Returns the host, or null with the exit status to end with in `status`.
struct SessionSwitches;
std::unique_ptr<QWidget> MainOnWayland(const std::string& commandText, const SessionSwitches& session,
                                       Ending& ending, int& status);

// The entry of a ride inside a screensaver manager's window: no marker windows looked for or
// made, one instance per window, no pointer touched, no message box (nobody could answer it under
// a lock screen). Returns the host, or null with the exit status to end with in `status`.
struct HostedRequest;
std::unique_ptr<QWidget> MainHosted(const HostedRequest& request, int& status);

// A command the shell does not know, refused before any display, lock or marker window is looked
// at, so alike beside a ride, beside the dialog and with no display at all; only the steps every
// mode but the preview takes first run before: the work folder, the settings and the engine check.
// Returns 1 once the missing-engine message is on stderr, else 2 once one line pointing at
// --help is.
int RefuseUnknownCommand(const std::string& commandText);

// The one message the shell ever shows, as the code holds it, and in the user's language.
inline constexpr const char* MissingEngineMessage = QT_TRANSLATE_NOOP("Tavrolin", "Tavrolin.dll が同じﾌｫﾙﾀﾞに見つかりません！");
QString MissingEngineText();

// Shows that message in a box titled "Tavrolin" with one OK button; returns when it is closed.
void ShowMissingEngineMessage();
