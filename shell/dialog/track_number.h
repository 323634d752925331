#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The audio-CD track number as the track box shows it: empty for 0, otherwise decimal.
std::string TrackText(int track);

// The track number that a text typed or chosen in the track box stands for: a number (blanks
// around it, sign, fraction and exponent allowed) rounded to the nearest whole number, a half to
// the even one. A text that is no number, or whose number lies outside the 16-bit signed range,
// gives 0, the same as no particular track.
std::int16_t TrackNumberOfText(std::string_view text);
