#include "tavrolin_bgm.h"

#include "music_devices.h"
#include "number_text.h"
#include "platform/sound/play_sound.h"
#include "shell_settings.h"

#include <algorithm>
#include <optional>

bool CdWatchOk = false;
std::string MciReply;

namespace {

constexpr unsigned CommandReplyLength = 512;
constexpr unsigned CdModeReplyLength = 255;
constexpr unsigned FileModeReplyLength = 30;
constexpr unsigned ErrorTextLength = 256;

// The text of a reply buffer: up to its first NUL, never past its end.
std::string BufferText(const char* buffer, unsigned length)
{
    return std::string(buffer, std::find(buffer, buffer + length, '\0'));
}

std::string FirstSeven(const std::string& text)
{
    return text.substr(0, 7);
}

std::string UpperCase(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](char character) {
        return character >= 'a' && character <= 'z' ? static_cast<char>(character - 'a' + 'A') : character;
    });
    return text;
}

// A failed query is told by the letters "ERR" in any letter case.
bool IsError(const std::string& reply)
{
    return UpperCase(reply).find("ERR") != std::string::npos;
}

std::uint32_t SendWithoutReply(const std::string& command)
{
    return CurrentMusicDevices().sendString(command.c_str(), nullptr, 0);
}

}

std::string MusicFileEnding(const std::string& path)
{
    return UpperCase(path.substr(path.size() < 3 ? 0 : path.size() - 3));
}

std::int32_t MciCommand(const std::string& command, std::string& reply)
{
    if (command.empty()) {
        reply = "コマンド文字列が指定されていません";
        return -1;
    }
    MusicDevices& devices = CurrentMusicDevices();
    char buffer[CommandReplyLength] = {};
    const std::uint32_t code = devices.sendString(command.c_str(), buffer, CommandReplyLength);
    if (code == 0) {
        reply = BufferText(buffer, CommandReplyLength);
        return 0;
    }
    char text[ErrorTextLength] = {};
    reply = devices.errorString(code, text, ErrorTextLength) ? BufferText(text, ErrorTextLength)
                                                             : "Error (文字列が取れません)";
    return static_cast<std::int32_t>(code);
}

std::string MciStatus(const std::string& command)
{
    const std::int32_t code = MciCommand(command, MciReply);
    return code == 0 ? MciReply : "Error:" + std::to_string(code);
}

std::int32_t MciPlay(const std::string& device, const std::string& from, const std::string& to)
{
    std::string command = "play " + device;
    if (!from.empty())
        command += " from " + from;
    if (!to.empty())
        command += " to " + to;
    return MciCommand(command, MciReply);
}

void CdOpen()
{
    MciCommand("open cdaudio", MciReply);
    MciCommand("set cdaudio time format tmsf", MciReply);
}

void CdWatch()
{
    CdWatchOk = true;
    try {
        const std::string current = MciStatus("status cdaudio current track");
        if (IsError(current)) {
            CdWatchOk = false;
            return;
        }
        if (IsError(MciStatus("status cdaudio number of tracks"))) {
            CdWatchOk = false;
            return;
        }
        char buffer[CdModeReplyLength] = {};
        CurrentMusicDevices().sendString("status cdaudio mode", buffer, CdModeReplyLength);
        const std::string mode = FirstSeven(BufferText(buffer, CdModeReplyLength));

        const std::int16_t repeat = ShellSettings.BgmRepeat;
        if (repeat != 0) {
            const std::optional<double> track = NumberOfText(current);
            if (!track) {
                CdWatchOk = false;
                return;
            }
            if (mode == "stopped" || *track != repeat) {
                const std::string from = MciStatus("status cdaudio position track " + std::to_string(repeat));
                MciPlay("cdaudio", from, "");
            }
        } else if (mode == "stopped") {
            MciPlay("cdaudio", "", "");
        }
    } catch (...) {
        CdWatchOk = false;
    }
}

void CdClose()
{
    MciCommand("stop cdaudio", MciReply);
    MciCommand("close cdaudio", MciReply);
}

void FileMusicStart()
{
    const std::string& file = ShellSettings.BgmFile;
    if (file.find('"') != std::string::npos)
        return;
    if (SendWithoutReply("open \"" + file + "\" type MPEGVideo Alias MP3Play") == 0)
        SendWithoutReply("play MP3Play");
}

bool FileMusicIsPlaying()
{
    char buffer[FileModeReplyLength] = {};
    CurrentMusicDevices().sendString("status MP3Play mode", buffer, FileModeReplyLength);
    return FirstSeven(BufferText(buffer, FileModeReplyLength)) == "playing";
}

void FileMusicRewind()
{
    if (FileMusicIsPlaying())
        return;
    SendWithoutReply("stop MP3Play");
    SendWithoutReply("play MP3Play from 0");
}

void FileMusicStop()
{
    SendWithoutReply("stop MP3Play");
    SendWithoutReply("close MP3Play");
}

void WavStart()
{
    MusicDevices& devices = CurrentMusicDevices();
    if (devices.waveOutputCount() >= 1)
        devices.playSound(ShellSettings.BgmFile.c_str(), SND_ASYNC | SND_LOOP);
}

void WavStop()
{
    CurrentMusicDevices().playSound(nullptr, 0);
}
