#include "engine/engine_clock.h"

#include <GL/freeglut.h>
#include <chrono>

std::int64_t EngineMilliseconds()
{
    // GLUT's first reading anchors a count of our own that never wraps.
    static const std::int64_t glutStartMs = glutGet(GLUT_ELAPSED_TIME);
    static const std::chrono::steady_clock::time_point anchor = std::chrono::steady_clock::now();
    return glutStartMs
        + std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - anchor).count();
}
