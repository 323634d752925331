#pragma once

#include <cstdint>

// Milliseconds since GLUT was initialised, from the monotonic clock, in 64 bits: GLUT's own
// counter is an int and wraps after 24.8 days. Needs GLUT initialised before the first call.
std::int64_t EngineMilliseconds();
