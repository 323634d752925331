#pragma once

#include "shell/music_devices.h"

#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

// No test machine has a CD drive, so the player runs in tests against this scripted device,
// put in place of the system's sound services for as long as it lives. It notes every command
// with the size of the reply buffer it came with and answers from a script; unscripted commands
// succeed with an empty reply.
class ScriptedMusicDevice {
public:
    struct Sent {
        std::string command;
        unsigned replyLength;
        bool operator==(const Sent&) const = default;
    };
    struct Answer {
        std::uint32_t code = 0;
        std::string reply;
    };

    ScriptedMusicDevice();
    ~ScriptedMusicDevice();
    ScriptedMusicDevice(const ScriptedMusicDevice&) = delete;
    ScriptedMusicDevice& operator=(const ScriptedMusicDevice&) = delete;

    // The commands sent so far, without their buffer sizes.
    std::vector<std::string> commands() const;
    // Scripts a disc of `tracks` tracks standing at `track` in the given mode, each track's
    // position answered in tmsf.
    void disc(int track, int tracks, const std::string& mode);

    std::vector<Sent> sent;
    std::map<std::string, Answer> answers; // by command
    std::map<std::uint32_t, std::string> descriptions; // error texts by code
    unsigned outputs = 1; // audio output devices
    std::vector<std::pair<std::string, unsigned>> sounds; // PlaySoundA calls; "" for no sound

private:
    MusicDevices m_saved;
};
