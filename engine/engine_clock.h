#pragma once

#include <cstdint>

// Milliseconds since the engine started, from the monotonic clock, in 64 bits: never wraps and
// never steps back when the wall clock is set.
std::int64_t EngineMilliseconds();
