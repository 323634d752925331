#include "programs/engine/engine_options.h"

#include "contract/engine_contract.h"
#include "platform/x11/native_window.h"

#include <array>
#include <cerrno>
#include <cstdlib>

namespace {

// A whole decimal number from 1 to maximum, all of the text.
bool parseCount(std::string_view text, long maximum, int& value)
{
    if (text.empty() || text.front() < '0' || text.front() > '9')
        return false;
    const std::string copy(text);
    char* end = nullptr;
    errno = 0;
    const long parsed = std::strtol(copy.c_str(), &end, 10);
    if (errno != 0 || *end != '\0' || parsed < 1 || parsed > maximum)
        return false;
    value = static_cast<int>(parsed);
    return true;
}

// X,Y,W,H: integers within ±65535, W and H above 0.
bool parseMonitor(std::string_view text, EngineOptions& options)
{
    const std::string copy(text);
    long numbers[4];
    const char* cursor = copy.c_str();
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

// Takes the value of one switch that has one; false when it is malformed.
bool takeValue(std::string_view name, std::string_view value, EngineOptions& options)
{
    if (name == WindowIdSwitch) {
        const auto window = NativeWindowFromText(value);
        options.hostWindow = window.value_or(0);
        return options.hostWindow != 0;
    }
    if (name == MonitorSwitch)
        return parseMonitor(value, options);
    if (name == OutputSwitch) {
        options.outputName = value;
        return !value.empty() && value.front() != '-';
    }
    if (name == ShellProcessSwitch)
        return parseCount(value, 2147483647L, options.shellProcess);
    if (name == ScaleSwitch)
        return parseCount(value, 11, options.scaleLevel);
    return parseCount(value, 11, options.speedLevel);
}

// Sets a switch that takes no value.
void takeFlag(std::string_view name, EngineOptions& options)
{
    if (name == X11Switch)
        options.windowSystem = WindowSystem::X11;
    else if (name == WaylandSwitch)
        options.windowSystem = WindowSystem::Wayland;
    else if (name == BackgroundSwitch)
        options.background = true;
    else if (name == FullscreenWindowSwitch)
        options.fullscreenWindow = true;
    else
        options.unpaced = true;
}

struct Switch {
    std::string_view name;
    bool takesValue;
};

constexpr std::array<Switch, 11> switches{{
    {X11Switch, false},
    {WaylandSwitch, false},
    {WindowIdSwitch, true},
    {MonitorSwitch, true},
    {OutputSwitch, true},
    {BackgroundSwitch, false},
    {FullscreenWindowSwitch, false},
    {ShellProcessSwitch, true},
    {ScaleSwitch, true},
    {SpeedSwitch, true},
    {UnpacedSwitch, false},
}};

}

EngineOptions ParseEngineOptions(int argc, const char* const* argv)
{
    EngineOptions options;
    std::array<bool, switches.size()> given{};
    bool windowSystemGiven = false;
    for (int i = 1; i < argc && options.misuse.empty(); ++i) {
        const std::string_view word = argv[i];
        std::size_t index = 0;
        while (index < switches.size() && switches[index].name != word)
            ++index;
        if (index == switches.size()) {
            options.misuse = "unknown argument \"" + std::string(word) + "\"";
        } else if (given[index]) {
            options.misuse = std::string(word) + " given twice";
        } else if (!switches[index].takesValue) {
            given[index] = true;
            const bool choosesSystem = word == X11Switch || word == WaylandSwitch;
            if (choosesSystem && windowSystemGiven)
                options.misuse = "--x11 and --wayland exclude each other";
            windowSystemGiven = windowSystemGiven || choosesSystem;
            takeFlag(word, options);
        } else if (i + 1 >= argc) {
            options.misuse = std::string(word) + " needs a value";
        } else {
            given[index] = true;
            const std::string_view value = argv[++i];
            if (!takeValue(word, value, options))
                options.misuse = "malformed value \"" + std::string(value) + "\" for " + std::string(word);
        }
    }
    return options;
}

WindowSystem EngineWindowSystem(const EngineOptions& options, const SessionEnvironment& session)
{
    if (options.windowSystem)
        return *options.windowSystem;
    return ChooseWindowSystem(session, options.hostWindow != 0);
}

std::string_view MisplacedSwitch(const EngineOptions& options, WindowSystem system)
{
    if (system == WindowSystem::Wayland) {
        if (options.hostWindow != 0)
            return WindowIdSwitch;
        if (options.hasMonitor)
            return MonitorSwitch;
        return {};
    }
    if (!options.outputName.empty())
        return OutputSwitch;
    if (options.background)
        return BackgroundSwitch;
    if (options.fullscreenWindow)
        return FullscreenWindowSwitch;
    return {};
}
