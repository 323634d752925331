// Frame time of the real engine frame against the floor every frame must pay (depth clear, the
// trails' dimming of the previous frame with the copy where the driver needs one, swap), measured
// alternately in one run on the current display; with --paced also the CPU time of both paced to
// the display as the engine paces itself.
#include "engine/engine_state.h"
#include "engine/frame_loop.h"
#include "engine/scene/kept_frame.h"
#include "engine/scene/overlay.h"
#include "platform/files/work_folder.h"
#include "platform/gl/back_buffer_age.h"
#include "platform/glut/display_pacing.h"

#include <GL/freeglut.h>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <string>
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

void engineFrame()
{
    nowMs = glutGet(GLUT_ELAPSED_TIME);
    keptFrame.setBackBufferKept(BackBufferAge() == 1);
    frame();
    glutSwapBuffers();
}

KeptFrame floorKept;

void floorFrame()
{
    setOverlayProjection(glutGet(GLUT_WINDOW_WIDTH), glutGet(GLUT_WINDOW_HEIGHT));
    floorKept.setBackBufferKept(BackBufferAge() == 1);
    floorKept.fadeBack(0.33f, glutGet(GLUT_WINDOW_WIDTH), glutGet(GLUT_WINDOW_HEIGHT));
    glClear(GL_DEPTH_BUFFER_BIT);
    floorKept.keep();
    glutSwapBuffers();
}

// The floor without the copy: what it costs where the driver keeps the back buffer.
void blendOnlyFrame()
{
    setOverlayProjection(glutGet(GLUT_WINDOW_WIDTH), glutGet(GLUT_WINDOW_HEIGHT));
    drawFadeQuad(0.33f, glutGet(GLUT_WINDOW_WIDTH), glutGet(GLUT_WINDOW_HEIGHT));
    glClear(GL_DEPTH_BUFFER_BIT);
    glutSwapBuffers();
}

double processSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return now.tv_sec + now.tv_nsec * 1e-9;
}

struct PacedRun {
    int frames = 0;
    double wallSeconds = 0;
    double cpuSeconds = 0;

    double framesPerSecond() const { return frames / wallSeconds; }
};

void pacedFor(void (*draw)(), double seconds, PacedRun& run)
{
    glFinish();
    const double cpuStart = processSeconds();
    const auto start = Clock::now();
    while (std::chrono::duration<double>(Clock::now() - start).count() < seconds) {
        waitForNextFrame();
        draw();
        ++run.frames;
    }
    glFinish();
    run.wallSeconds += std::chrono::duration<double>(Clock::now() - start).count();
    run.cpuSeconds += processSeconds() - cpuStart;
}

// Wall time per frame; adds the process's CPU time per frame (every renderer thread) to cpuMs.
double millisecondsPerFrame(void (*draw)(), int frames, std::vector<double>& cpuMs)
{
    glFinish();
    const double cpuStart = processSeconds();
    const auto start = Clock::now();
    for (int i = 0; i < frames; ++i)
        draw();
    glFinish();
    cpuMs.push_back((processSeconds() - cpuStart) * 1000 / frames);
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count() / frames;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}

int main(int argc, char** argv)
{
    const bool paced = argc > 1 && std::strcmp(argv[1], "--paced") == 0;
    const std::filesystem::path home = std::filesystem::temp_directory_path() / "tavrolin-bench";
    setenv("HOME", home.c_str(), 1);
    setenv("XDG_CONFIG_HOME", (home / ".config").c_str(), 1);
    MakeWorkFolder();
    writePicture(WorkFolderPath() / CharacterSheetFileName, 128, true);
    writePicture(WorkFolderPath() / SpherePictureFileName, 256, false);

    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    glutInitWindowPosition(0, 0);
    const int width = glutGet(GLUT_SCREEN_WIDTH);
    const int height = glutGet(GLUT_SCREEN_HEIGHT);
    glutInitWindowSize(width, height);
    glutCreateWindow("Tavrolin_VC");
    glutDisplayFunc([] {});
    glutMainLoopEvent();
    windowWidth = width;
    windowHeight = height;
    textOverlay.viewportWidth = width;
    textOverlay.viewportHeight = height;
    glViewport(0, 0, width, height);
    initEngine();

    // Past the fade-in and the title, as most of a ride is.
    while (glutGet(GLUT_ELAPSED_TIME) < 10500)
        engineFrame();

    // Short rounds, each pairing the engine with the floor next to it in time and taking turns
    // at going first, so the machine's own drift falls on both sides of every ratio.
    const int rounds = 12;
    const int framesPerRound = 100;
    std::vector<double> engine, floor, blendOnly, engineCpu, floorCpu, blendOnlyCpu, ratios;
    for (int round = 0; round < rounds; ++round) {
        if (round % 2 == 0) {
            floor.push_back(millisecondsPerFrame(floorFrame, framesPerRound, floorCpu));
            engine.push_back(millisecondsPerFrame(engineFrame, framesPerRound, engineCpu));
        } else {
            engine.push_back(millisecondsPerFrame(engineFrame, framesPerRound, engineCpu));
            floor.push_back(millisecondsPerFrame(floorFrame, framesPerRound, floorCpu));
        }
        ratios.push_back(engine.back() / floor.back());
        blendOnly.push_back(millisecondsPerFrame(blendOnlyFrame, framesPerRound, blendOnlyCpu));
    }
    const double engineMs = median(engine);
    const double floorMs = median(floor);
    std::printf("%dx%d  ratio %.2f  engine %.2f ms/frame (%.0f fps)  floor %.2f ms/frame (%.0f fps)  [%d frames each]\n",
                width, height, median(ratios), engineMs, 1000 / engineMs, floorMs, 1000 / floorMs,
                framesPerRound * rounds);
    std::printf("%dx%d  CPU time per frame: ratio %.2f  engine %.2f ms  floor %.2f ms\n", width, height,
                median(engineCpu) / median(floorCpu), median(engineCpu), median(floorCpu));
    std::printf("%dx%d  frame copy %s: floor %.2f ms with it, %.2f ms blending in place (CPU %.2f / %.2f ms)\n",
                width, height, floorKept.copying() ? "in use (driver keeps no back buffer)" : "not needed", floorMs,
                median(blendOnly), median(floorCpu), median(blendOnlyCpu));

    if (paced) {
        startPacing(true, 0, 0, width, height);
        // One-second slices taking turns, as the unpaced rounds do.
        PacedRun floorRun, engineRun;
        for (int slice = 0; slice < 6; ++slice) {
            pacedFor(slice % 2 == 0 ? floorFrame : engineFrame, 1, slice % 2 == 0 ? floorRun : engineRun);
            pacedFor(slice % 2 == 0 ? engineFrame : floorFrame, 1, slice % 2 == 0 ? engineRun : floorRun);
        }
        std::printf("%dx%d  paced: engine %.1f fps, CPU %.2f s; floor %.1f fps, CPU %.2f s; CPU ratio %.2f  [6 s each]\n",
                    width, height, engineRun.framesPerSecond(), engineRun.cpuSeconds, floorRun.framesPerSecond(),
                    floorRun.cpuSeconds, engineRun.cpuSeconds / floorRun.cpuSeconds);
    }
    std::filesystem::remove_all(home);
    releaseResources();
    floorKept.release();
    return 0;
}
