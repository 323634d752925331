#pragma once

// Makes sure descriptors 0, 1 and 2 are open, on /dev/null where they were closed (as idle-time
// launchers leave them), so that no later connection or file takes one of those numbers and
// receives what libraries print. Call first thing in main.
void OpenStandardDescriptors();
