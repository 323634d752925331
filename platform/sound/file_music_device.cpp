#include "file_music_device.h"

#include "audio_playbin.h"
#include "mci_words.h"
#include "readable_file.h"

#include <charconv>
#include <cstdint>

namespace {

// Long enough for a local file to be opened and its first sound decoded, short enough that a
// file that never yields sound does not hold up the caller for long.
constexpr std::chrono::milliseconds PrerollLimit{5000};

// A millisecond position as nanoseconds; nothing when the text is not a whole number.
std::optional<std::int64_t> Nanoseconds(const std::string& text)
{
    std::int64_t milliseconds = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), milliseconds);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || milliseconds < 0
        || milliseconds > INT64_MAX / 1'000'000)
        return std::nullopt;
    return milliseconds * 1'000'000;
}

}

FileMusicDevice::FileMusicDevice(GstElement* playbin)
    : m_player(playbin)
{
}

std::variant<std::unique_ptr<FileMusicDevice>, MCIERROR> FileMusicDevice::open(const std::string& path)
{
    if (!ReadableFile(path))
        return MCIERR_FILE_NOT_FOUND;
    GstElement* playbin = MakeAudioPlaybin(path);
    if (playbin == nullptr)
        return MCIERR_HARDWARE;
    std::unique_ptr<FileMusicDevice> device(new FileMusicDevice(playbin));
    if (!device->m_player.preroll(PrerollLimit))
        return MCIERR_INVALID_FILE;
    return device;
}

MCIERROR FileMusicDevice::play(const std::optional<std::string>& from, const std::optional<std::string>& to)
{
    std::optional<std::int64_t> start;
    std::int64_t stop = -1;
    if (from && !(start = Nanoseconds(*from)))
        return MCIERR_BAD_INTEGER;
    if (to) {
        const std::optional<std::int64_t> end = Nanoseconds(*to);
        if (!end)
            return MCIERR_BAD_INTEGER;
        stop = *end;
    }
    if (m_player.failed() || m_stalled) {
        // A damaged stream that broke off, or one a rewind left standing, is opened afresh.
        m_player.reset();
        if (!m_player.preroll(PrerollLimit))
            return MCIERR_INVALID_FILE;
        if (start == 0)
            start.reset();
    } else if (m_player.ended()) {
        // After the end the stream is rewound, not reopened: a sound output that is let go
        // between loops may take seconds to start again (a null sink takes two). A seek while
        // still playing past the end would leave the output writing where nothing is heard.
        m_player.pause();
        if (!start)
            start = 0;
    }
    m_stalled = false;
    m_lastPosition.reset();
    if (!start && stop >= 0)
        start = m_player.position().value_or(0);
    if (start && !m_player.seek(*start, stop))
        return MCIERR_OUTOFRANGE;
    return m_player.play() ? MciNoError : MCIERR_HARDWARE;
}

MCIERROR FileMusicDevice::stop()
{
    m_player.pause();
    return MciNoError;
}

MCIERROR FileMusicDevice::status(const std::vector<std::string>& item, std::string& reply)
{
    if (item.empty())
        return MCIERR_MISSING_PARAMETER;
    if (item.size() != 1 || !SameMciWord(item[0], "mode"))
        return MCIERR_UNRECOGNIZED_KEYWORD;
    reply = m_player.playing() && !stoodStill() ? "playing" : "stopped";
    return MciNoError;
}

bool FileMusicDevice::stoodStill()
{
    // A rewound stream that was cut short may neither play nor end; its position gives it away.
    const auto now = std::chrono::steady_clock::now();
    const std::optional<std::int64_t> position = m_player.position();
    if (!m_lastPosition || position != m_lastPosition) {
        m_lastPosition = position;
        m_lastMove = now;
    } else if (now - m_lastMove >= std::chrono::seconds(1)) {
        m_stalled = true;
    }
    return m_stalled;
}

MCIERROR FileMusicDevice::set(const std::vector<std::string>& setting)
{
    if (setting.size() == 3 && SameMciWord(setting[0], "time") && SameMciWord(setting[1], "format"))
        return SameMciWord(setting[2], "milliseconds") || SameMciWord(setting[2], "ms") ? MciNoError
                                                                                          : MCIERR_BAD_TIME_FORMAT;
    return setting.empty() ? MCIERR_MISSING_PARAMETER : MCIERR_UNRECOGNIZED_KEYWORD;
}
