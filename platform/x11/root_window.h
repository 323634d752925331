#pragma once

#include "platform/x11/native_window.h"

// The root window of the default screen of $DISPLAY; 0 when there is no display.
NativeWindow RootWindowHandle();
