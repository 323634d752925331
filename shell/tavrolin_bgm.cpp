#include "tavrolin_bgm.h"

#include "music_devices.h"

#include <algorithm>
#include <charconv>
#include <optional>

bool CdWatchOk = false;
std::string MciReply;

namespace {

constexpr unsigned CommandReplyLength = 512;
constexpr unsigned CdModeReplyLength = 255;
constexpr unsigned FileModeReplyLength = 30;
constexpr unsigned ErrorTextLength = 256;
constexpr unsigned SoundAsyncLoop = 9; // SND_ASYNC | SND_LOOP

const std::int16_t NoRepeat = 0;
const std::string NoFile;
const std::int16_t* RepeatSetting = &NoRepeat;
const std::string* FileSetting = &NoFile;

// The text of a reply buffer: up to its first NUL, never past its end.
std::string BufferText(const char* buffer, unsigned length)
{
    return std::string(buffer, std::find(buffer, buffer + length, '\0'));
}

std::string FirstSeven(const std::string& text)
{
    return text.substr(0, 7);
}

// A failed query is told by the letters "ERR" in any letter case.
bool IsError(const std::string& reply)
{
    std::string upper = reply;
    std::transform(upper.begin(), upper.end(), upper.begin(),
                   [](char character) { return character >= 'a' && character <= 'z' ? static_cast<char>(character - 'a' + 'A') : character; });
    return upper.find("ERR") != std::string::npos;
}

// A track number as the device writes it (blanks around allowed); nothing for other text.
std::optional<long> TrackNumber(const std::string& text)
{
    const auto first = text.find_first_not_of(" \t");
    const auto last = text.find_last_not_of(" \t");
    if (first == std::string::npos)
        return std::nullopt;
    long value = 0;
    const char* begin = text.data() + first;
    const char* end = text.data() + last + 1;
    const auto [stop, error] = std::from_chars(begin, end, value);
    if (error != std::errc() || stop != end)
        return std::nullopt;
    return value;
}

std::uint32_t SendWithoutReply(const std::string& command)
{
    return CurrentMusicDevices().sendString(command.c_str(), nullptr, 0);
}

}

void UseMusicSettings(const std::int16_t& bgmRepeat, const std::string& bgmFile)
{
    RepeatSetting = &bgmRepeat;
    FileSetting = &bgmFile;
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

        const std::int16_t repeat = *RepeatSetting;
        if (repeat != 0) {
            const std::optional<long> track = TrackNumber(current);
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
    const std::string& file = *FileSetting;
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
        devices.playSound(FileSetting->c_str(), SoundAsyncLoop);
}

void WavStop()
{
    CurrentMusicDevices().playSound(nullptr, 0);
}
