#pragma once

#include <filesystem>

// The folder both programs share: the settings file and the two picture files live here.
// $XDG_CONFIG_HOME/nerevo_temp, or $HOME/.config/nerevo_temp when XDG_CONFIG_HOME is unset or
// relative; HOME falls back to the password database, and with no home at all the folder is
// /tmp/nerevo_temp-<uid>. Never empty.
std::filesystem::path WorkFolderPath();

// True when the work folder is private: a real folder (no link) of this user's that nobody else
// may write, inside folders that only this user or root may change (or that are sticky, as /tmp
// is). Anything else could be fed or read by another account.
bool WorkFolderIsPrivate();

// Creates the work folder (and its parents) with mode 0700 when missing. Returns true when the
// folder is private afterwards.
bool MakeWorkFolder();

// The path of a file in the work folder; empty when the folder is not private, and then nothing
// is to be read from or written there (the programs go on with their defaults).
std::filesystem::path WorkFilePath(const char* name);

// File names inside the work folder; they never change.
inline constexpr const char* SettingsFileName = "Tavrolin.ini";
inline constexpr const char* CharacterSheetFileName = "Tavrolin1.alo";
inline constexpr const char* SpherePictureFileName = "Tavrolin2.alo";

