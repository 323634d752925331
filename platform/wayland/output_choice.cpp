#include "platform/wayland/output_choice.h"

int ChooseOutput(const std::vector<std::string>& names, const std::string& wanted)
{
    if (wanted.empty())
        return -1;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (names[i] == wanted)
            return static_cast<int>(i);
    }
    return -2;
}
