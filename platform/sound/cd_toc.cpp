#include "cd_toc.h"

#include <cdio/cdio.h>

bool CdToc::hasTrack(int number) const
{
    return startOf(number).has_value();
}

std::optional<int> CdToc::startOf(int number) const
{
    for (const Track& track : tracks) {
        if (track.number == number)
            return track.startSector;
    }
    return std::nullopt;
}

int CdToc::trackAt(int sector) const
{
    if (tracks.empty())
        return 0;
    int number = tracks.front().number;
    for (const Track& track : tracks) {
        if (track.startSector <= sector)
            number = track.number;
    }
    return number;
}

std::optional<int> CdToc::firstAudioSector() const
{
    for (const Track& track : tracks) {
        if (track.audio)
            return track.startSector;
    }
    return std::nullopt;
}

std::optional<CdToc> ReadCdToc(const std::string& device)
{
    CdIo_t* drive = cdio_open(device.c_str(), DRIVER_DEVICE);
    if (drive == nullptr)
        return std::nullopt;
    CdToc toc;
    const track_t first = cdio_get_first_track_num(drive);
    const track_t count = cdio_get_num_tracks(drive);
    if (first != CDIO_INVALID_TRACK && count != CDIO_INVALID_TRACK && count > 0) {
        for (int number = first; number < first + count; ++number) {
            const lba_t start = cdio_get_track_lba(drive, static_cast<track_t>(number));
            if (start == CDIO_INVALID_LBA)
                break;
            const bool audio = cdio_get_track_format(drive, static_cast<track_t>(number)) == TRACK_FORMAT_AUDIO;
            // The library counts the 2-second lead-in; the disc's own sector numbers do not.
            toc.tracks.push_back({number, start - CDIO_PREGAP_SECTORS, audio});
        }
        const lba_t leadOut = cdio_get_track_lba(drive, CDIO_CDROM_LEADOUT_TRACK);
        toc.leadOutSector = leadOut == CDIO_INVALID_LBA ? 0 : leadOut - CDIO_PREGAP_SECTORS;
    }
    cdio_destroy(drive);
    if (toc.tracks.empty() || toc.leadOutSector <= toc.tracks.back().startSector)
        return std::nullopt;
    return toc;
}

std::optional<std::string> FindCdDrive()
{
    char** drives = cdio_get_devices(DRIVER_DEVICE);
    if (drives == nullptr)
        return std::nullopt;
    std::optional<std::string> first;
    if (drives[0] != nullptr)
        first = drives[0];
    cdio_free_device_list(drives);
    return first;
}
