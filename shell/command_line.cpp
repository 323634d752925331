#include "command_line.h"

#include "number_text.h"
#include "platform/x11/native_window.h"

#include <algorithm>
#include <cmath>
#include <limits>

std::string CommandText(int argc, const char* const* argv)
{
    std::string text;
    for (int i = 1; i < argc; ++i) {
        if (i > 1)
            text += ' ';
        text += argv[i];
    }
    return text;
}

char ModeLetter(std::string_view commandText)
{
    if (commandText.size() < 2)
        return '\0';
    const char letter = commandText[1];
    return letter >= 'a' && letter <= 'z' ? static_cast<char>(letter - 'a' + 'A') : letter;
}

std::int32_t PreviewParentHandle(std::string_view commandText)
{
    if (commandText.size() < 4)
        return 0;
    std::string_view rest = commandText.substr(3);
    rest.remove_prefix(std::min(rest.find_first_not_of(' '), rest.size()));
    // The way screensaver managers write window ids; the digits run to the first non-digit.
    if (rest.size() > 2 && rest[0] == '0' && (rest[1] == 'x' || rest[1] == 'X')) {
        const std::size_t digits = std::min(rest.find_first_not_of("0123456789abcdefABCDEF", 2), rest.size());
        const auto window = NativeWindowFromText(rest.substr(0, digits));
        return window && *window <= static_cast<NativeWindow>(std::numeric_limits<std::int32_t>::max())
            ? static_cast<std::int32_t>(*window)
            : 0;
    }
    // Halves go to the even neighbour, as whole-number conversion always has.
    const double handle = std::nearbyint(LeadingNumber(commandText.substr(3)));
    if (handle < std::numeric_limits<std::int32_t>::min() || handle > std::numeric_limits<std::int32_t>::max())
        return 0;
    return static_cast<std::int32_t>(handle);
}
