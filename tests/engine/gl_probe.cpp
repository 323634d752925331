// Preloaded into the real engine. TAVROLIN_SWAP_LOG=file: after every swap (GLX, or EGL on
// Wayland) the file holds the swap count and the steady-clock milliseconds of that swap, and on
// its second line how many frame copies (glCopyTexSubImage2D) were made so far.
// TAVROLIN_DISCARD_BACK_BUFFER=1: behaves like a flip-based driver that keeps nothing: magenta
// garbage in the back buffer after every swap, GLX_EXT_buffer_age offered and reading 0, and no
// GLX_OML_swap_method, so that no config promises to keep it either.
// TAVROLIN_FRAME_CLOCK_MS=N: the C++ steady clock (the ride's) stands still between swaps and
// steps N ms at each, so frames come at fixed ride times. TAVROLIN_SAVE_FRAME="N file": the back
// buffer of frame N, just before its swap, goes to the file as a binary PPM.
#include <GL/gl.h>
#include <GL/glx.h>
#include <GL/glxext.h>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <dlfcn.h>
#include <vector>
#include <fcntl.h>
#include <string>
#include <unistd.h>

namespace {

bool discarding()
{
    static const bool on = std::getenv("TAVROLIN_DISCARD_BACK_BUFFER") != nullptr;
    return on;
}

template <typename Function>
Function real(const char* name)
{
    return reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
}

long swapCount = 0;
long copyCount = 0;

void logSwap()
{
    static const char* path = std::getenv("TAVROLIN_SWAP_LOG");
    static int file = path ? open(path, O_WRONLY | O_CREAT | O_TRUNC, 0644) : -1;
    ++swapCount;
    if (file < 0)
        return;
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    char line[96];
    const int length = std::snprintf(line, sizeof line, "%ld %ld\n%ld\n%20s", swapCount,
                                     now.tv_sec * 1000L + now.tv_nsec / 1000000L, copyCount, "");
    if (pwrite(file, line, static_cast<size_t>(length), 0) < 0)
        return;
}

void saveFrame()
{
    static const char* wanted = std::getenv("TAVROLIN_SAVE_FRAME");
    long frame = 0;
    char path[512] = "";
    if (!wanted || std::sscanf(wanted, "%ld %511s", &frame, path) != 2 || frame != swapCount + 1)
        return;
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    std::vector<unsigned char> pixels(static_cast<size_t>(viewport[2]) * viewport[3] * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, viewport[2], viewport[3], GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
    if (FILE* out = std::fopen(path, "wb")) {
        std::fprintf(out, "P6\n%d %d\n255\n", viewport[2], viewport[3]);
        // Rows bottom-up in GL, top-down in the file.
        for (int row = viewport[3] - 1; row >= 0; --row)
            std::fwrite(&pixels[static_cast<size_t>(row) * viewport[2] * 3], 1, static_cast<size_t>(viewport[2]) * 3, out);
        std::fclose(out);
    }
}

bool fromLibstdcxx(const void* caller)
{
    Dl_info info{};
    return dladdr(caller, &info) != 0 && info.dli_fname && std::strstr(info.dli_fname, "libstdc++");
}

void paintGarbage()
{
    GLfloat colour[4];
    glGetFloatv(GL_COLOR_CLEAR_VALUE, colour);
    glPushAttrib(GL_SCISSOR_BIT | GL_COLOR_BUFFER_BIT);
    glDisable(GL_SCISSOR_TEST);
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
    glClearColor(1, 0, 1, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    glPopAttrib();
    glClearColor(colour[0], colour[1], colour[2], colour[3]);
}

}

extern "C" {

// EGL's types spelled out: EGLBoolean is an unsigned int, displays and surfaces are pointers.
unsigned int eglSwapBuffers(void* display, void* surface)
{
    static const auto swap = real<unsigned int (*)(void*, void*)>("eglSwapBuffers");
    const unsigned int shown = swap(display, surface);
    logSwap();
    return shown;
}

void glXSwapBuffers(Display* display, GLXDrawable drawable)
{
    static const auto swap = real<void (*)(Display*, GLXDrawable)>("glXSwapBuffers");
    saveFrame();
    swap(display, drawable);
    logSwap();
    if (discarding())
        paintGarbage();
}

const char* glXQueryExtensionsString(Display* display, int screen)
{
    static const auto query = real<const char* (*)(Display*, int)>("glXQueryExtensionsString");
    const char* extensions = query(display, screen);
    if (!discarding() || extensions == nullptr)
        return extensions;
    static std::string withAge;
    withAge.clear();
    const std::string all = extensions;
    for (std::size_t start = 0, end; start < all.size(); start = end + 1) {
        end = std::min(all.find(' ', start), all.size());
        const std::string word = all.substr(start, end - start);
        if (!word.empty() && word != "GLX_OML_swap_method")
            withAge += word + " ";
    }
    withAge += "GLX_EXT_buffer_age";
    return withAge.c_str();
}

void glXQueryDrawable(Display* display, GLXDrawable drawable, int attribute, unsigned int* value)
{
    static const auto query = real<void (*)(Display*, GLXDrawable, int, unsigned int*)>("glXQueryDrawable");
    if (discarding() && attribute == GLX_BACK_BUFFER_AGE_EXT) {
        *value = 0;
        return;
    }
    query(display, drawable, attribute, value);
}

void glCopyTexSubImage2D(GLenum target, GLint level, GLint xoffset, GLint yoffset, GLint x, GLint y,
                         GLsizei width, GLsizei height)
{
    static const auto copy =
        real<void (*)(GLenum, GLint, GLint, GLint, GLint, GLint, GLsizei, GLsizei)>("glCopyTexSubImage2D");
    ++copyCount;
    copy(target, level, xoffset, yoffset, x, y, width, height);
}

int clock_gettime(clockid_t clock, timespec* time)
{
    static const auto read = real<int (*)(clockid_t, timespec*)>("clock_gettime");
    static const char* step = std::getenv("TAVROLIN_FRAME_CLOCK_MS");
    if (!step || clock != CLOCK_MONOTONIC || !fromLibstdcxx(__builtin_return_address(0)))
        return read(clock, time);
    const long milliseconds = 1000000 + swapCount * std::atol(step);
    time->tv_sec = milliseconds / 1000;
    time->tv_nsec = milliseconds % 1000 * 1000000;
    return 0;
}

}
