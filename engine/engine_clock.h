#pragma once

#include <cstdint>

// Milliseconds since the engine process started, from the monotonic clock; 64 bits, so it never
// wraps (GLUT's own counter is an int and wraps after 24.8 days).
std::int64_t EngineMilliseconds();
