#include "programs/engine/engine_options.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

EngineOptions parse(std::vector<const char*> words)
{
    words.insert(words.begin(), "Tavrolin.dll");
    return ParseEngineOptions(static_cast<int>(words.size()), words.data());
}

}

TEST(EngineOptions, NoWordsRideFullScreenAsAlways)
{
    const EngineOptions options = parse({});
    EXPECT_EQ(options.misuse, "");
    EXPECT_FALSE(options.windowSystem);
    EXPECT_EQ(options.hostWindow, 0u);
    EXPECT_EQ(options.shellProcess, 0);
    EXPECT_FALSE(options.hasMonitor);
    EXPECT_FALSE(options.unpaced);
    EXPECT_EQ(options.scaleLevel, 0);
    EXPECT_EQ(options.speedLevel, 0);
}

TEST(EngineOptions, ReadsEveryOption)
{
    const EngineOptions options = parse({"--x11", "--window-id", "0x600008", "--shell-pid", "4242", "--monitor",
                                         "1280,0,1280,720", "--unpaced", "--scale", "11", "--speed", "1"});
    EXPECT_EQ(options.misuse, "");
    EXPECT_EQ(options.windowSystem, WindowSystem::X11);
    EXPECT_EQ(options.hostWindow, 0x600008u);
    EXPECT_EQ(options.shellProcess, 4242);
    ASSERT_TRUE(options.hasMonitor);
    EXPECT_EQ(options.monitorX, 1280);
    EXPECT_EQ(options.monitorY, 0);
    EXPECT_EQ(options.monitorWidth, 1280);
    EXPECT_EQ(options.monitorHeight, 720);
    EXPECT_TRUE(options.unpaced);
    EXPECT_EQ(options.scaleLevel, 11);
    EXPECT_EQ(options.speedLevel, 1);
    EXPECT_EQ(parse({"--window-id", "6291464"}).hostWindow, 6291464u);
    const EngineOptions wayland = parse({"--wayland", "--output", "HEADLESS-2", "--background", "--fullscreen-window"});
    EXPECT_EQ(wayland.misuse, "");
    EXPECT_EQ(wayland.windowSystem, WindowSystem::Wayland);
    EXPECT_EQ(wayland.outputName, "HEADLESS-2");
    EXPECT_TRUE(wayland.background);
    EXPECT_TRUE(wayland.fullscreenWindow);
}

// One rule: anything the engine cannot take is refused as a whole, never half read.
TEST(EngineOptions, UnknownWordsBadValuesAndRepeatsAreRefused)
{
    const std::vector<std::vector<const char*>> refused = {
        {"stray"}, {"-display", ":3"}, {"--help", "--x11"}, {"--scale=3"},
        {"--window-id"}, {"--window-id", ""}, {"--window-id", "0"}, {"--window-id", "0x"}, {"--window-id", "12ab"},
        {"--window-id", "-5"}, {"--window-id", "0x1FFFFFFFF"}, {"--window-id", "--unpaced"},
        {"--shell-pid", "2147483648"}, {"--shell-pid", "0"}, {"--shell-pid"},
        {"--scale", "0"}, {"--scale", "12"}, {"--speed", "5.5"}, {"--speed", "-3"}, {"--speed", ""},
        {"--monitor", "1,2,3"}, {"--monitor", "1,2,3,4,5"}, {"--monitor", "0,0,0,720"}, {"--monitor", "a,b,c,d"},
        {"--monitor", "0,0,1280,720x"}, {"--output"}, {"--output", ""}, {"--output", "--background"},
        {"--scale", "3", "--scale", "3"}, {"--speed", "1", "--speed", "2"}, {"--unpaced", "--unpaced"},
        {"--x11", "--x11"}, {"--x11", "--wayland"}, {"--background", "--background"},
        {"--output", "A", "--output", "B"}, {"--window-id", "5", "--window-id", "6"},
    };
    for (const auto& words : refused) {
        std::string line;
        for (const char* word : words)
            line += std::string(word) + " ";
        const EngineOptions options = parse(words);
        EXPECT_NE(options.misuse, "") << line;
        EXPECT_EQ(options.misuse.find('\n'), std::string::npos) << line;
    }
}

TEST(EngineOptions, TheWindowSystemNamedOrTheSessionsAndOnlyItsSwitches)
{
    const SessionEnvironment mixed{"wayland-1", ":0", "wayland", true};
    EXPECT_EQ(EngineWindowSystem(parse({}), mixed), WindowSystem::Wayland);
    EXPECT_EQ(EngineWindowSystem(parse({"--x11"}), mixed), WindowSystem::X11);
    EXPECT_EQ(EngineWindowSystem(parse({"--window-id", "0x600008"}), mixed), WindowSystem::X11)
        << "a manager's X window is drawn in on X11 whatever the session";
    EXPECT_EQ(EngineWindowSystem(parse({}), SessionEnvironment{"wayland-1", ":0", "wayland", false}),
              WindowSystem::X11)
        << "a Wayland socket that does not answer falls back to the X display";
    EXPECT_EQ(EngineWindowSystem(parse({"--wayland"}), SessionEnvironment{nullptr, ":0", "x11", false}),
              WindowSystem::Wayland);

    struct Case {
        std::vector<const char*> words;
        WindowSystem system;
        std::string_view misplaced;
    };
    const Case cases[] = {
        {{"--output", "DP-1"}, WindowSystem::X11, "--output"},
        {{"--background"}, WindowSystem::X11, "--background"},
        {{"--fullscreen-window"}, WindowSystem::X11, "--fullscreen-window"},
        {{"--window-id", "7"}, WindowSystem::Wayland, "--window-id"},
        {{"--monitor", "0,0,10,10"}, WindowSystem::Wayland, "--monitor"},
        {{"--window-id", "7", "--monitor", "0,0,10,10", "--scale", "2"}, WindowSystem::X11, ""},
        {{"--output", "DP-1", "--background", "--speed", "2"}, WindowSystem::Wayland, ""},
    };
    for (const Case& each : cases)
        EXPECT_EQ(MisplacedSwitch(parse(each.words), each.system), each.misplaced) << each.words[0];
}
