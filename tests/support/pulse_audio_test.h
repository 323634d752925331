#pragma once

#include "tests/support/private_pulse_audio.h"

#include <gtest/gtest.h>
#include <memory>

// A test suite that plays real sound: one private PulseAudio server for the whole suite, up
// before the first test lets GStreamer look for an audio output.
class PulseAudioTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { Server() = std::make_unique<PrivatePulseAudio>(); }
    static void TearDownTestSuite() { Server().reset(); }
    static PrivatePulseAudio& Pulse() { return *Server(); }

private:
    static std::unique_ptr<PrivatePulseAudio>& Server()
    {
        static std::unique_ptr<PrivatePulseAudio> server;
        return server;
    }
};
