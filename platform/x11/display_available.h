#pragma once

// True when the X server named by $DISPLAY accepts a connection; the window services here and
// the shell's Qt platform need one.
bool DisplayAvailable();
