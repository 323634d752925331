#pragma once

#include <cstdint>

// What the compositor last told a surface's role: the size to draw at (surface units, 0 where
// the client chooses) and the serial still to acknowledge.
struct SurfaceConfigure {
    int width = 0;
    int height = 0;
    std::uint32_t serial = 0;
    bool unacknowledged = false; // a configure came that the next commit must follow
    bool configured = false;     // at least one configure came: buffers may be attached
    bool closed = false;         // the compositor will not show the surface again
};
