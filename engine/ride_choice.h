#pragma once

// What the engine's command line chooses for one ride, beside the window system's own options.
struct RideChoice {
    // Planet size and speed levels (1 to 11) for this ride only; 0: the settings file's.
    int scaleLevel = 0;
    int speedLevel = 0;
    // Inside a manager's window: the keys belong to the manager, so none ends the ride.
    bool hosted = false;
};
