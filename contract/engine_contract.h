#pragma once

#include <string_view>

// What the shell and the ride engine agree on: the engine's switches, its exit statuses and the
// settings keys both read. Both programs include this header, so a name changed on one side and
// not on the other fails to compile.

// The engine's switches. The shell always names the window system it chose (--x11 or
// --wayland); the engine decides from the environment only when started by hand without either.
inline constexpr std::string_view X11Switch = "--x11";
inline constexpr std::string_view WaylandSwitch = "--wayland";
inline constexpr std::string_view WindowIdSwitch = "--window-id";     // ID, decimal or 0x hex (X11)
inline constexpr std::string_view MonitorSwitch = "--monitor";        // X,Y,W,H in pixels (X11)
inline constexpr std::string_view OutputSwitch = "--output";          // NAME (Wayland)
inline constexpr std::string_view BackgroundSwitch = "--background";  // background layer (Wayland)
inline constexpr std::string_view FullscreenWindowSwitch = "--fullscreen-window"; // (Wayland)
inline constexpr std::string_view ShellProcessSwitch = "--shell-pid"; // N: end when that process ends
inline constexpr std::string_view ScaleSwitch = "--scale";            // 1 to 11, this ride only
inline constexpr std::string_view SpeedSwitch = "--speed";            // 1 to 11, this ride only
inline constexpr std::string_view UnpacedSwitch = "--unpaced";        // frames back to back (benchmarks)

// The engine's exit statuses. A stop asked for by SIGTERM, SIGINT or SIGHUP ends it by that same
// signal once it has tidied up (status 128 + the signal's number to a shell).
inline constexpr int RideEnded = 0;      // its key, after the fade-in
inline constexpr int RideFailed = 1;     // could not start or lost its display: one line on stderr
inline constexpr int RideMisused = 2;    // a switch it does not know or a malformed value: one line
inline constexpr int RideOutputGone = 3; // Wayland: its output was removed or its surface closed

// The settings file's section and keys. Key names are the Shift-JIS bytes the file has always held.
inline constexpr std::string_view SettingsSectionName = "Section";
inline constexpr std::string_view ScaleKey = "Scale";
inline constexpr std::string_view FastKey = "Fast";
inline constexpr std::string_view BgmKindKey = "BGM\x8B\xE6\x95\xAA";       // BGM区分
inline constexpr std::string_view BgmRepeatKey = "BGM\xD8\xCB\xDF\xB0\xC4"; // BGMﾘﾋﾟｰﾄ
inline constexpr std::string_view BgmFileKey = "BGM\xCC\xA7\xB2\xD9";       // BGMﾌｧｲﾙ
