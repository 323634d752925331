#pragma once

#include "engine_watch.h"
#include "platform/x11/monitor.h"
#include "platform/x11/native_window.h"
#include "ride_options.h"
#include "shell/lifetime/engine_process.h"
#include "shell/lifetime/instance_lock.h"
#include "shell/lifetime/output_rides.h"

#include <QElapsedTimer>
#include <QImage>
#include <QTimer>
#include <QWidget>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

class QScreen;

// The host window of a screensaver run: exists as a native window titled "Tavrolin_Main" so that
// other starts of the shell see it, but is never shown. Loading it exports the engine's two
// pictures and starts the engine; its watch then ends the program once the engine's window has
// gone. Hosted in a manager's window it has no native window at all: the engine rides inside the
// manager's window, and the run ends when the engine or that window has gone. On Wayland there
// is no marker window (the run lock alone guards) and the run ends as OutputRides says.
class Tavrolin_S : public QWidget {
    Q_OBJECT

public:
    // modeLetter: the command line's mode letter; 'S' means the pointer was hidden at start and is
    // shown again at the end. hostWindow: the manager's window to ride in, or 0 for a ride of the
    // engine's own; hosted, the pointer is never touched.
    explicit Tavrolin_S(char modeLetter, NativeWindow hostWindow = 0, QWidget* parent = nullptr);
    ~Tavrolin_S() override;

    // The caption by which other starts of the shell know that a run is going on.
    static constexpr const char* Caption = "Tavrolin_Main";

    // On Wayland, before Load: one engine per output (only onlyOutput when not empty), each on its
    // own output's layer; background rides under the windows, take no input and play no music.
    // New outputs get a ride as they come.
    void RideOnOutputs(bool background, const std::string& onlyOutput);

    // The start-up: pictures, engine, music (none with --no-music). Returns once the engine has
    // been started (or failed to) and the music with it.
    void Load();
    // The end of the run, whatever its reason: engine ended, music stopped, pointer shown again
    // (mode 'S'), event loop ended. Runs once; later calls do nothing.
    void Unload();

    // The music steps of the start-up and of the end, after ShellSettings: the audio CD is
    // opened and watched by Timer2; an MP3 file is played and rewound by Timer1; a WAV file loops
    // by itself. Any other kind or file ending plays nothing.
    void StartMusic();
    void StopMusic();
    // Timer1: the file music repeat watch.
    void Timer1Tick();
    // Timer2: the audio-CD watch; it stops for good at the first run that finds no disc.
    void Timer2Tick();

    // The engine: the shell's own folder, then "Tavrolin.dll".
    static std::filesystem::path EnginePath();
    // What each engine of a run on X11 is told: --x11, then nothing more for one monitor (the whole
    // screen, as always), a --monitor rectangle each for several, the window to ride in when
    // hosted (one engine); each also gets LevelArguments.
    static std::vector<std::vector<std::string>> EngineArguments(NativeWindow hostWindow,
                                                                 const std::vector<Monitor>& monitors,
                                                                 const RideOptions& options = {});
    // The levels the ride options set in place of the settings file's, as engine switches.
    static std::vector<std::string> LevelArguments(const RideOptions& options);
    // The picture control array: item 1, the all-black 128 x 128 character sheet; item 2, the
    // 256 x 256 Earth map with clouds. Any other item gives a null picture.
    static QImage Pic(int item);

    QTimer Timer1; // file-music repeat watch, 1000 ms
    QTimer Timer2; // audio-CD watch, 200 ms
    QTimer Timer3; // engine-window watch, 500 ms

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Timer3Tick();
    void rideOnScreen(const QScreen* screen);
    // Once the watch has found the ride over: an engine that never showed its window (hosted: that
    // ended with a non-zero status) is told on stderr in one line, and the event loop ends with
    // status 1.
    void reportFailedEngine();
    // Hosted rides share one music: the one that holds the music lock plays it, and another takes
    // over when that one ends.
    void takeMusicTurn();

    char m_modeLetter;
    NativeWindow m_hostWindow;
    // One ride per monitor; a single ride covers the whole screen.
    std::vector<std::unique_ptr<EngineProcess>> m_engines;
    // On Wayland the rides are watched by their exits: there is no window to look for.
    std::unique_ptr<OutputRides> m_outputRides;
    bool m_background = false;
    std::string m_onlyOutput;
    InstanceLock m_musicLock{"music"};
    QTimer m_musicTurn;
    QElapsedTimer m_sinceEngineStart;
    EngineWatch m_engineWatch;
    bool m_unloaded = false;
    bool m_music = true;
    int m_exitStatus = 0;
};
