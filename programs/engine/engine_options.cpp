#include "engine/engine_options.h"

#include "platform/x11/native_window.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <limits>

EngineOptions engineOptions;

namespace {

// A whole decimal number, all of the text.
bool parseWhole(const char* text, unsigned long maximum, unsigned long& value)
{
    if (text == nullptr || *text < '0' || *text > '9')
        return false;
    char* end = nullptr;
    errno = 0;
    const unsigned long parsed = std::strtoul(text, &end, 10);
    if (errno != 0 || *end != '\0' || parsed > maximum)
        return false;
    value = parsed;
    return true;
}

bool parseMonitor(const char* text, EngineOptions& options)
{
    long numbers[4];
    const char* cursor = text;
    for (int i = 0; i < 4; ++i) {
        char* end = nullptr;
        errno = 0;
        numbers[i] = std::strtol(cursor, &end, 10);
        if (end == cursor || errno != 0 || numbers[i] < -65535 || numbers[i] > 65535)
            return false;
        if (*end != (i < 3 ? ',' : '\0'))
            return false;
        cursor = end + 1;
    }
    if (numbers[2] <= 0 || numbers[3] <= 0)
        return false;
    options.hasMonitor = true;
    options.monitorX = static_cast<int>(numbers[0]);
    options.monitorY = static_cast<int>(numbers[1]);
    options.monitorWidth = static_cast<int>(numbers[2]);
    options.monitorHeight = static_cast<int>(numbers[3]);
    return true;
}

}

EngineOptions parseEngineOptions(int argc, const char* const* argv)
{
    EngineOptions options;
    for (int i = 1; i < argc; ++i) {
        const char* word = argv[i];
        const char* value = i + 1 < argc ? argv[i + 1] : nullptr;
        unsigned long number = 0;
        if (std::strcmp(word, "--unpaced") == 0) {
            options.unpaced = true;
        } else if (std::strcmp(word, "--wayland") == 0) {
            options.wayland = true;
        } else if (std::strcmp(word, "--x11") == 0) {
            options.x11 = true;
        } else if (std::strcmp(word, "--background") == 0) {
            options.background = true;
        } else if (std::strcmp(word, "--fullscreen-window") == 0) {
            options.fullscreenWindow = true;
        } else if (std::strcmp(word, "--output") == 0) {
            if (value != nullptr && *value != '\0' && *value != '-')
                options.outputName = value;
            i += value != nullptr;
        } else if (std::strcmp(word, "--window-id") == 0) {
            if (const auto window = NativeWindowFromText(value ? value : ""))
                options.hostWindow = *window;
            i += value != nullptr;
        } else if (std::strcmp(word, "--shell-pid") == 0) {
            if (parseWhole(value, std::numeric_limits<int>::max(), number))
                options.shellProcess = static_cast<int>(number);
            i += value != nullptr;
        } else if (std::strcmp(word, "--scale") == 0 || std::strcmp(word, "--speed") == 0) {
            int& level = std::strcmp(word, "--scale") == 0 ? options.scaleLevel : options.speedLevel;
            if (parseWhole(value, 11, number) && number >= 1)
                level = static_cast<int>(number);
            i += value != nullptr;
        } else if (std::strcmp(word, "--monitor") == 0) {
            if (value != nullptr)
                parseMonitor(value, options);
            i += value != nullptr;
        }
    }
    return options;
}

bool choosesWayland(const EngineOptions& options, const char* waylandDisplay, const char* display,
                    const char* sessionType)
{
    if (options.wayland)
        return true;
    if (options.x11)
        return false;
    const auto set = [](const char* value) { return value != nullptr && *value != '\0'; };
    return set(waylandDisplay) && (!set(display) || (sessionType && std::strcmp(sessionType, "wayland") == 0));
}
