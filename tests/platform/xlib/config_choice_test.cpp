#include "platform/xlib/config_choice.h"

#include <gtest/gtest.h>

namespace {

// A config the ride can use: RGBA windows through a visual, double buffered, 8 bits a colour,
// 24 of depth; each case changes what it is about.
ConfigAttributes usable(SwapMethod swap = SwapMethod::Undefined)
{
    ConfigAttributes config;
    config.windows = config.rgba = config.visual = config.doubleBuffered = true;
    config.redBits = config.greenBits = config.blueBits = 8;
    config.depthBits = 24;
    config.swapMethod = swap;
    return config;
}

template <typename Change>
ConfigAttributes usableWith(Change change)
{
    ConfigAttributes config = usable();
    change(config);
    return config;
}

TEST(ConfigChoiceTest, NoneWithoutDoubleBufferDepthWindowsOrVisual)
{
    EXPECT_EQ(ChooseConfig({}, true), -1);
    const std::vector<ConfigAttributes> unusable = {
        usableWith([](ConfigAttributes& c) { c.doubleBuffered = false; }),
        usableWith([](ConfigAttributes& c) { c.depthBits = 0; }),
        usableWith([](ConfigAttributes& c) { c.windows = false; }),
        usableWith([](ConfigAttributes& c) { c.visual = false; }),
        usableWith([](ConfigAttributes& c) { c.rgba = false; }),
    };
    EXPECT_EQ(ChooseConfig(unusable, true), -1);
}

TEST(ConfigChoiceTest, PrefersACopyingSwapOnlyWhereTheServerOffersIt)
{
    const std::vector<ConfigAttributes> configs = {
        usable(SwapMethod::Exchange),
        usableWith([](ConfigAttributes& c) { c.alphaBits = 8; c.stencilBits = 8; c.swapMethod = SwapMethod::Copy; }),
        usableWith([](ConfigAttributes& c) { c.slow = true; c.swapMethod = SwapMethod::Copy; }),
    };
    EXPECT_EQ(ChooseConfig(configs, true), 1);
    EXPECT_TRUE(BackBufferKept(configs[1], true, -1));
    // An attribute the server does not say it honours promises nothing.
    EXPECT_EQ(ChooseConfig(configs, false), 0);
    EXPECT_FALSE(BackBufferKept(configs[1], false, -1));
}

TEST(ConfigChoiceTest, AmongEqualSwapsTakesThePlainestInServerOrder)
{
    const std::vector<ConfigAttributes> configs = {
        usableWith([](ConfigAttributes& c) { c.samples = 4; }),
        usableWith([](ConfigAttributes& c) { c.redBits = c.greenBits = c.blueBits = 10; }),
        usableWith([](ConfigAttributes& c) { c.depthBits = 16; }),
        usableWith([](ConfigAttributes& c) { c.alphaBits = 8; }),
        usableWith([](ConfigAttributes& c) { c.stencilBits = 8; }),
        usable(),
        usable(),
    };
    EXPECT_EQ(ChooseConfig(configs, true), 5);
}

TEST(ConfigChoiceTest, BackBufferKeptByBufferAgeOneAlone)
{
    for (const SwapMethod swap : {SwapMethod::Unknown, SwapMethod::Exchange, SwapMethod::Undefined}) {
        EXPECT_TRUE(BackBufferKept(usable(swap), true, 1));
        for (const int age : {-1, 0, 2})
            EXPECT_FALSE(BackBufferKept(usable(swap), true, age)) << age;
    }
}

}
