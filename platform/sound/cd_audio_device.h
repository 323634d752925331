#pragma once

#include "cd_position.h"
#include "cd_toc.h"
#include "gst_player.h"
#include "mci_device.h"

#include <memory>
#include <optional>
#include <string>
#include <variant>

// The audio CD in the system's first CD drive ("cdaudio"). The table of contents comes from
// libcdio, the sound from GStreamer's CD audio source reading the whole disc as one stream, so
// the disc plays on from track to track to its end. Without a disc every status query but
// "mode" fails with MCIERR_DEVICE_NOT_READY and "mode" reads "not ready".
class CdAudioDevice : public MciDevice {
public:
    // The device, or MCIERR_DEVICE_NOT_INSTALLED when the system has no CD drive. A drive without
    // a disc opens.
    static std::variant<std::unique_ptr<CdAudioDevice>, MCIERROR> open();

    MCIERROR play(const std::optional<std::string>& from, const std::optional<std::string>& to) override;
    MCIERROR stop() override;
    // "mode", "current track", "number of tracks", "position", "position track N".
    MCIERROR status(const std::vector<std::string>& item, std::string& reply) override;
    // "time format tmsf" or "time format milliseconds".
    MCIERROR set(const std::vector<std::string>& setting) override;

private:
    explicit CdAudioDevice(std::string drive);

    // The disc in the drive, read afresh unless it is playing; null without a disc. A changed
    // disc starts again at its first track.
    const CdToc* disc();
    // Where the disc stands now: followed while it plays, kept while it is stopped.
    int currentSector();
    bool startPlayer();

    std::string m_drive;
    std::optional<CdToc> m_toc;
    CdTimeFormat m_format = CdTimeFormat::Milliseconds;
    std::unique_ptr<GstPlayer> m_player;
    int m_sector = 0;
};
