#pragma once

#include <string>
#include <vector>

// The switches of the idle watcher: --idle SECONDS runs it; --autostart SECONDS|off turns its
// start with the desktop session on or off. --x11 may go with either (for the rides it starts);
// nothing else may.
struct IdleRequest {
    enum class Kind { None, Idle, Autostart, AutostartOff, Malformed };
    Kind kind = Kind::None;
    int seconds = 0; // 1 to a day
    bool x11 = false;
    // With Malformed: the one line to show.
    std::string problem;
};

inline constexpr int LongestIdleSeconds = 86400;

// arguments: the words after the program's path. None when neither switch is there.
IdleRequest ReadIdleRequest(const std::vector<std::string>& arguments);
