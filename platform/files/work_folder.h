#pragma once

#include <filesystem>

// The folder both programs share: the settings file and the two picture files live here.
// $XDG_CONFIG_HOME/nerevo_temp, or $HOME/.config/nerevo_temp when XDG_CONFIG_HOME is unset or
// relative; HOME falls back to the password database. Never empty.
std::filesystem::path WorkFolderPath();

// Creates the work folder (and its parents) with mode 0700 when missing. Returns true when the
// folder exists afterwards.
bool MakeWorkFolder();

// File names inside the work folder; they never change.
inline constexpr const char* SettingsFileName = "Tavrolin.ini";
inline constexpr const char* CharacterSheetFileName = "Tavrolin1.alo";
inline constexpr const char* SpherePictureFileName = "Tavrolin2.alo";

// The one section of the settings file.
inline constexpr const char* SettingsSection = "Section";
