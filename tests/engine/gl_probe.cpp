// Preloaded into the real engine. TAVROLIN_SWAP_LOG=file: after every swap (GLX, or EGL on
// Wayland) the file holds the swap count and the steady-clock milliseconds of that swap.
// TAVROLIN_DISCARD_BACK_BUFFER=1: behaves like a flip-based driver that keeps nothing: magenta
// garbage in the back buffer after every swap, GLX_EXT_buffer_age offered and reading 0.
#include <GL/gl.h>
#include <GL/glx.h>
#include <GL/glxext.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <dlfcn.h>
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

void logSwap()
{
    static const char* path = std::getenv("TAVROLIN_SWAP_LOG");
    static int file = path ? open(path, O_WRONLY | O_CREAT | O_TRUNC, 0644) : -1;
    static long count = 0;
    if (file < 0)
        return;
    ++count;
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    char line[64];
    const int length = std::snprintf(line, sizeof line, "%ld %ld\n%20s", count,
                                     now.tv_sec * 1000L + now.tv_nsec / 1000000L, "");
    pwrite(file, line, static_cast<size_t>(length), 0);
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
    withAge = std::string(extensions) + " GLX_EXT_buffer_age";
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

}
