#include "ride_options.h"

#include <algorithm>
#include <string_view>

RideOptions OneRideOptions;

namespace {

// Digits only, so "+5", " 5" and "5.0" are refused rather than read as something else.
bool readLevel(std::string_view text, int& level)
{
    if (text.empty() || text.size() > 2 || text.find_first_not_of("0123456789") != std::string_view::npos)
        return false;
    const int value = std::stoi(std::string(text));
    if (value < 1 || value > 11)
        return false;
    level = value;
    return true;
}

}

std::string ReadRideOptions(std::vector<std::string>& words, RideOptions& options)
{
    RideOptions read = options;
    std::vector<std::string> rest;
    std::vector<std::string_view> seen;
    const auto twice = [&seen](std::string_view name) {
        const bool again = std::find(seen.begin(), seen.end(), name) != seen.end();
        seen.push_back(name);
        return again;
    };
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string_view word = words[i];
        const std::string_view name = word.substr(0, word.find('='));
        if (word != "--no-music" && name != "--scale" && name != "--speed") {
            rest.push_back(words[i]);
            continue;
        }
        // Which of two values was meant cannot be told.
        if (twice(name))
            return "tavrolin: " + std::string(name) + " is given twice";
        if (word == "--no-music") {
            read.music = false;
            continue;
        }
        std::string value;
        if (name.size() < word.size()) {
            value = word.substr(name.size() + 1);
        } else if (i + 1 < words.size()) {
            value = words[++i];
        } else {
            return "tavrolin: " + std::string(name) + " needs a level from 1 to 11";
        }
        if (!readLevel(value, name == "--scale" ? read.scaleLevel : read.speedLevel))
            return "tavrolin: " + std::string(name) + " takes a whole number from 1 to 11, not '" + value + "'";
    }
    options = read;
    words = std::move(rest);
    return {};
}
