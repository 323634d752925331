#include "idle_request.h"

#include <algorithm>

namespace {

// Whole seconds from 1 to a day, in plain digits; 0 otherwise.
int secondsIn(const std::string& word)
{
    if (word.empty() || word.size() > 6 || word.find_first_not_of("0123456789") != std::string::npos)
        return 0;
    const int seconds = std::stoi(word);
    return seconds <= LongestIdleSeconds ? seconds : 0;
}

IdleRequest malformed(std::string problem)
{
    IdleRequest request;
    request.kind = IdleRequest::Kind::Malformed;
    request.problem = std::move(problem);
    return request;
}

}

IdleRequest ReadIdleRequest(const std::vector<std::string>& arguments)
{
    const auto given = [&arguments](const char* word) { return std::count(arguments.begin(), arguments.end(), word); };
    const auto idle = given("--idle");
    const auto autostart = given("--autostart");
    if (idle + autostart == 0)
        return {};
    if (idle + autostart > 1)
        return malformed("give --idle or --autostart once");
    const std::string name = idle ? "--idle" : "--autostart";
    IdleRequest request;
    request.kind = idle ? IdleRequest::Kind::Idle : IdleRequest::Kind::Autostart;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& word = arguments[i];
        if (word == name) {
            const std::string value = i + 1 < arguments.size() ? arguments[++i] : "";
            if (!idle && value == "off") {
                request.kind = IdleRequest::Kind::AutostartOff;
            } else if ((request.seconds = secondsIn(value)) == 0) {
                return malformed(name + " needs a whole number of seconds from 1 to " + std::to_string(LongestIdleSeconds)
                                 + (idle ? "" : ", or off") + ", not '" + value + "'");
            }
        } else if (word == "--x11" && !request.x11) {
            request.x11 = true;
        } else {
            return malformed("'" + word + "' does not go with " + name);
        }
    }
    return request;
}
