#pragma once

#include <string>
#include <string_view>

// When --stop last looked for this display's ride, so that a start already under way then never
// rides afterwards. The stamp is the modification time of a file beside the display's locks, set
// to the time since boot (the clock a process's start time is counted on), and it is compared in
// the clock ticks of that start time.

// Stamps the present moment and returns once the clock tick it fell in is over, so every process
// started afterwards counts as started after it. False, with the one line why in `problem`, when it cannot.
bool RecordStop(std::string& problem);

// True when a stop was stamped at or after the tick this process started in: a stop that came in
// the same tick is taken to have come after. False when none was, or when the stamp cannot be
// read (a link, FIFO or folder at its name; `problem` then says so).
bool StoppedSinceThisProcessStarted(std::string& problem);

// The start time in a /proc/<pid>/stat text, in clock ticks since boot; -1 when malformed.
long long StartTicksOfStat(std::string_view stat);
