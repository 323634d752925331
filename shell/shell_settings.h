#pragma once

#include <cstdint>
#include <string>

// The shell's copy of the settings file's contents; fields start as 0 or empty text.
struct ShellSettingsRecord {
    std::int16_t ScalePos = 0;  // planet-size slider position, stored level minus 6 (-5 to 5 when valid)
    std::int16_t FastPos = 0;   // speed slider position, stored level minus 6
    std::int16_t BgmKind = 0;   // BgmKindNone, BgmKindCd or BgmKindFile; other values play nothing
    std::int16_t BgmRepeat = 0; // audio-CD track to repeat, 0 for none
    std::string BgmFile;        // music file path (file-system bytes); empty when none or unreadable
    std::string BgmFolder;      // folder of BgmFile, or the shell's own folder; never stored
};

inline constexpr std::int16_t BgmKindNone = 0;
inline constexpr std::int16_t BgmKindCd = 1;
inline constexpr std::int16_t BgmKindFile = 2;

// The one record of the process, shared by the entry procedure, the host window, the music player
// and the settings dialog. Lives until the process ends.
extern ShellSettingsRecord ShellSettings;
