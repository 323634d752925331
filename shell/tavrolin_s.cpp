#include "tavrolin_s.h"

#include "platform/find_window.h"
#include "platform/program_folder.h"
#include "platform/save_picture.h"
#include "platform/show_cursor.h"
#include "platform/start_program.h"
#include "platform/work_folder.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <chrono>
#include <thread>

namespace {

constexpr const char* EngineWindowTitle = "Tavrolin_VC";

}

Tavrolin_S::Tavrolin_S(char modeLetter, QWidget* parent)
    : QWidget(parent)
    , m_modeLetter(modeLetter)
{
    setWindowTitle(Caption);
    // A native window now, unmapped: the instance check of other starts finds it by its title.
    winId();

    Timer1.setInterval(1000);
    Timer2.setInterval(200);
    Timer3.setInterval(500);
    connect(&Timer3, &QTimer::timeout, this, &Tavrolin_S::Timer3Tick);
}

std::filesystem::path Tavrolin_S::EnginePath()
{
    return ProgramFolder() / "Tavrolin.dll";
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

void Tavrolin_S::Load()
{
    Timer3.start();

    const std::filesystem::path folder = WorkFolderPath();
    SavePicture(Pic(1), folder / CharacterSheetFileName);
    SavePicture(Pic(2), folder / SpherePictureFileName);
    std::this_thread::sleep_for(std::chrono::milliseconds(100));

    m_engineProcess = StartProgram(EnginePath());
    m_sinceEngineStart.start();
}

void Tavrolin_S::Timer3Tick()
{
    const bool windowPresent = FindWindowA(EngineWindowTitle) != 0;
    const bool processEnded = ProgramHasEnded(m_engineProcess);
    const double seconds = static_cast<double>(m_sinceEngineStart.elapsed()) / 1000.0;
    if (!m_engineWatch.rideIsOver(windowPresent, processEnded, seconds))
        return;
    Timer3.stop();
    Unload();
}

void Tavrolin_S::Unload()
{
    if (m_unloaded)
        return;
    m_unloaded = true;
    Timer3.stop();
    if (m_modeLetter == 'S')
        ShowCursor(true);
    QCoreApplication::exit(0);
}

void Tavrolin_S::closeEvent(QCloseEvent* event)
{
    Unload();
    event->accept();
}
