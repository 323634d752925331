#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The words of a command string: separated by blanks (spaces, tabs); a word that begins with a
// double quote runs to the next double quote, which both go, so a quoted file name may hold
// blanks. Nothing when a quote is not closed.
std::optional<std::vector<std::string>> SplitMciWords(std::string_view command);

// True when the two words are the same but for ASCII letter case.
bool SameMciWord(std::string_view left, std::string_view right);
