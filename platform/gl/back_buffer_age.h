#pragma once

// How many swaps ago the current window's back buffer was drawn (GLX_EXT_buffer_age): 1 means it
// holds the previous frame, 0 that its contents are undefined. -1 where the driver does not say,
// which promises nothing either. Needs a current GLX context.
int BackBufferAge();
