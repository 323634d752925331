#include "shell/lifetime/hosted_request.h"

#include <gtest/gtest.h>

namespace {

using Kind = HostedRequest::Kind;

HostedRequest read(std::vector<std::string> arguments, const char* screensaverWindow = nullptr, char letter = '\0')
{
    return ReadHostedRequest(arguments, letter, screensaverWindow);
}

}

TEST(HostedRequest, WindowIdSwitchesInDecimalOrHex)
{
    for (const char* word : {"-window-id", "--window-id"}) {
        EXPECT_EQ(read({word, "0x600008"}).window, 0x600008u);
        EXPECT_EQ(read({word, "6291464"}).kind, Kind::Window);
        EXPECT_EQ(read({word, "6291464"}).window, 6291464u);
    }
    // The switch wins over the manager's variable and over -root (a settings preview passes
    // both), and words beside it are left alone.
    EXPECT_EQ(read({"-fps", "--window-id", "0x10"}, "0x20").window, 0x10u);
    EXPECT_EQ(read({"--root", "--window-id", "0x10"}).window, 0x10u);
}

TEST(HostedRequest, RootMeansTheManagersWindowOrTheRootWindow)
{
    for (const char* word : {"-root", "--root"}) {
        const HostedRequest inManager = read({word}, "0x600008");
        EXPECT_EQ(inManager.kind, Kind::Window);
        EXPECT_EQ(inManager.window, 0x600008u);
        EXPECT_EQ(read({word}).kind, Kind::RootWindow);
    }
}

TEST(HostedRequest, RunOrNothingIsHostedOnlyUnderAManager)
{
    EXPECT_EQ(read({}, "0x5").kind, Kind::Window);
    EXPECT_EQ(read({"/s"}, "0x5", 'S').kind, Kind::Window);
    EXPECT_EQ(read({}).kind, Kind::None);
    EXPECT_EQ(read({"/s"}, nullptr, 'S').kind, Kind::None);
    // The settings and the preview are never hosted.
    EXPECT_EQ(read({"/c"}, "0x5", 'C').kind, Kind::None);
    EXPECT_EQ(read({"/p", "77"}, "0x5", 'P').kind, Kind::None);
}

TEST(HostedRequest, MalformedIdsSayWhy)
{
    for (const std::vector<std::string>& arguments : std::vector<std::vector<std::string>>{
             {"-window-id"}, {"-window-id", "abc"}, {"--window-id", "0x"}, {"--window-id", "-3"},
             {"--window-id", "0"}, {"--window-id", "0x1FFFFFFFF"}, {"--window-id", "12 "}}) {
        const HostedRequest request = read(arguments);
        EXPECT_EQ(request.kind, Kind::Malformed) << arguments.back();
        EXPECT_FALSE(request.problem.empty());
    }
    EXPECT_EQ(read({"-root"}, "window").kind, Kind::Malformed);
    EXPECT_EQ(read({}, "").kind, Kind::Malformed);
}
