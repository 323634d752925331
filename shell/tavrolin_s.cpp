#include "tavrolin_s.h"

#include "contract/engine_contract.h"
#include "files/program_folder.h"
#include "files/work_folder.h"
#include "platform/picture/save_picture.h"
#include "platform/x11/find_window.h"
#include "platform/x11/show_cursor.h"
#include "platform/x11/window_rect.h"
#include "shell_settings.h"
#include "tavrolin_bgm.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <chrono>
#include <cstdio>
#include <thread>

namespace {

constexpr const char* EngineWindowTitle = "Tavrolin_VC";

}

Tavrolin_S::Tavrolin_S(char modeLetter, NativeWindow hostWindow, QWidget* parent)
    : QWidget(parent)
    , m_modeLetter(modeLetter)
    , m_hostWindow(hostWindow)
{
    // Marker windows exist only on X11, where other starts can look for them.
    if (m_hostWindow == 0 && QGuiApplication::platformName() != "wayland") {
        setWindowTitle(Caption);
        // A native window now, unmapped: the instance check of other starts finds it by its title.
        winId();
    }

    Timer1.setInterval(1000);
    Timer2.setInterval(200);
    Timer3.setInterval(500);
    connect(&Timer1, &QTimer::timeout, this, &Tavrolin_S::Timer1Tick);
    connect(&Timer2, &QTimer::timeout, this, &Tavrolin_S::Timer2Tick);
    connect(&Timer3, &QTimer::timeout, this, &Tavrolin_S::Timer3Tick);
    m_musicTurn.setInterval(1000);
    connect(&m_musicTurn, &QTimer::timeout, this, &Tavrolin_S::takeMusicTurn);
}

Tavrolin_S::~Tavrolin_S()
{
    Unload();
}

std::filesystem::path Tavrolin_S::EnginePath()
{
    return ProgramFolder() / "Tavrolin.dll";
}

std::vector<std::vector<std::string>> Tavrolin_S::EngineArguments(NativeWindow hostWindow,
                                                                  const std::vector<Monitor>& monitors,
                                                                  const RideOptions& options)
{
    // Told X11 always: in a session that also runs Wayland the engine must not choose again.
    const std::string x11(X11Switch);
    std::vector<std::vector<std::string>> arguments;
    if (hostWindow != 0) {
        arguments.push_back({x11, std::string(WindowIdSwitch), std::to_string(hostWindow)});
    } else if (monitors.size() < 2) {
        arguments.push_back({x11});
    } else {
        for (const Monitor& monitor : monitors) {
            arguments.push_back({x11, std::string(MonitorSwitch), std::to_string(monitor.x) + "," + std::to_string(monitor.y) + ","
                                                  + std::to_string(monitor.width) + "," + std::to_string(monitor.height)});
        }
    }
    for (std::vector<std::string>& engine : arguments) {
        const std::vector<std::string> levels = LevelArguments(options);
        engine.insert(engine.end(), levels.begin(), levels.end());
    }
    return arguments;
}

std::vector<std::string> Tavrolin_S::LevelArguments(const RideOptions& options)
{
    std::vector<std::string> levels;
    if (options.scaleLevel != 0)
        levels.insert(levels.end(), {std::string(ScaleSwitch), std::to_string(options.scaleLevel)});
    if (options.speedLevel != 0)
        levels.insert(levels.end(), {std::string(SpeedSwitch), std::to_string(options.speedLevel)});
    return levels;
}

QImage Tavrolin_S::Pic(int item)
{
    switch (item) {
    case 1:
        return QImage(":/art/character_sheet.jpg");
    case 2:
        return QImage(":/art/earth_map.jpg");
    default:
        return {};
    }
}

void Tavrolin_S::RideOnOutputs(bool background, const std::string& onlyOutput)
{
    m_background = background;
    m_onlyOutput = onlyOutput;
    std::vector<std::string> switches{std::string(WaylandSwitch)};
    if (background)
        switches.push_back(std::string(BackgroundSwitch));
    const std::vector<std::string> levels = LevelArguments(OneRideOptions);
    switches.insert(switches.end(), levels.begin(), levels.end());
    m_outputRides = std::make_unique<OutputRides>(EnginePath(), switches);
    // Exits are cheap to look for, and one output's keys must end the others' rides at once.
    Timer3.setInterval(100);
}

void Tavrolin_S::rideOnScreen(const QScreen* screen)
{
    const std::string name = screen->name().toStdString();
    // Qt stands in a nameless screen while no output exists.
    if (name.empty() || (!m_onlyOutput.empty() && name != m_onlyOutput))
        return;
    m_outputRides->start(name);
}

void Tavrolin_S::Load()
{
    Timer3.start();

    // Pictures go nowhere but a private work folder; without one the engine rides without them.
    if (WorkFolderIsPrivate()) {
        const std::filesystem::path folder = WorkFolderPath();
        SavePicture(Pic(1), folder / CharacterSheetFileName);
        SavePicture(Pic(2), folder / SpherePictureFileName);
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(100));

    if (m_outputRides) {
        for (const QScreen* screen : QGuiApplication::screens())
            rideOnScreen(screen);
        connect(qGuiApp, &QGuiApplication::screenAdded, this, &Tavrolin_S::rideOnScreen);
        m_music = OneRideOptions.music && !m_background;
        if (m_music)
            StartMusic();
        return;
    }

    const std::vector<Monitor> monitors = m_hostWindow == 0 ? Monitors() : std::vector<Monitor>{};
    for (const std::vector<std::string>& arguments : EngineArguments(m_hostWindow, monitors, OneRideOptions)) {
        m_engines.push_back(std::make_unique<EngineProcess>());
        m_engines.back()->start(EnginePath(), arguments);
    }
    m_sinceEngineStart.start();
    // Without music there is no turn at it to hold either.
    m_music = OneRideOptions.music;
    if (!m_music)
        return;
    if (m_hostWindow == 0) {
        StartMusic();
    } else {
        takeMusicTurn();
        if (!m_musicLock.held())
            m_musicTurn.start();
    }
}

void Tavrolin_S::takeMusicTurn()
{
    if (!m_musicLock.take())
        return;
    m_musicTurn.stop();
    StartMusic();
}

void Tavrolin_S::StartMusic()
{
    if (ShellSettings.BgmKind == BgmKindCd) {
        // No play command here: the first watch tick starts the disc.
        CdOpen();
        Timer2.start();
    } else if (ShellSettings.BgmKind == BgmKindFile) {
        const std::string ending = MusicFileEnding(ShellSettings.BgmFile);
        if (ending == "WAV") {
            WavStart();
        } else if (ending == "MP3") {
            FileMusicStart();
            Timer1.start();
        }
    }
}

void Tavrolin_S::StopMusic()
{
    // A CD watch that gave up has left the device alone, and so does the end.
    if (Timer2.isActive()) {
        Timer2.stop();
        CdClose();
    }
    if (ShellSettings.BgmKind == BgmKindFile) {
        const std::string ending = MusicFileEnding(ShellSettings.BgmFile);
        if (ending == "WAV") {
            WavStop();
        } else if (ending == "MP3") {
            Timer1.stop();
            FileMusicStop();
        }
    }
}

void Tavrolin_S::Timer1Tick()
{
    FileMusicRewind();
}

void Tavrolin_S::Timer2Tick()
{
    CdWatch();
    if (!CdWatchOk)
        Timer2.stop();
}

void Tavrolin_S::Timer3Tick()
{
    // Esc, Q or q end the ride on the monitor that holds the keyboard: that ends them all.
    if (m_outputRides) {
        if (!m_outputRides->over())
            return;
        Timer3.stop();
        if (m_outputRides->failed()) {
            std::fprintf(stderr, "Tavrolin.scr: the ride engine did not start on any output\n");
            m_exitStatus = 1;
        }
        Unload();
        return;
    }
    bool anyEnded = false;
    for (const std::unique_ptr<EngineProcess>& engine : m_engines)
        anyEnded = engine->hasEnded() || anyEnded;
    if (m_hostWindow != 0) {
        // Several hosted rides may run at once, so none is known by its title.
        if (!anyEnded && GetWindowRect(m_hostWindow))
            return;
    } else {
        const bool windowPresent = FindWindowA(EngineWindowTitle) != 0;
        const double seconds = static_cast<double>(m_sinceEngineStart.elapsed()) / 1000.0;
        if (!m_engineWatch.rideIsOver(windowPresent && !anyEnded, anyEnded, seconds))
            return;
    }
    Timer3.stop();
    reportFailedEngine();
    Unload();
}

void Tavrolin_S::reportFailedEngine()
{
    int status = 0;
    for (const std::unique_ptr<EngineProcess>& engine : m_engines)
        status = engine->endStatus() > 0 ? engine->endStatus() : status;
    if (m_hostWindow != 0) {
        // Inside the host the engine's title tells nothing, but a hosted engine only ever ends
        // well with status 0 (its host gone) or when asked to.
        if (status == 0)
            return;
        std::fprintf(stderr, "Tavrolin.scr: the ride engine ended with exit status %d\n", status);
    } else {
        // Once its window has shown, however the ride ends (its keys, its window closed by
        // whatever means) it is a ride that ran.
        if (m_engineWatch.windowSeen())
            return;
        if (status > 0)
            std::fprintf(stderr, "Tavrolin.scr: the ride engine did not start (exit status %d)\n", status);
        else
            std::fprintf(stderr, "Tavrolin.scr: the ride engine did not start (it showed no window)\n");
    }
    m_exitStatus = 1;
}

void Tavrolin_S::Unload()
{
    if (m_unloaded)
        return;
    m_unloaded = true;
    Timer3.stop();
    m_musicTurn.stop();
    for (const std::unique_ptr<EngineProcess>& engine : m_engines)
        engine->requestEnd();
    for (const std::unique_ptr<EngineProcess>& engine : m_engines)
        engine->end();
    if (m_outputRides)
        m_outputRides->endAll();
    if (m_music && (m_hostWindow == 0 || m_musicLock.held()))
        StopMusic();
    if (m_modeLetter == 'S' && m_hostWindow == 0 && !m_outputRides)
        ShowCursor(true);
    QCoreApplication::exit(m_exitStatus);
}

void Tavrolin_S::closeEvent(QCloseEvent* event)
{
    Unload();
    event->accept();
}
