#include "settings_file.h"

#include "number_text.h"
#include "path_text.h"
#include "files/profile.h"
#include "files/program_folder.h"
#include "files/work_folder.h"
#include "shell_settings.h"

#include <cmath>
#include <cstdint>
#include <limits>

namespace {

constexpr std::size_t ValueBufferSize = 256;

// Stores the text's number, rounded down and less `offset`, when it is a number that fits.
void readWholeNumber(std::string_view text, int offset, std::int16_t& field)
{
    if (text.empty()) {
        field = 0;
        return;
    }
    const std::optional<double> number = NumberOfText(text);
    if (!number)
        return;
    const double value = std::floor(*number) - offset;
    if (value < std::numeric_limits<std::int16_t>::min() || value > std::numeric_limits<std::int16_t>::max())
        return;
    field = static_cast<std::int16_t>(value);
}

}

std::filesystem::path SettingsFilePath()
{
    return WorkFilePath(SettingsFileName);
}

std::string GetIniString(std::string_view section, std::string_view key, const std::filesystem::path& file)
{
    std::string value = GetPrivateProfileStringA(section, key, "", ValueBufferSize, file);
    if (const std::size_t nul = value.find('\0'); nul != std::string::npos)
        value.resize(nul);
    return value;
}

bool PutIniString(std::string_view section, std::string_view key, std::string_view value,
                  const std::filesystem::path& file)
{
    return WritePrivateProfileStringA(section, key, value, file);
}

void LoadSettings()
{
    const std::filesystem::path file = SettingsFilePath();
    ShellSettingsRecord& settings = ShellSettings;

    readWholeNumber(GetIniString(SettingsSectionName, ScaleKey, file), 6, settings.ScalePos);
    readWholeNumber(GetIniString(SettingsSectionName, FastKey, file), 6, settings.FastPos);
    readWholeNumber(GetIniString(SettingsSectionName, BgmKindKey, file), 0, settings.BgmKind);
    readWholeNumber(GetIniString(SettingsSectionName, BgmRepeatKey, file), 0, settings.BgmRepeat);

    const std::string musicFile = GetIniString(SettingsSectionName, BgmFileKey, file);
    settings.BgmFile = FileExists(musicFile) ? musicFile : std::string();
    if (settings.BgmFile.empty() && settings.BgmKind == BgmKindFile)
        settings.BgmKind = BgmKindNone;

    settings.BgmFolder = settings.BgmFile.empty() ? ProgramFolder().string() : FolderOfPath(settings.BgmFile);
}
