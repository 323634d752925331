// Frame time of the real engine frame on the engine's own X11 window system against two floors
// every frame must pay, measured in turns in one run on the current display: the trails' dimming
// of the previous frame laid back from a copy (as on drivers that keep no back buffer), and the
// same dimming in place; each with a depth clear and the swap. Says which path the engine took.
#include "engine/engine_state.h"
#include "engine/frame_loop.h"
#include "engine/random.h"
#include "engine/ride_loop.h"
#include "engine/scene/kept_frame.h"
#include "engine/scene/overlay.h"
#include "files/work_folder.h"
#include "platform/xlib/xlib_ride.h"

#include <GL/gl.h>
#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// A 24-bit bottom-up bitmap of size × size pixels with a colour ramp, like the shell's pictures.
void writePicture(const std::filesystem::path& file, int size, bool black)
{
    std::ofstream out(file, std::ios::binary);
    std::string header(54, '\0');
    out.write(header.data(), header.size());
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const char pixel[3] = {static_cast<char>(black ? 0 : x), static_cast<char>(black ? 0 : y),
                                   static_cast<char>(black ? 0 : 128)};
            out.write(pixel, 3);
        }
}

KeptFrame floorKept;
RideHooks engine;

// Every run draws the same ride: its clock steps 16 ms a frame, as at 60 Hz, whatever the
// frames cost, and its draws start from one seed.
std::int64_t rideNow = 0;

bool startRide()
{
    const bool started = engine.start();
    seedRandom(1);
    return started;
}

void engineFrame(std::int64_t)
{
    rideNow += 16;
    engine.frame(rideNow);
}

void copyFloorFrame(std::int64_t)
{
    setOverlayProjection(windowWidth, windowHeight);
    floorKept.setBackBufferKept(false);
    floorKept.fadeBack(0.33f, windowWidth, windowHeight);
    glClear(GL_DEPTH_BUFFER_BIT);
    floorKept.keep();
}

void inPlaceFloorFrame(std::int64_t)
{
    setOverlayProjection(windowWidth, windowHeight);
    drawFadeQuad(0.33f, windowWidth, windowHeight);
    glClear(GL_DEPTH_BUFFER_BIT);
}

double processSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return now.tv_sec + now.tv_nsec * 1e-9;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Short rounds, each running the engine and the floors next to each other in time, the first
// two taking turns at going first, so the machine's own drift falls on both sides of every ratio.
constexpr int rounds = 12;
constexpr int framesPerBatch = 100;
enum Kind { Engine, CopyFloor, InPlaceFloor };
constexpr std::array<void (*)(std::int64_t), 3> drawers = {engineFrame, copyFloorFrame, inPlaceFloorFrame};

struct Measures {
    std::array<std::vector<double>, 3> wallMs;
    std::array<std::vector<double>, 3> cpuMs;
};
Measures measures;
bool engineCopied = false;

Kind kindOf(int batch)
{
    const int round = batch / 3;
    const int turn = batch % 3;
    if (turn == 2)
        return InPlaceFloor;
    return (turn == 0) == (round % 2 == 0) ? CopyFloor : Engine;
}

int batch = -1;
int framesInBatch = 0;
Clock::time_point batchStart;
double batchCpu = 0;

// Runs the rides past the fade-in and the title, as most of a ride is, then the batches; each
// batch is timed from its first frame to the first of the next, so its swaps count too.
bool benchFrame(std::int64_t now)
{
    if (batch < 0) {
        engineFrame(now);
        if (rideNow < 10500)
            return true;
        batch = 0;
        glFinish();
        batchStart = Clock::now();
        batchCpu = processSeconds();
    } else if (framesInBatch == framesPerBatch) {
        glFinish();
        const Kind kind = kindOf(batch);
        measures.wallMs[kind].push_back(std::chrono::duration<double, std::milli>(Clock::now() - batchStart).count() /
                                        framesPerBatch);
        measures.cpuMs[kind].push_back((processSeconds() - batchCpu) * 1000 / framesPerBatch);
        if (kind == Engine)
            engineCopied = keptFrame.copying();
        if (++batch == rounds * 3)
            return false;
        framesInBatch = 0;
        batchStart = Clock::now();
        batchCpu = processSeconds();
    }
    drawers[kindOf(batch)](now);
    ++framesInBatch;
    return true;
}

void noKey(unsigned char)
{
}

bool neverOver(std::int64_t)
{
    return false;
}

bool neverStopped()
{
    return false;
}

void release()
{
    engine.release();
    floorKept.release();
}

void report()
{
    const auto ratioTo = [](Kind floor) {
        std::vector<double> ratios;
        for (int round = 0; round < rounds; ++round)
            ratios.push_back(measures.wallMs[Engine][round] / measures.wallMs[floor][round]);
        return median(ratios);
    };
    const int width = windowWidth;
    const int height = windowHeight;
    std::printf("%dx%d  engine %.2f ms/frame (%s)  floor with the copy %.2f ms  in place %.2f ms  [%d frames each]\n",
                width, height, median(measures.wallMs[Engine]),
                engineCopied ? "copying each frame: the driver keeps no back buffer" : "back buffer kept, no copy",
                median(measures.wallMs[CopyFloor]), median(measures.wallMs[InPlaceFloor]), rounds * framesPerBatch);
    std::printf("%dx%d  ratio to the in-place floor %.2f, to the floor with the copy %.2f\n", width, height,
                ratioTo(InPlaceFloor), ratioTo(CopyFloor));
    std::printf("%dx%d  CPU time per frame: engine %.2f ms  floor with the copy %.2f ms  in place %.2f ms\n", width,
                height, median(measures.cpuMs[Engine]), median(measures.cpuMs[CopyFloor]),
                median(measures.cpuMs[InPlaceFloor]));
}

}

int main()
{
    const std::filesystem::path home = std::filesystem::temp_directory_path() / "tavrolin-bench";
    setenv("HOME", home.c_str(), 1);
    setenv("XDG_CONFIG_HOME", (home / ".config").c_str(), 1);
    MakeWorkFolder();
    writePicture(WorkFolderPath() / CharacterSheetFileName, 128, true);
    writePicture(WorkFolderPath() / SpherePictureFileName, 256, false);

    int stopPipe[2] = {-1, -1};
    if (pipe(stopPipe) != 0)
        return 1;
    XlibRideOptions options;
    options.unpaced = true;
    engine = RideLoopHooks(RideChoice{}, neverStopped, stopPipe[0]);
    const RideHooks hooks{startRide,    engine.resize, engine.backBufferKept, benchFrame, noKey,
                          neverOver,    release,       engine.now,            stopPipe[0]};
    const int status = RunXlibRide(hooks, options);
    if (status == 0 && batch == rounds * 3)
        report();
    std::filesystem::remove_all(home);
    return status;
}
