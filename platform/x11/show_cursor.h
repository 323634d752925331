#pragma once

// The X stand-in for ShowCursor: hides (false) or shows again (true) the pointer on the whole
// screen through XFixes. A hide lasts until the matching show or until the process ends,
// whichever comes first. Returns false when there is no display or no XFixes.
bool ShowCursor(bool show);
