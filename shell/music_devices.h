#pragma once

#include <cstdint>
#include <functional>

// The sound services the music player uses, gathered so that a test can put a scripted device
// in their place: no test machine has a CD drive, and a CD's replies cannot be had otherwise.
struct MusicDevices {
    // mciSendStringA without a window to notify.
    std::function<std::uint32_t(const char* command, char* reply, unsigned replyLength)> sendString;
    // mciGetErrorStringA.
    std::function<bool(std::uint32_t code, char* text, unsigned length)> errorString;
    // waveOutGetNumDevs.
    std::function<unsigned()> waveOutputCount;
    // PlaySoundA without a module; a null sound stops.
    std::function<bool(const char* sound, unsigned flags)> playSound;
};

// The system's own services (the command-string layer, PlaySoundA, waveOutGetNumDevs).
MusicDevices SystemMusicDevices();

// The services the player uses: the system's own unless replaced. Replace them only while no
// music plays.
MusicDevices& CurrentMusicDevices();
