#pragma once

#include "mci_error.h"

// The multimedia command-string interface, for the commands the music player sends:
//   open cdaudio | open "<file>" type MPEGVideo alias <name>
//   set <device> time format tmsf|milliseconds
//   status <device> mode|current track|number of tracks|position [track <n>]
//   play <device> [from <position>] [to <position>]
//   stop <device>, close <device>
// Words match in any letter case. Devices stay open until closed (or the process ends). Every
// command returns at once; sound plays on in GStreamer's threads, so no event loop is needed.

// Runs the command. The reply text (status queries) goes into the buffer of replyLength bytes
// with its terminating NUL; a null buffer or a length of 0 drops it, and a reply that does not
// fit gives MCIERR_PARAM_OVERFLOW. On failure the buffer holds empty text. Returns 0 or an error
// code of mci_error.h. The last argument, a window to notify, is not supported and must be null.
MCIERROR mciSendStringA(const char* command, char* reply, unsigned replyLength, void* notifyWindow);

// The description of an error code, cut to the buffer's length less one byte and terminated;
// false (and empty text) for a code that has no description.
bool mciGetErrorStringA(MCIERROR code, char* text, unsigned length);
