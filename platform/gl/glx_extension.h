#pragma once

// Whether the GLX of the current context's display offers the named extension (a whole word of
// its extension list). False when no context is current.
bool HasGlxExtension(const char* name);
