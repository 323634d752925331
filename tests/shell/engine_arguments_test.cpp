#include "shell/tavrolin_s.h"

#include <gtest/gtest.h>

using Arguments = std::vector<std::vector<std::string>>;

TEST(EngineArguments, OneMonitorKeepsTheSingleWholeScreenRide)
{
    EXPECT_EQ(Tavrolin_S::EngineArguments(0, {}), Arguments{{"--x11"}});
    EXPECT_EQ(Tavrolin_S::EngineArguments(0, {{0, 0, 1920, 1080}}), Arguments{{"--x11"}});
}

TEST(EngineArguments, EveryMonitorGetsARideOfItsOwn)
{
    const Arguments expected{{"--x11", "--monitor", "0,0,1280,720"}, {"--x11", "--monitor", "1280,-200,1024,768"}};
    EXPECT_EQ(Tavrolin_S::EngineArguments(0, {{0, 0, 1280, 720}, {1280, -200, 1024, 768}}), expected);
}

TEST(EngineArguments, AHostedRideIsOneRideInItsWindow)
{
    EXPECT_EQ(Tavrolin_S::EngineArguments(0x600008, {{0, 0, 1280, 720}, {1280, 0, 1280, 720}}),
              (Arguments{{"--x11", "--window-id", "6291464"}}));
}

TEST(EngineArguments, EveryEngineGetsTheLevelsOfTheRideOptions)
{
    RideOptions options;
    options.scaleLevel = 11;
    options.speedLevel = 1;
    EXPECT_EQ(Tavrolin_S::EngineArguments(0x600008, {}, options),
              (Arguments{{"--x11", "--window-id", "6291464", "--scale", "11", "--speed", "1"}}));
    EXPECT_EQ(Tavrolin_S::EngineArguments(0, {}, options), (Arguments{{"--x11", "--scale", "11", "--speed", "1"}}));
    options.scaleLevel = 0;
    const Arguments expected{{"--x11", "--monitor", "0,0,1280,720", "--speed", "1"},
                            {"--x11", "--monitor", "1280,0,1280,720", "--speed", "1"}};
    EXPECT_EQ(Tavrolin_S::EngineArguments(0, {{0, 0, 1280, 720}, {1280, 0, 1280, 720}}, options), expected);
}
