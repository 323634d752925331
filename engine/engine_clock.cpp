#include "engine/engine_clock.h"

#include <chrono>

namespace {

// Set before main, so the count starts with the process whatever window system follows.
const std::chrono::steady_clock::time_point engineStart = std::chrono::steady_clock::now();

}

std::int64_t EngineMilliseconds()
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - engineStart)
        .count();
}
