#include "shell/tavrolin_s.h"

#include <gtest/gtest.h>

using Arguments = std::vector<std::vector<std::string>>;

TEST(EngineArguments, OneMonitorKeepsTheSingleWholeScreenRide)
{
    EXPECT_EQ(Tavrolin_S::EngineArguments(0, {}), Arguments{{}});
    EXPECT_EQ(Tavrolin_S::EngineArguments(0, {{0, 0, 1920, 1080}}), Arguments{{}});
}

TEST(EngineArguments, EveryMonitorGetsARideOfItsOwn)
{
    const Arguments expected{{"--monitor", "0,0,1280,720"}, {"--monitor", "1280,-200,1024,768"}};
    EXPECT_EQ(Tavrolin_S::EngineArguments(0, {{0, 0, 1280, 720}, {1280, -200, 1024, 768}}), expected);
}

TEST(EngineArguments, AHostedRideIsOneRideInItsWindow)
{
    EXPECT_EQ(Tavrolin_S::EngineArguments(0x600008, {{0, 0, 1280, 720}, {1280, 0, 1280, 720}}),
              (Arguments{{"--window-id", "6291464"}}));
}

TEST(EngineArguments, EveryEngineGetsTheLevelsOfTheRideOptions)
{
    RideOptions options;
    options.scaleLevel = 11;
    options.speedLevel = 1;
    EXPECT_EQ(Tavrolin_S::EngineArguments(0x600008, {}, options),
              (Arguments{{"--window-id", "6291464", "--scale", "11", "--speed", "1"}}));
    EXPECT_EQ(Tavrolin_S::EngineArguments(0, {}, options), (Arguments{{"--scale", "11", "--speed", "1"}}));
    options.scaleLevel = 0;
    const Arguments expected{{"--monitor", "0,0,1280,720", "--speed", "1"}, {"--monitor", "1280,0,1280,720", "--speed", "1"}};
    EXPECT_EQ(Tavrolin_S::EngineArguments(0, {{0, 0, 1280, 720}, {1280, 0, 1280, 720}}, options), expected);
}
