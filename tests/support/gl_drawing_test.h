#pragma once

#include "tests/support/gl_test_window.h"

#include <gtest/gtest.h>

// A drawing test on the program's one GL test window, which is back in the engine's resting
// state when each case starts. Size in pixels.
class GlDrawingTest : public ::testing::Test {
public:
    static constexpr int width = 320;
    static constexpr int height = 240;

protected:
    void SetUp() override
    {
        makeGlTestWindow(width, height);
        resetToRestingGlState();
    }
};
