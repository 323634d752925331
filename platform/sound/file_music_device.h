#pragma once

#include "gst_player.h"
#include "mci_device.h"

#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <variant>

// A sound file opened with the device type "MPEGVideo": plays the file through GStreamer,
// positions in milliseconds. Answers the status item "mode" with "playing" or "stopped"; the
// file's end, any decoding failure and a position that has stood still for a second while
// playing read as "stopped". After an end the stream is rewound within the open file; after a
// failure or a standstill the file is opened afresh.
class FileMusicDevice : public MciDevice {
public:
    // The device with the file ready to play, or MCIERR_FILE_NOT_FOUND when no readable file is
    // there, MCIERR_INVALID_FILE when it holds no sound that can be decoded (empty, not audio).
    static std::variant<std::unique_ptr<FileMusicDevice>, MCIERROR> open(const std::string& path);

    MCIERROR play(const std::optional<std::string>& from, const std::optional<std::string>& to) override;
    MCIERROR stop() override;
    MCIERROR status(const std::vector<std::string>& item, std::string& reply) override;
    MCIERROR set(const std::vector<std::string>& setting) override;

private:
    explicit FileMusicDevice(GstElement* playbin);

    bool stoodStill();

    GstPlayer m_player;
    std::optional<std::int64_t> m_lastPosition; // nanoseconds, at the last mode query
    std::chrono::steady_clock::time_point m_lastMove;
    bool m_stalled = false;
};
