#pragma once

// True when the Wayland compositor named by $WAYLAND_DISPLAY (a name in $XDG_RUNTIME_DIR or an
// absolute path) accepts a connection, or $WAYLAND_SOCKET hands one over. Never waits for the
// compositor beyond the connect; speaks no protocol.
bool WaylandSocketAvailable();
