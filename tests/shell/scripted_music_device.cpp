#include "tests/shell/scripted_music_device.h"

#include <cstdio>
#include <cstring>

ScriptedMusicDevice::ScriptedMusicDevice()
    : m_saved(CurrentMusicDevices())
{
    CurrentMusicDevices() = {
        [this](const char* command, char* reply, unsigned length) {
            sent.push_back({command, length});
            const auto found = answers.find(command);
            const Answer answer = found == answers.end() ? Answer{} : found->second;
            // Like the real layer, a reply that fills the buffer comes without its NUL.
            if (reply != nullptr && length > 0)
                std::strncpy(reply, answer.reply.c_str(), length);
            return answer.code;
        },
        [this](std::uint32_t code, char* text, unsigned length) {
            const auto found = descriptions.find(code);
            if (found == descriptions.end())
                return false;
            std::strncpy(text, found->second.c_str(), length);
            return true;
        },
        [this] { return outputs; },
        [this](const char* sound, unsigned flags) {
            sounds.emplace_back(sound ? sound : "", flags);
            return true;
        },
    };
}

ScriptedMusicDevice::~ScriptedMusicDevice()
{
    CurrentMusicDevices() = m_saved;
}

std::vector<std::string> ScriptedMusicDevice::commands() const
{
    std::vector<std::string> texts;
    for (const Sent& one : sent)
        texts.push_back(one.command);
    return texts;
}

void ScriptedMusicDevice::disc(int track, int tracks, const std::string& mode)
{
    answers["status cdaudio current track"] = {0, std::to_string(track)};
    answers["status cdaudio number of tracks"] = {0, std::to_string(tracks)};
    answers["status cdaudio mode"] = {0, mode};
    for (int number = 1; number <= tracks; ++number) {
        char position[32];
        std::snprintf(position, sizeof position, "%02d:00:00:00", number);
        answers["status cdaudio position track " + std::to_string(number)] = {0, position};
    }
}
