#pragma once

#include <string>
#include <vector>

// What a single ride may be asked for on the command line beside any run or hosted switch:
// --scale N and --speed N (levels 1 to 11, as the settings file stores them; also written
// --scale=N) and --no-music. They change that ride only and are never stored.
struct RideOptions {
    int scaleLevel = 0; // 1 to 11; 0: the settings file's level
    int speedLevel = 0; // 1 to 11; 0: the settings file's level
    bool music = true;  // false: no music for this ride, whatever the settings say

    // True when any of them was given.
    bool given() const { return scaleLevel != 0 || speedLevel != 0 || !music; }
};

// Takes the ride options out of `words` (the arguments after the program's path), leaving the
// other words in their order, and records them in `options`. Returns the one line to show for a
// value that is missing or not a whole number from 1 to 11, or for an option given twice (words
// and options then unchanged), else empty.
std::string ReadRideOptions(std::vector<std::string>& words, RideOptions& options);

// The options of this process's ride; set once in main before any window exists.
extern RideOptions OneRideOptions;
