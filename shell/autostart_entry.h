#pragma once

#include <filesystem>
#include <string>

// The desktop session's start of the idle watcher, as an XDG autostart entry of this user's
// (GNOME, KDE Plasma, Xfce, MATE and Cinnamon read them): tavrolin-idle.desktop.

// The entry's path: $XDG_CONFIG_HOME/autostart, by default ~/.config/autostart. Empty when
// neither gives an absolute path.
std::filesystem::path AutostartEntryPath(const char* configHome, const char* home);

// The entry's text, starting `program` with --idle seconds (and --x11). Empty when the program's
// path cannot be written in an Exec line (a line break in it).
std::string AutostartEntryText(const std::string& program, int seconds, bool x11);

// Writes the entry in place of any older one, or removes it (nothing to remove
// is no failure). The one line saying what went wrong, or empty.
std::string WriteAutostartEntry(const std::filesystem::path& path, const std::string& text);
std::string RemoveAutostartEntry(const std::filesystem::path& path);
