#pragma once

#include <optional>
#include <string>
#include <vector>

// The table of contents of an audio disc. Sectors are counted from the start of the program area
// (75 per second of sound), without the 2-second lead-in.
struct CdToc {
    struct Track {
        int number = 0; // as printed on the disc, usually from 1
        int startSector = 0;
        bool audio = true;
    };

    std::vector<Track> tracks; // in disc order, numbers rising by one
    int leadOutSector = 0;     // the first sector after the last track

    bool hasTrack(int number) const;
    // First sector of the track; nothing for a number the disc does not have.
    std::optional<int> startOf(int number) const;
    // The track that holds the sector: the first track before it, the last one after it.
    int trackAt(int sector) const;
    // The first sector of sound: data tracks of mixed discs are never played. Nothing when the
    // disc holds no audio track.
    std::optional<int> firstAudioSector() const;
};

// The table of contents of the disc in the drive (a device path such as /dev/sr0); nothing when
// the drive cannot be read or holds no disc.
std::optional<CdToc> ReadCdToc(const std::string& device);

// The first CD drive of the system, or nothing when there is none.
std::optional<std::string> FindCdDrive();
