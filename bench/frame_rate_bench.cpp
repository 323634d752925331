// Frame time of the real engine frame against the floor every frame must pay (depth clear, one
// full-window blended quad, swap), measured alternately in one run on the current display.
#include "engine/engine_state.h"
#include "engine/frame_loop.h"
#include "engine/scene/overlay.h"
#include "platform/files/work_folder.h"

#include <GL/freeglut.h>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
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
    frame();
    glutSwapBuffers();
}

void floorFrame()
{
    setOverlayProjection();
    drawFadeQuad(0.33f);
    glClear(GL_DEPTH_BUFFER_BIT);
    glutSwapBuffers();
}

double millisecondsPerFrame(void (*draw)(), int frames)
{
    glFinish();
    const auto start = Clock::now();
    for (int i = 0; i < frames; ++i)
        draw();
    glFinish();
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
    glViewport(0, 0, width, height);
    initEngine();

    // Past the fade-in and the title, as most of a ride is.
    while (glutGet(GLUT_ELAPSED_TIME) < 10500)
        engineFrame();

    const int framesPerRound = 200;
    std::vector<double> engine, floor;
    for (int round = 0; round < 5; ++round) {
        floor.push_back(millisecondsPerFrame(floorFrame, framesPerRound));
        engine.push_back(millisecondsPerFrame(engineFrame, framesPerRound));
    }
    const double engineMs = median(engine);
    const double floorMs = median(floor);
    std::printf("%dx%d  ratio %.2f  engine %.2f ms/frame (%.0f fps)  floor %.2f ms/frame (%.0f fps)  [%d frames each]\n",
                width, height, engineMs / floorMs, engineMs, 1000 / engineMs, floorMs, 1000 / floorMs,
                framesPerRound * 5);
    std::filesystem::remove_all(home);
    releaseResources();
    return 0;
}
