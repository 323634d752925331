#include "mci.h"

#include "cd_audio_device.h"
#include "file_music_device.h"
#include "mci_device.h"
#include "mci_words.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

struct OpenDevice {
    std::string name;
    std::unique_ptr<MciDevice> device;
};

// Devices live until they are closed. The list is never destroyed, so sound still playing when
// the process ends is not torn down during its exit.
std::vector<OpenDevice>& OpenDevices()
{
    static auto* devices = new std::vector<OpenDevice>;
    return *devices;
}

std::vector<OpenDevice>::iterator FindDevice(const std::string& name)
{
    std::vector<OpenDevice>& devices = OpenDevices();
    return std::find_if(devices.begin(), devices.end(),
                        [&](const OpenDevice& open) { return SameMciWord(open.name, name); });
}

template <typename Device>
MCIERROR Keep(std::variant<std::unique_ptr<Device>, MCIERROR> opened, std::string name)
{
    if (const MCIERROR* error = std::get_if<MCIERROR>(&opened))
        return *error;
    OpenDevices().push_back({std::move(name), std::move(std::get<std::unique_ptr<Device>>(opened))});
    return MciNoError;
}

// open <element> [type <type>] [alias <name>]
MCIERROR Open(const std::vector<std::string>& words)
{
    if (words.size() < 2)
        return MCIERR_MISSING_PARAMETER;
    std::string type;
    std::string alias;
    for (std::size_t at = 2; at < words.size(); at += 2) {
        if (at + 1 >= words.size())
            return MCIERR_MISSING_PARAMETER;
        if (SameMciWord(words[at], "type") && type.empty())
            type = words[at + 1];
        else if (SameMciWord(words[at], "alias") && alias.empty())
            alias = words[at + 1];
        else
            return MCIERR_UNRECOGNIZED_KEYWORD;
    }
    const std::string& element = words[1];
    const std::string name = alias.empty() ? element : alias;
    if (FindDevice(name) != OpenDevices().end())
        return alias.empty() ? MCIERR_DEVICE_OPEN : MCIERR_DUPLICATE_ALIAS;
    if (type.empty())
        return SameMciWord(element, "cdaudio") ? Keep(CdAudioDevice::open(), name) : MCIERR_DEVICE_TYPE_REQUIRED;
    if (!SameMciWord(type, "mpegvideo"))
        return MCIERR_INVALID_DEVICE_NAME;
    return Keep(FileMusicDevice::open(element), name);
}

// play <device> [from <position>] [to <position>]
MCIERROR Play(MciDevice& device, const std::vector<std::string>& words)
{
    std::optional<std::string> from;
    std::optional<std::string> to;
    for (std::size_t at = 2; at < words.size(); at += 2) {
        if (at + 1 >= words.size())
            return MCIERR_MISSING_PARAMETER;
        if (SameMciWord(words[at], "from") && !from)
            from = words[at + 1];
        else if (SameMciWord(words[at], "to") && !to)
            to = words[at + 1];
        else
            return MCIERR_UNRECOGNIZED_KEYWORD;
    }
    return device.play(from, to);
}

MCIERROR Run(const std::vector<std::string>& words, std::string& reply)
{
    if (words.empty())
        return MCIERR_MISSING_COMMAND_STRING;
    const std::string& verb = words[0];
    if (SameMciWord(verb, "open"))
        return Open(words);
    const bool close = SameMciWord(verb, "close");
    const bool play = SameMciWord(verb, "play");
    const bool stop = SameMciWord(verb, "stop");
    const bool status = SameMciWord(verb, "status");
    const bool set = SameMciWord(verb, "set");
    if (!close && !play && !stop && !status && !set)
        return MCIERR_UNRECOGNIZED_COMMAND;
    if (words.size() < 2)
        return MCIERR_MISSING_PARAMETER;
    const auto found = FindDevice(words[1]);
    if (found == OpenDevices().end())
        return MCIERR_INVALID_DEVICE_NAME;
    const std::vector<std::string> rest(words.begin() + 2, words.end());
    if (close) {
        if (!rest.empty())
            return MCIERR_UNRECOGNIZED_KEYWORD;
        OpenDevices().erase(found);
        return MciNoError;
    }
    MciDevice& device = *found->device;
    if (play)
        return Play(device, words);
    if (stop)
        return rest.empty() ? device.stop() : MCIERR_UNRECOGNIZED_KEYWORD;
    if (status)
        return device.status(rest, reply);
    return device.set(rest);
}

}

MCIERROR mciSendStringA(const char* command, char* reply, unsigned replyLength, void* notifyWindow)
{
    if (reply != nullptr && replyLength > 0)
        reply[0] = '\0';
    if (command == nullptr)
        return MCIERR_MISSING_COMMAND_STRING;
    if (notifyWindow != nullptr)
        return MCIERR_UNSUPPORTED_FUNCTION;
    const std::optional<std::vector<std::string>> words = SplitMciWords(command);
    if (!words)
        return MCIERR_NO_CLOSING_QUOTE;
    std::string text;
    const MCIERROR result = Run(*words, text);
    if (result != MciNoError || reply == nullptr || replyLength == 0)
        return result;
    if (text.size() + 1 > replyLength)
        return MCIERR_PARAM_OVERFLOW;
    std::memcpy(reply, text.c_str(), text.size() + 1);
    return MciNoError;
}

bool mciGetErrorStringA(MCIERROR code, char* text, unsigned length)
{
    const std::string_view description = MciErrorText(code);
    if (text != nullptr && length > 0) {
        const std::size_t size = std::min<std::size_t>(description.size(), length - 1);
        std::memcpy(text, description.data(), size);
        text[size] = '\0';
    }
    return !description.empty();
}
