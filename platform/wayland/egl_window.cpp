#include "platform/wayland/egl_window.h"

#include <EGL/egl.h>
#include <EGL/eglext.h>
#include <cstring>
#include <wayland-egl.h>

EglWindow::~EglWindow()
{
    if (m_display == nullptr)
        return;
    eglMakeCurrent(m_display, EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
    if (m_surface)
        eglDestroySurface(m_display, m_surface);
    if (m_window)
        wl_egl_window_destroy(m_window);
    if (m_context)
        eglDestroyContext(m_display, m_context);
    eglTerminate(m_display);
    eglReleaseThread();
}

bool EglWindow::open(wl_display* display)
{
    m_display = eglGetPlatformDisplay(EGL_PLATFORM_WAYLAND_KHR, display, nullptr);
    EGLint major = 0;
    EGLint minor = 0;
    if (m_display == EGL_NO_DISPLAY || !eglInitialize(m_display, &major, &minor)) {
        m_display = nullptr;
        m_error = "no EGL for this Wayland display";
        return false;
    }
    if (!eglBindAPI(EGL_OPENGL_API)) {
        m_error = "EGL offers no desktop OpenGL here";
        return false;
    }
    // No alpha: the compositor must not blend the ride with what lies beneath it.
    const EGLint attributes[] = {
        EGL_SURFACE_TYPE, EGL_WINDOW_BIT, EGL_RENDERABLE_TYPE, EGL_OPENGL_BIT,
        EGL_RED_SIZE, 8, EGL_GREEN_SIZE, 8, EGL_BLUE_SIZE, 8, EGL_ALPHA_SIZE, 0,
        EGL_DEPTH_SIZE, 24, EGL_NONE,
    };
    EGLint count = 0;
    EGLConfig config = nullptr;
    if (!eglChooseConfig(m_display, attributes, &config, 1, &count) || count < 1) {
        m_error = "no EGL configuration with RGB, depth and desktop OpenGL";
        return false;
    }
    m_config = config;
    // No version asked for: the compatibility profile, where OpenGL 1.1 and GLU run.
    m_context = eglCreateContext(m_display, m_config, EGL_NO_CONTEXT, nullptr);
    if (m_context == EGL_NO_CONTEXT) {
        m_context = nullptr;
        m_error = "no desktop OpenGL context";
        return false;
    }
    const char* extensions = eglQueryString(m_display, EGL_EXTENSIONS);
    m_bufferAge = extensions && std::strstr(extensions, "EGL_EXT_buffer_age") != nullptr;
    return true;
}

bool EglWindow::attach(wl_surface* surface, int width, int height)
{
    m_window = wl_egl_window_create(surface, width, height);
    if (m_window == nullptr) {
        m_error = "no EGL window";
        return false;
    }
    m_surface = eglCreatePlatformWindowSurface(m_display, m_config, m_window, nullptr);
    if (m_surface == EGL_NO_SURFACE) {
        m_surface = nullptr;
        m_error = "no EGL window surface";
        return false;
    }
    if (!eglMakeCurrent(m_display, m_surface, m_surface, m_context)) {
        m_error = "the OpenGL context cannot be made current";
        return false;
    }
    eglSwapInterval(m_display, 0);
    return true;
}

void EglWindow::resize(int width, int height)
{
    wl_egl_window_resize(m_window, width, height, 0, 0);
}

bool EglWindow::swap()
{
    return eglSwapBuffers(m_display, m_surface) == EGL_TRUE;
}

int EglWindow::backBufferAge() const
{
    if (!m_bufferAge)
        return -1;
    EGLint age = 0;
    if (!eglQuerySurface(m_display, m_surface, EGL_BUFFER_AGE_EXT, &age))
        return -1;
    return age;
}
