#pragma once

#include "contract/window_system.h"

// This process's session as the window-system choice reads it: the variables, and whether the
// Wayland socket answers (asked only where the choice depends on it).
SessionEnvironment CurrentSessionEnvironment();
