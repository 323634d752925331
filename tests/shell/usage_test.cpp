#include "shell/autostart_entry.h"
#include "shell/idle_request.h"
#include "shell/ride_options.h"
#include "shell/session_switches.h"
#include "shell/usage.h"
#include "contract/window_system.h"

#include <gtest/gtest.h>
#include <initializer_list>
#include <vector>

namespace {

CommandKind Classify(std::initializer_list<const char*> arguments)
{
    std::vector<const char*> argv{"Tavrolin.scr"};
    argv.insert(argv.end(), arguments);
    return ClassifyCommand(static_cast<int>(argv.size()), argv.data());
}

TEST(UsageTest, HelpAndVersionOnlyAsTheWholeCommandLine)
{
    EXPECT_EQ(Classify({"--help"}), CommandKind::Help);
    EXPECT_EQ(Classify({"-h"}), CommandKind::Help);
    EXPECT_EQ(Classify({"--version"}), CommandKind::Version);
    EXPECT_EQ(Classify({"--help", "/s"}), CommandKind::Unknown);
    EXPECT_EQ(Classify({"/s", "--help"}), CommandKind::Known);
    EXPECT_EQ(Classify({"-help"}), CommandKind::Unknown);
}

TEST(UsageTest, ModeLettersKeepTheirOldParsing)
{
    for (const auto arguments : {std::initializer_list<const char*>{},
                                 {"/s"}, {"-S"}, {"xs"}, {"/c"}, {"/C:1234"}, {"/p", "77"}, {"/p"}})
        EXPECT_EQ(Classify(arguments), CommandKind::Known);
    for (const auto arguments : {std::initializer_list<const char*>{"s"}, {"/x"}, {"/y:1234"}, {"--verbose"}})
        EXPECT_EQ(Classify(arguments), CommandKind::Unknown);
}

TEST(UsageTest, HostedSwitchesCountWhereverTheyStand)
{
    EXPECT_EQ(Classify({"-root"}), CommandKind::Known);
    EXPECT_EQ(Classify({"--window-id", "0x600008"}), CommandKind::Known);
    EXPECT_EQ(Classify({"-geometry", "100x100", "--root"}), CommandKind::Known);
    EXPECT_EQ(Classify({"-rootless"}), CommandKind::Unknown);
}

}

namespace {

TEST(UsageTest, SessionSwitchesStandWhereTheyMakeSense)
{
    for (const auto arguments : {std::initializer_list<const char*>{"--stop"}, {"--x11", "--stop"}, {"--background"},
                                 {"--output", "DP-1", "--background"}, {"--x11", "/s"}, {"/s", "--output", "HDMI-A-1"},
                                 {"--x11", "-root"}})
        EXPECT_EQ(Classify(arguments), CommandKind::Known) << *arguments.begin();
    // A stop or a wallpaper that also names a mode, a missing output name, a switch given twice.
    for (const auto arguments : {std::initializer_list<const char*>{"--stop", "/s"}, {"--background", "/c"},
                                 {"--background", "--x11"}, {"--stop", "--output", "DP-1"}, {"--background", "--output"},
                                 {"--output", "--background"}, {"--stop", "--stop"}, {"--x11", "/x"}})
        EXPECT_EQ(Classify(arguments), CommandKind::Unknown) << *arguments.begin();
}

TEST(UsageTest, SessionSwitchesLeaveTheScreensaverWordsInOrder)
{
    const SessionSwitches switches = ReadSessionSwitches({"-root", "--output", "eDP-1", "--x11", "-geometry", "9x9"});
    EXPECT_TRUE(switches.x11);
    EXPECT_EQ(switches.output, "eDP-1");
    EXPECT_EQ(switches.rest, (std::vector<std::string>{"-root", "-geometry", "9x9"}));
}

TEST(WindowSystemChoice, WaylandOnlyWhereNoXDisplayIsMeantToBeUsed)
{
    const auto choose = [](const char* wayland, const char* display, const char* session, bool reachable = true,
                           bool x11Only = false) {
        return ChooseWindowSystem({wayland, display, session, reachable}, x11Only);
    };
    EXPECT_EQ(choose("wayland-1", nullptr, nullptr), WindowSystem::Wayland);
    EXPECT_EQ(choose("wayland-1", "", nullptr), WindowSystem::Wayland);
    EXPECT_EQ(choose("wayland-1", ":0", "wayland"), WindowSystem::Wayland);
    // A nested or forwarded Wayland socket beside an X session keeps the X session's ride.
    EXPECT_EQ(choose("wayland-1", ":0", "x11"), WindowSystem::X11);
    EXPECT_EQ(choose("wayland-1", ":0", nullptr), WindowSystem::X11);
    EXPECT_EQ(choose(nullptr, ":0", "wayland"), WindowSystem::X11);
    EXPECT_EQ(choose("", nullptr, "wayland"), WindowSystem::X11);
    EXPECT_EQ(choose("wayland-1", nullptr, "wayland", true, true), WindowSystem::X11);
    // A compositor that does not answer: XWayland if there is one, else the caller reports it.
    EXPECT_EQ(choose("wayland-1", ":0", "wayland", false), WindowSystem::X11);
    EXPECT_EQ(choose("wayland-1", nullptr, "wayland", false), WindowSystem::Wayland);
}

struct ReadOutcome {
    std::string problem;
    std::vector<std::string> rest;
    RideOptions options;
};

ReadOutcome Read(std::vector<std::string> words)
{
    ReadOutcome outcome;
    outcome.problem = ReadRideOptions(words, outcome.options);
    outcome.rest = words;
    return outcome;
}

TEST(RideOptionsTest, TakenFromAnywhereLeavingTheOtherWordsInOrder)
{
    const ReadOutcome hosted = Read({"--scale", "11", "-root", "--speed=1", "-window-id", "0x5", "--no-music"});
    EXPECT_EQ(hosted.problem, "");
    EXPECT_EQ(hosted.rest, (std::vector<std::string>{"-root", "-window-id", "0x5"}));
    EXPECT_EQ(hosted.options.scaleLevel, 11);
    EXPECT_EQ(hosted.options.speedLevel, 1);
    EXPECT_FALSE(hosted.options.music);

    // With nothing else left the ride runs as with no arguments at all.
    const ReadOutcome alone = Read({"--speed", "7"});
    EXPECT_TRUE(alone.rest.empty());
    EXPECT_EQ(alone.options.scaleLevel, 0);
    EXPECT_EQ(alone.options.speedLevel, 7);
    EXPECT_TRUE(alone.options.music);
    EXPECT_EQ(Read({"/s", "--scale=1"}).rest, std::vector<std::string>{"/s"});
    // Words that only look alike stay for the mode check to refuse.
    EXPECT_EQ(Read({"--scales", "3", "--no-musics", "-scale"}).rest,
              (std::vector<std::string>{"--scales", "3", "--no-musics", "-scale"}));
}

TEST(RideOptionsTest, ALevelOutsideOneToElevenOrNotWholeIsOneLineAndChangesNothing)
{
    for (const std::vector<std::string>& words : std::vector<std::vector<std::string>>{
             {"--scale", "0"}, {"--scale", "12"}, {"--speed", "5.0"}, {"--speed", "+5"}, {"--speed", " 5"},
             {"--scale", "-1"}, {"--scale", ""}, {"--scale="}, {"--speed=x"}, {"--scale", "111"},
             {"/s", "--scale"}, {"--speed", "3", "--speed"}}) {
        std::vector<std::string> kept = words;
        RideOptions options;
        const std::string problem = ReadRideOptions(kept, options);
        EXPECT_NE(problem, "") << words.back();
        EXPECT_EQ(problem.find('\n'), std::string::npos);
        EXPECT_EQ(kept, words);
        EXPECT_EQ(options.speedLevel, 0);
    }
    EXPECT_EQ(Read({"--scale", "1", "--speed", "11"}).problem, "");
}

TEST(IdleRequestTest, SecondsFromOneToADayWithX11AloneBeside)
{
    using Kind = IdleRequest::Kind;
    struct Case {
        std::vector<std::string> words;
        Kind kind;
        int seconds;
        bool x11;
    };
    for (const Case& wanted : std::vector<Case>{
             {{"/s"}, Kind::None, 0, false},
             {{"--idle", "10"}, Kind::Idle, 10, false},
             {{"--x11", "--idle", "86400"}, Kind::Idle, 86400, true},
             {{"--autostart", "007"}, Kind::Autostart, 7, false},
             {{"--autostart", "off", "--x11"}, Kind::AutostartOff, 0, true},
             {{"--idle"}, Kind::Malformed, 0, false},
             {{"--idle", "0"}, Kind::Malformed, 0, false},
             {{"--idle", "-5"}, Kind::Malformed, 0, false},
             {{"--idle", "ten"}, Kind::Malformed, 0, false},
             {{"--idle", "86401"}, Kind::Malformed, 0, false},
             {{"--idle", "99999999999"}, Kind::Malformed, 0, false},
             {{"--idle", "off"}, Kind::Malformed, 0, false},
             {{"--idle", "5", "/s"}, Kind::Malformed, 0, false},
             {{"--idle", "5", "--scale", "3"}, Kind::Malformed, 0, false},
             {{"--idle", "5", "--x11", "--x11"}, Kind::Malformed, 0, false},
             {{"--idle", "5", "--autostart", "5"}, Kind::Malformed, 0, false},
             {{"--idle", "5", "--idle", "5"}, Kind::Malformed, 0, false}}) {
        const IdleRequest request = ReadIdleRequest(wanted.words);
        EXPECT_EQ(request.kind, wanted.kind) << wanted.words.back();
        EXPECT_EQ(request.seconds, wanted.seconds) << wanted.words.back();
        if (wanted.kind != Kind::Malformed) {
            EXPECT_EQ(request.x11, wanted.x11) << wanted.words.back();
        }
        EXPECT_EQ(request.problem.empty(), wanted.kind != Kind::Malformed) << wanted.words.back();
        EXPECT_EQ(request.problem.find('\n'), std::string::npos);
    }
}

TEST(AutostartEntryTest, ExecLineQuotesThePathAndEntryGoesUnderTheConfigHome)
{
    EXPECT_EQ(AutostartEntryPath("/c", "/h"), "/c/autostart/tavrolin-idle.desktop");
    EXPECT_EQ(AutostartEntryPath("relative", "/h"), "/h/.config/autostart/tavrolin-idle.desktop");
    EXPECT_EQ(AutostartEntryPath(nullptr, nullptr), "");
    const std::string plain = AutostartEntryText("/usr/lib/tavrolin/Tavrolin.scr", 300, false);
    EXPECT_NE(plain.find("\nExec=/usr/lib/tavrolin/Tavrolin.scr --idle 300\n"), std::string::npos);
    // Reserved characters quoted, then backslashes doubled as the string value needs.
    const std::string odd = AutostartEntryText("/opt/my $saver/100%/Tavrolin.scr", 5, true);
    EXPECT_NE(odd.find("\nExec=\"/opt/my \\\\$saver/100%%/Tavrolin.scr\" --idle 5 --x11\n"), std::string::npos) << odd;
    EXPECT_EQ(AutostartEntryText("/bad\npath", 5, false), "");
}

}
