#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The screensaver switches: /s run, /c settings, /p <X window id> preview, nothing at all for a
// run that leaves the pointer visible.

// The argument text after the program's path: the arguments joined by single blanks; empty when
// there are none.
std::string CommandText(int argc, const char* const* argv);

// The command text's second character, upper-cased (so /s, -s and xs are alike); '\0' when the
// text is shorter than two characters.
char ModeLetter(std::string_view commandText);

// The preview's parent window: the decimal number from the fourth character on (the separator
// after the letter is skipped whatever it is), blanks ignored, rounded to a 32-bit whole number;
// or a hex number after "0x", as screensaver managers write ids. 0 when there are no digits or the
// number does not fit.
std::int32_t PreviewParentHandle(std::string_view commandText);
