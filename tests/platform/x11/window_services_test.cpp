// The fixtures here make windows the way other programs do (freeglut sets only WM_NAME, Qt both
// names), so this test talks to the X server directly.
#include <gtest/gtest.h>
// Xlib's macros (None, Bool, Status) must come after GoogleTest's own names.
#include "platform/x11/exited_window_manager.h"
#include "platform/x11/find_window.h"
#include "platform/x11/window_rect.h"
#include "platform/x11/window_watch.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <clocale>
#include <poll.h>
#include <string>

namespace {

class WindowServicesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        display = XOpenDisplay(nullptr);
        ASSERT_NE(display, nullptr) << "needs an X display";
    }

    void TearDown() override
    {
        if (display)
            XCloseDisplay(display);
    }

    Window makeWindow(Window parent = None, int x = 0, int y = 0, unsigned width = 40, unsigned height = 30)
    {
        const Window window = XCreateSimpleWindow(display, parent == None ? DefaultRootWindow(display) : parent,
                                                  x, y, width, height, 0, 0, 0);
        XSync(display, False);
        return window;
    }

    void setNetWmName(Window window, const std::string& title)
    {
        XChangeProperty(display, window, XInternAtom(display, "_NET_WM_NAME", False),
                        XInternAtom(display, "UTF8_STRING", False), 8, PropModeReplace,
                        reinterpret_cast<const unsigned char*>(title.data()), static_cast<int>(title.size()));
        XSync(display, False);
    }

    void setWmNameString(Window window, const std::string& latin1)
    {
        XChangeProperty(display, window, XA_WM_NAME, XA_STRING, 8, PropModeReplace,
                        reinterpret_cast<const unsigned char*>(latin1.data()), static_cast<int>(latin1.size()));
        XSync(display, False);
    }

    Display* display = nullptr;
};

TEST_F(WindowServicesTest, FindsUnmappedWindowsByEitherName)
{
    const Window dialog = makeWindow();
    setNetWmName(dialog, "■Tavrolin■");
    const Window engine = makeWindow();
    setWmNameString(engine, "Tavrolin_VC");
    const Window accented = makeWindow();
    setWmNameString(accented, "Tavrolin_\xE9"); // Latin-1 é

    EXPECT_EQ(FindWindowA("■Tavrolin■"), dialog);
    EXPECT_EQ(FindWindowA("Tavrolin_VC"), engine);
    EXPECT_EQ(FindWindowA("Tavrolin_é"), accented);
}

TEST_F(WindowServicesTest, FindsCompoundTextTitles)
{
    ASSERT_NE(std::setlocale(LC_CTYPE, "C.UTF-8"), nullptr);
    const Window window = makeWindow();
    char title[] = "■Tavrolin■";
    char* list[] = {title};
    XTextProperty property {};
    ASSERT_EQ(Xutf8TextListToTextProperty(display, list, 1, XCompoundTextStyle, &property), Success);
    ASSERT_EQ(property.encoding, XInternAtom(display, "COMPOUND_TEXT", False));
    XSetWMName(display, window, &property);
    XFree(property.value);
    XSync(display, False);
    EXPECT_EQ(FindWindowA("■Tavrolin■"), window);
}

TEST_F(WindowServicesTest, TitlesMustMatchExactly)
{
    const Window window = makeWindow();
    setNetWmName(window, "Tavrolin_Main");
    EXPECT_EQ(FindWindowA("Tavrolin_Main"), window);
    EXPECT_EQ(FindWindowA("Tavrolin_Mai"), 0u);
    EXPECT_EQ(FindWindowA("Tavrolin_Main2"), 0u);
    EXPECT_EQ(FindWindowA("tavrolin_main"), 0u);
    XDestroyWindow(display, window);
    XSync(display, False);
    EXPECT_EQ(FindWindowA("Tavrolin_Main"), 0u);
}

TEST_F(WindowServicesTest, FindsWindowsInsideWindowManagerFrames)
{
    const Window frame = makeWindow();
    const Window client = makeWindow(frame);
    setWmNameString(client, "Tavrolin_VC");
    EXPECT_EQ(FindWindowA("Tavrolin_VC"), client);
}

TEST_F(WindowServicesTest, WindowRectIsInScreenPixelsAndMissingWindowsHaveNone)
{
    const Window outer = makeWindow(None, 30, 40, 300, 200);
    const Window inner = makeWindow(outer, 5, 6, 152, 112);
    const auto rect = GetWindowRect(inner);
    ASSERT_TRUE(rect);
    EXPECT_EQ(rect->left, 35);
    EXPECT_EQ(rect->top, 46);
    EXPECT_EQ(rect->right - rect->left, 152);
    EXPECT_EQ(rect->bottom - rect->top, 112);
    XDestroyWindow(display, inner);
    XSync(display, False);
    EXPECT_FALSE(GetWindowRect(inner));
    EXPECT_FALSE(GetWindowRect(0));
}

TEST_F(WindowServicesTest, SetParentMakesAChildAtTheParentsCorner)
{
    const Window parent = makeWindow(None, 10, 10, 152, 112);
    const Window child = makeWindow(None, 50, 50);
    ASSERT_TRUE(SetParent(child, parent));
    Window root = None;
    Window actualParent = None;
    Window* children = nullptr;
    unsigned int count = 0;
    ASSERT_TRUE(XQueryTree(display, child, &root, &actualParent, &children, &count));
    if (children)
        XFree(children);
    EXPECT_EQ(actualParent, parent);
    const auto rect = GetWindowRect(child);
    ASSERT_TRUE(rect);
    EXPECT_EQ(rect->left, 10);
    EXPECT_EQ(rect->top, 10);

    XDestroyWindow(display, parent);
    XSync(display, False);
    EXPECT_FALSE(SetParent(makeWindow(), parent));
}

TEST_F(WindowServicesTest, WatchTellsWhenAWindowIsDestroyed)
{
    EXPECT_FALSE(WindowWatch(0).isValid());
    const Window gone = makeWindow();
    XDestroyWindow(display, gone);
    XSync(display, False);
    EXPECT_FALSE(WindowWatch(gone).isValid());

    const Window other = makeWindow();
    const Window window = makeWindow();
    WindowWatch watch(window);
    ASSERT_TRUE(watch.isValid());
    EXPECT_FALSE(watch.destroyed());
    XDestroyWindow(display, other);
    XSync(display, False);
    EXPECT_FALSE(watch.destroyed());

    XDestroyWindow(display, window);
    XSync(display, False);
    pollfd descriptor {watch.fileDescriptor(), POLLIN, 0};
    // Bounded only so that a lost notice fails instead of hanging.
    for (int i = 0; i < 50 && !watch.destroyed(); ++i)
        poll(&descriptor, 1, 100);
    EXPECT_TRUE(watch.destroyed());
}

TEST_F(WindowServicesTest, OnlyAnExitedWindowManagersCheckIsForgotten)
{
    const Atom check = XInternAtom(display, "_NET_SUPPORTING_WM_CHECK", False);
    const auto rootNames = [&]() -> Window {
        Atom type = 0;
        int format = 0;
        unsigned long count = 0, remaining = 0;
        unsigned char* data = nullptr;
        Window named = 0;
        if (XGetWindowProperty(display, DefaultRootWindow(display), check, 0, 1, False, XA_WINDOW, &type, &format,
                               &count, &remaining, &data) == Success && count == 1)
            named = *reinterpret_cast<Window*>(data);
        if (data)
            XFree(data);
        return named;
    };
    const auto setRootCheck = [&](Window window) {
        XChangeProperty(display, DefaultRootWindow(display), check, XA_WINDOW, 32, PropModeReplace,
                        reinterpret_cast<const unsigned char*>(&window), 1);
        XSync(display, False);
    };

    const Window live = makeWindow();
    setRootCheck(live);
    ForgetExitedWindowManager();
    EXPECT_EQ(rootNames(), live);

    const Window gone = makeWindow();
    setRootCheck(gone);
    XDestroyWindow(display, gone);
    XSync(display, False);
    ForgetExitedWindowManager();
    EXPECT_EQ(rootNames(), 0UL);
    // Nothing to forget: still nothing, and no error.
    ForgetExitedWindowManager();
    EXPECT_EQ(rootNames(), 0UL);
}

}
