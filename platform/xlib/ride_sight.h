#pragma once

#include "platform/x11/monitor_power.h"

// Whether anybody could see a frame drawn now: the ride rests (draws nothing, sleeps) otherwise.
struct RideSight {
    // The window is not fully covered, as its last visibility notice said (none yet: visible).
    bool windowVisible = true;
    // The manager's window that hosts the ride is mapped; always true for a ride of its own.
    bool hostMapped = true;
    // The monitors' power state; anything but On shows nothing.
    MonitorPower power = MonitorPower::On;

    bool seen() const;
};
