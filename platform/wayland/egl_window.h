#pragma once

struct wl_display;
struct wl_egl_window;
struct wl_surface;

// A desktop OpenGL (compatibility) context drawing into a wl_surface through EGL: double
// buffered, opaque RGB with a depth buffer, swaps not held back (the compositor's frame
// callbacks pace them).
class EglWindow {
public:
    EglWindow() = default;
    ~EglWindow();
    EglWindow(const EglWindow&) = delete;
    EglWindow& operator=(const EglWindow&) = delete;

    // EGL on the compositor's display with the OpenGL API. False: no such EGL (message in error()).
    bool open(wl_display* display);
    // The window surface at this size in pixels, made current. False: see error().
    bool attach(wl_surface* surface, int width, int height);
    // Takes effect at the next swap.
    void resize(int width, int height);
    // Shows the back buffer and commits the surface. False where EGL failed (compositor gone).
    bool swap();
    // EGL_EXT_buffer_age of the back buffer: 1 holds the previous frame, 0 undefined; -1 where
    // the extension is missing.
    int backBufferAge() const;
    const char* error() const { return m_error; }

private:
    void* m_display = nullptr; // EGLDisplay
    void* m_config = nullptr;  // EGLConfig
    void* m_context = nullptr; // EGLContext
    void* m_surface = nullptr; // EGLSurface
    wl_egl_window* m_window = nullptr;
    bool m_bufferAge = false;
    const char* m_error = "";
};
