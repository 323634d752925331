#pragma once

#include "contract/engine_contract.h"

#include <filesystem>
#include <string>
#include <string_view>

// The settings file "Tavrolin.ini" in the work folder: one section, five keys, named where the
// engine reads them too (engine_contract.h); the music path is stored as file-system bytes.

// The settings file's path inside the work folder; empty when that folder is not private.
std::filesystem::path SettingsFilePath();

// The key's value, at most 255 bytes and cut at a NUL byte; empty text when the file, section or
// key is missing.
std::string GetIniString(std::string_view section, std::string_view key, const std::filesystem::path& file);

// Writes the key (an empty value keeps the key with nothing after "="). False, with errno saying
// why, when it could not be written.
bool PutIniString(std::string_view section, std::string_view key, std::string_view value,
                  const std::filesystem::path& file);

// Fills ShellSettings from the settings file. A value that is not a number, or that does not fit
// its field, leaves the field as it was; a music file that cannot be read turns file music off
// for this run without touching the file.
void LoadSettings();
