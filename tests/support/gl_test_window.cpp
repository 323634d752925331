#include "tests/support/gl_test_window.h"

#include "engine/engine_state.h"
#include "engine/scene/overlay.h"

#include <gtest/gtest.h>
// After GoogleTest: Xlib's macros (None, Bool) would clash with its names.
#include <GL/glx.h>

void makeGlTestWindow(int width, int height)
{
    // The engine learns its window's size from the window system; here that is this window.
    static int madeWidth = 0;
    static int madeHeight = 0;
    if (madeWidth != 0) {
        windowWidth = madeWidth;
        windowHeight = madeHeight;
        return;
    }
    madeWidth = windowWidth = width;
    madeHeight = windowHeight = height;
    Display* display = XOpenDisplay(nullptr);
    ASSERT_NE(display, nullptr) << "no X display";
    int wanted[] = {GLX_RGBA, GLX_DOUBLEBUFFER, GLX_RED_SIZE, 1, GLX_GREEN_SIZE, 1, GLX_BLUE_SIZE, 1,
                    GLX_DEPTH_SIZE, 1, None};
    XVisualInfo* visual = glXChooseVisual(display, DefaultScreen(display), wanted);
    ASSERT_NE(visual, nullptr) << "no double-buffered RGB visual with depth";
    const Window root = RootWindow(display, visual->screen);
    XSetWindowAttributes attributes{};
    attributes.colormap = XCreateColormap(display, root, visual->visual, AllocNone);
    const Window window = XCreateWindow(display, root, 0, 0, static_cast<unsigned>(width),
                                        static_cast<unsigned>(height), 0, visual->depth, InputOutput,
                                        visual->visual, CWColormap, &attributes);
    XStoreName(display, window, "gl-test");
    XMapWindow(display, window);
    const GLXContext context = glXCreateContext(display, visual, nullptr, True);
    XFree(visual);
    ASSERT_TRUE(context && glXMakeCurrent(display, window, context)) << "no GL context";
}

Pixel readBackPixel(int x, int y)
{
    unsigned char rgb[3] = {};
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(x, y, 1, 1, GL_RGB, GL_UNSIGNED_BYTE, rgb);
    return {rgb[0], rgb[1], rgb[2]};
}

std::vector<std::vector<FeedbackVertex>> capturePolygons(const std::function<void()>& draw)
{
    static std::vector<GLfloat> buffer(1 << 20);
    glFeedbackBuffer(static_cast<GLsizei>(buffer.size()), GL_2D, buffer.data());
    glRenderMode(GL_FEEDBACK);
    draw();
    const GLint used = glRenderMode(GL_RENDER);
    std::vector<std::vector<FeedbackVertex>> polygons;
    for (GLint at = 0; at < used;) {
        const auto token = static_cast<GLint>(buffer[at++]);
        if (token == GL_POLYGON_TOKEN) {
            const auto count = static_cast<GLint>(buffer[at++]);
            std::vector<FeedbackVertex> polygon;
            for (GLint v = 0; v < count; ++v, at += 2)
                polygon.push_back({buffer[at], buffer[at + 1]});
            polygons.push_back(polygon);
        } else if (token == GL_POINT_TOKEN || token == GL_BITMAP_TOKEN || token == GL_DRAW_PIXEL_TOKEN
                   || token == GL_COPY_PIXEL_TOKEN) {
            at += 2;
        } else if (token == GL_LINE_TOKEN || token == GL_LINE_RESET_TOKEN) {
            at += 4;
        } else if (token == GL_PASS_THROUGH_TOKEN) {
            at += 1;
        } else {
            break;
        }
    }
    return polygons;
}

std::vector<std::vector<FeedbackVertex>> quadCorners(const std::vector<std::vector<FeedbackVertex>>& polygons)
{
    std::vector<std::vector<FeedbackVertex>> quads;
    for (std::size_t i = 0; i < polygons.size(); ++i) {
        std::vector<FeedbackVertex> corners = polygons[i];
        if (corners.size() == 3 && i + 1 < polygons.size()) {
            for (const FeedbackVertex& vertex : polygons[++i]) {
                bool seen = false;
                for (const FeedbackVertex& corner : corners)
                    seen |= corner.x == vertex.x && corner.y == vertex.y;
                if (!seen)
                    corners.push_back(vertex);
            }
        }
        quads.push_back(corners);
    }
    return quads;
}

void resetToRestingGlState()
{
    while (glGetError() != GL_NO_ERROR) {
    }
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glAlphaFunc(GL_GREATER, 0);
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    setOverlayProjection(windowWidth, windowHeight);
}

void expectRestingGlState()
{
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
    EXPECT_FALSE(glIsEnabled(GL_ALPHA_TEST));
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
    EXPECT_FALSE(glIsEnabled(GL_DEPTH_TEST));
    GLint function = 0, source = 0, destination = 0;
    GLfloat reference = -1;
    glGetIntegerv(GL_ALPHA_TEST_FUNC, &function);
    glGetFloatv(GL_ALPHA_TEST_REF, &reference);
    glGetIntegerv(GL_BLEND_SRC, &source);
    glGetIntegerv(GL_BLEND_DST, &destination);
    EXPECT_EQ(function, GL_GREATER);
    EXPECT_EQ(reference, 0.0f);
    EXPECT_EQ(source, GL_SRC_ALPHA);
    EXPECT_EQ(destination, GL_ONE_MINUS_SRC_ALPHA);
    GLboolean depthWrites = GL_FALSE;
    glGetBooleanv(GL_DEPTH_WRITEMASK, &depthWrites);
    EXPECT_TRUE(depthWrites);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}
