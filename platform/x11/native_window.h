#pragma once

// An X window id as the shell hands it around (0 names no window). Kept free of Xlib so that
// code outside this folder never includes its headers.
using NativeWindow = unsigned long;
