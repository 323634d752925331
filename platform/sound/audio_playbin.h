#pragma once

#include <string>

typedef struct _GstElement GstElement;

// A playbin for one sound file on this machine, playing to the system's default audio output.
// Sound only: a picture or text stream in the file is ignored and no window ever opens. The
// caller owns the (floating) element; null when GStreamer cannot make one or the path cannot be
// written as a URI.
GstElement* MakeAudioPlaybin(const std::string& path);
