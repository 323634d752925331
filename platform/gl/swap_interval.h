#pragma once

// Asks the driver to tie buffer swaps to the display's refresh (an interval of 1), so the
// ride does not burn the CPU on real displays. Needs a current GLX context; does nothing
// where the driver offers no swap-interval extension. Returns true when a request was made.
bool RequestSwapInterval(int interval);
