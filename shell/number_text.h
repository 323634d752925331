#pragma once

#include <optional>
#include <string_view>

// Numbers written as text, read the same way whatever the process's locale: an optional sign,
// decimal digits with an optional fraction after ".", and an optional exponent (E or D, then an
// optional sign and digits).

// The number the whole text spells, blanks before and after allowed; nothing when the text is
// not a number (empty, stray characters, or out of the double range).
std::optional<double> NumberOfText(std::string_view text);

// The number at the front of the text, as far as it reads as one; blanks anywhere in the text are
// skipped first. A text without leading digits gives 0.
double LeadingNumber(std::string_view text);
