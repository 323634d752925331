#include "engine/engine_options.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

EngineOptions parse(std::vector<const char*> words)
{
    words.insert(words.begin(), "Tavrolin.dll");
    return parseEngineOptions(static_cast<int>(words.size()), words.data());
}

}

TEST(EngineOptions, NoWordsRideFullScreenAsAlways)
{
    const EngineOptions options = parse({});
    EXPECT_EQ(options.hostWindow, 0u);
    EXPECT_EQ(options.shellProcess, 0);
    EXPECT_FALSE(options.hasMonitor);
    EXPECT_FALSE(options.unpaced);
    EXPECT_EQ(options.scaleLevel, 0);
    EXPECT_EQ(options.speedLevel, 0);
}

TEST(EngineOptions, ReadsEveryOptionBesideWordsItDoesNotKnow)
{
    const EngineOptions options = parse({"-display", ":3", "--window-id", "0x600008", "--shell-pid", "4242",
                                         "--monitor", "1280,0,1280,720", "--unpaced", "stray"});
    EXPECT_EQ(options.hostWindow, 0x600008u);
    EXPECT_EQ(options.shellProcess, 4242);
    ASSERT_TRUE(options.hasMonitor);
    EXPECT_EQ(options.monitorX, 1280);
    EXPECT_EQ(options.monitorY, 0);
    EXPECT_EQ(options.monitorWidth, 1280);
    EXPECT_EQ(options.monitorHeight, 720);
    EXPECT_TRUE(options.unpaced);
    EXPECT_EQ(parse({"--window-id", "6291464"}).hostWindow, 6291464u);
    const EngineOptions levels = parse({"--scale", "11", "--speed", "1"});
    EXPECT_EQ(levels.scaleLevel, 11);
    EXPECT_EQ(levels.speedLevel, 1);
}

TEST(EngineOptions, MalformedValuesLeaveTheDefault)
{
    for (const char* id : {"", "0x", "12ab", "-5", "+5", " 5", "0x1FFFFFFFF", "99999999999"})
        EXPECT_EQ(parse({"--window-id", id}).hostWindow, 0u) << "'" << id << "'";
    EXPECT_EQ(parse({"--window-id"}).hostWindow, 0u);
    EXPECT_EQ(parse({"--shell-pid", "2147483648"}).shellProcess, 0);
    for (const char* level : {"0", "12", "5.5", "-3", ""}) {
        EXPECT_EQ(parse({"--scale", level}).scaleLevel, 0) << level;
        EXPECT_EQ(parse({"--speed", level}).speedLevel, 0) << level;
    }
    for (const char* monitor : {"1,2,3", "1,2,3,4,5", "0,0,0,720", "0,0,1280,-1", "a,b,c,d", "0,0,1280,720x"})
        EXPECT_FALSE(parse({"--monitor", monitor}).hasMonitor) << monitor;
    // A value is taken as the option's even when it looks like an option, so the next word is
    // never misread as one.
    EXPECT_FALSE(parse({"--window-id", "--unpaced"}).unpaced);
}

TEST(EngineOptions, WaylandOnlyWhereTheSessionIsWaylandOrAskedFor)
{
    const EngineOptions none = parse({});
    EXPECT_FALSE(choosesWayland(none, nullptr, ":0", nullptr)) << "X11 desktop";
    EXPECT_FALSE(choosesWayland(none, "wayland-0", ":0", "x11")) << "a Wayland socket beside an X session";
    EXPECT_FALSE(choosesWayland(none, "wayland-0", ":0", nullptr));
    EXPECT_TRUE(choosesWayland(none, "wayland-0", ":0", "wayland")) << "XWayland in a Wayland session";
    EXPECT_TRUE(choosesWayland(none, "wayland-0", nullptr, nullptr)) << "no X display at all";
    EXPECT_TRUE(choosesWayland(none, "wayland-0", "", "x11")) << "an empty DISPLAY names none";
    EXPECT_FALSE(choosesWayland(none, "", nullptr, "wayland")) << "an empty WAYLAND_DISPLAY names none";
    EXPECT_FALSE(choosesWayland(parse({"--x11"}), "wayland-0", nullptr, "wayland"));
    EXPECT_TRUE(choosesWayland(parse({"--wayland"}), nullptr, ":0", "x11"));
    EXPECT_TRUE(choosesWayland(parse({"--x11", "--wayland"}), "wayland-0", ":0", "wayland"));
}

TEST(EngineOptions, WaylandPlacement)
{
    const EngineOptions options = parse({"--output", "HEADLESS-2", "--background", "--fullscreen-window"});
    EXPECT_EQ(options.outputName, "HEADLESS-2");
    EXPECT_TRUE(options.background);
    EXPECT_TRUE(options.fullscreenWindow);
    const EngineOptions none = parse({});
    EXPECT_EQ(none.outputName, "");
    EXPECT_FALSE(none.background);
    EXPECT_FALSE(none.fullscreenWindow);
    // A missing name leaves the choice to the compositor, and the word after is not read as one.
    EXPECT_EQ(parse({"--output"}).outputName, "");
    EXPECT_EQ(parse({"--output", ""}).outputName, "");
    const EngineOptions swallowed = parse({"--output", "--background"});
    EXPECT_EQ(swallowed.outputName, "");
    EXPECT_FALSE(swallowed.background);
}
