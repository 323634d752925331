#include "session_switches.h"

bool SessionSwitches::consistent() const
{
    if (malformed)
        return false;
    if ((stop || background) && !rest.empty())
        return false;
    if (stop && (background || !output.empty()))
        return false;
    return !(background && x11);
}

SessionSwitches ReadSessionSwitches(const std::vector<std::string>& arguments)
{
    SessionSwitches switches;
    const auto once = [&switches](bool& flag) {
        switches.malformed = switches.malformed || flag;
        flag = true;
    };
    bool outputGiven = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& word = arguments[i];
        if (word == "--x11") {
            once(switches.x11);
        } else if (word == "--background") {
            once(switches.background);
        } else if (word == "--stop") {
            once(switches.stop);
        } else if (word == "--output") {
            once(outputGiven);
            // An output's name never starts with a dash; a switch there means the name is missing.
            if (i + 1 >= arguments.size() || arguments[i + 1].empty() || arguments[i + 1][0] == '-') {
                switches.malformed = true;
            } else {
                switches.output = arguments[++i];
            }
        } else {
            switches.rest.push_back(word);
        }
    }
    return switches;
}
