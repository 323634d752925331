#pragma once

// Whether the GLX of the current context's display offers the named extension (a whole word of
// its extension list). False when no context is current.
bool HasGlxExtension(const char* name);

// The same for screen `screen` of `display`, with or without a current context.
bool HasGlxExtension(struct _XDisplay* display, int screen, const char* name);
