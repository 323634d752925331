#pragma once

#include "gst_player.h"

#include <memory>
#include <string>
#include <thread>

struct LoopingSoundState;

// A sound file playing by itself to the default audio output, once or over and over. A loop
// goes on from the file's start right after its end, without a gap and without opening the file
// again, so even a sound of a few milliseconds loops at the pace it is heard. A file that yields
// no sound at all is not repeated, so it can never spin. Decoding failures stay silent. Stops
// when destroyed.
class LoopingSound {
public:
    LoopingSound(const std::string& path, bool loop);
    ~LoopingSound();
    LoopingSound(const LoopingSound&) = delete;
    LoopingSound& operator=(const LoopingSound&) = delete;

    // Starts the sound without waiting for it; false when it cannot be started at all.
    bool start();

private:
    void run();
    bool stopping();

    std::unique_ptr<LoopingSoundState> m_state; // outlives the player's threads
    GstPlayer m_player;
    std::thread m_thread; // opens the file and keeps the loop going
};
