#pragma once

// Whether a mapped child of the root window that lies above `window` (itself a child of the root)
// overlaps it on the screen. Asks the server; false when either is gone.
bool CoveredByAnotherWindow(struct _XDisplay* display, unsigned long window);
