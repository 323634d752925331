#pragma once

#include <optional>

// Runs the idle watcher (--idle SECONDS) or turns its autostart on or off (--autostart
// SECONDS|off) when the arguments ask for either; the exit status then, otherwise nothing.
// Status 2 for switches that do not go together or a bad number of seconds, 1 when the session
// offers no idle time, another watcher runs or the session ends under the watcher.
std::optional<int> RunIdleCommand(int argc, char** argv);
