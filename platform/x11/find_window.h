#pragma once

#include "platform/x11/native_window.h"

#include <string_view>

// The X stand-in for FindWindowA: the first window, mapped or not, whose title is exactly
// `title` (UTF-8), read from _NET_WM_NAME or from WM_NAME (STRING or COMPOUND_TEXT). Searches
// the whole window tree from the root, shallowest windows first, so windows inside
// window-manager frames are found too. 0 when there is none or no display.
NativeWindow FindWindowA(std::string_view title);
