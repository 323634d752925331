#include <gtest/gtest.h>
// Xlib's macros (None, Bool, Status) must come after GoogleTest's own names.
#include "platform/gl/embedded_window.h"
#include "tests/support/gl_test_window.h"
#include "tests/support/wait_until.h"

#include <GL/glx.h>
#include <X11/Xlib.h>

// Beside DrawingSize itself, where GoogleTest's comparisons and printing look.
static bool operator==(DrawingSize a, DrawingSize b)
{
    return a.width == b.width && a.height == b.height;
}

[[maybe_unused]] static void PrintTo(DrawingSize size, std::ostream* out)
{
    *out << size.width << "x" << size.height;
}

TEST(BoundedDrawingSize, NoSideLargerThanTheScreenOrTheLargestViewport)
{
    // The window that took 3.2 GB: a 16384-pixel square on a 1920 x 1080 screen.
    EXPECT_EQ(BoundedDrawingSize({16384, 16384}, {1920, 1080}, {16384, 16384}), (DrawingSize{1920, 1080}));
    // Each side on its own: only the one past its limit shrinks.
    EXPECT_EQ(BoundedDrawingSize({800, 5000}, {1920, 1080}, {16384, 16384}), (DrawingSize{800, 1080}));
    EXPECT_EQ(BoundedDrawingSize({5000, 600}, {1920, 1080}, {16384, 16384}), (DrawingSize{1920, 600}));
    // A driver's viewport smaller than a wide screen.
    EXPECT_EQ(BoundedDrawingSize({12000, 9000}, {10240, 4320}, {8192, 8192}), (DrawingSize{8192, 4320}));
    EXPECT_EQ(BoundedDrawingSize({640, 400}, {1920, 1080}, {16384, 16384}), (DrawingSize{640, 400}));
    // Unknown limits bound nothing; an empty host still gets a pixel to draw.
    EXPECT_EQ(BoundedDrawingSize({3000, 2000}, {0, 0}, {0, -1}), (DrawingSize{3000, 2000}));
    EXPECT_EQ(BoundedDrawingSize({0, -5}, {1920, 1080}, {16384, 16384}), (DrawingSize{1, 1}));
}

// A real host window on the test's own connection and the GL test window adopted into it.
TEST(EmbeddedWindow, FollowGivesTheAdoptedWindowEachNewHostSizeWithinTheScreen)
{
    Display* const display = XOpenDisplay(nullptr);
    ASSERT_NE(display, nullptr) << "needs an X display";
    const int screenWidth = DisplayWidth(display, DefaultScreen(display));
    const Window host = XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 300, 200, 0, 0, 0);
    XMapWindow(display, host);
    XSync(display, False);

    makeGlTestWindow(320, 240);
    const Window adopted = glXGetCurrentDrawable();
    EmbeddedWindow embedded;
    ASSERT_TRUE(embedded.open(host));
    ASSERT_TRUE(embedded.adoptCurrentWindow());

    const auto sizeOfAdopted = [&] {
        XWindowAttributes attributes{};
        XGetWindowAttributes(display, adopted, &attributes);
        return DrawingSize{attributes.width, attributes.height};
    };
    const auto follows = [&](DrawingSize expected) {
        return WaitUntil([&] { return embedded.follow() && sizeOfAdopted() == expected; }, std::chrono::seconds(10));
    };
    EXPECT_TRUE(follows({300, 200})) << sizeOfAdopted().width << "x" << sizeOfAdopted().height;

    const std::pair<DrawingSize, DrawingSize> steps[] = {
        {{300, 120}, {300, 120}}, // height only
        {{260, 120}, {260, 120}}, // width only
        {{screenWidth + 5000, 150}, {screenWidth, 150}}, // one side past the screen
    };
    for (const auto& [hostSize, expected] : steps) {
        XResizeWindow(display, host, static_cast<unsigned>(hostSize.width), static_cast<unsigned>(hostSize.height));
        XSync(display, False);
        EXPECT_TRUE(follows(expected)) << "host " << hostSize.width << "x" << hostSize.height << ", adopted "
                                       << sizeOfAdopted().width << "x" << sizeOfAdopted().height;
        EXPECT_EQ(embedded.width(), expected.width);
        EXPECT_EQ(embedded.height(), expected.height);
    }

    // Moved off its place by somebody else, the window goes back to the host's corner.
    XMoveWindow(display, adopted, 40, 30);
    XSync(display, False);
    EXPECT_TRUE(WaitUntil(
        [&] {
            XWindowAttributes attributes{};
            XGetWindowAttributes(display, adopted, &attributes);
            return embedded.follow() && attributes.x == 0 && attributes.y == 0;
        },
        std::chrono::seconds(10)));
    // The shared GL window goes back to the top level, so the host takes nothing at exit with it.
    XReparentWindow(display, adopted, DefaultRootWindow(display), 0, 0);
    XCloseDisplay(display);
}
