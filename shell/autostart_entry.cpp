#include "autostart_entry.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <unistd.h>

namespace {

// An Exec argument: quoted where the desktop entry rules reserve a character, then escaped as a
// string value.
std::string execArgument(const std::string& word)
{
    std::string quoted;
    bool reserved = false;
    for (const char c : word) {
        if (std::strchr(" \t\"'\\><~|&;$*?#()`", c))
            reserved = true;
        if (c == '"' || c == '`' || c == '$' || c == '\\')
            quoted += '\\';
        quoted += c == '%' ? "%%" : std::string(1, c);
    }
    if (reserved)
        quoted = '"' + quoted + '"';
    std::string value;
    for (const char c : quoted)
        value += c == '\\' ? "\\\\" : std::string(1, c);
    return value;
}

std::string failure(const char* what, const std::filesystem::path& path)
{
    return std::string("cannot ") + what + " " + path.string() + ": " + std::strerror(errno);
}

}

std::filesystem::path AutostartEntryPath(const char* configHome, const char* home)
{
    std::filesystem::path folder;
    if (configHome && *configHome == '/')
        folder = configHome;
    else if (home && *home == '/')
        folder = std::filesystem::path(home) / ".config";
    else
        return {};
    return folder / "autostart" / "tavrolin-idle.desktop";
}

std::string AutostartEntryText(const std::string& program, int seconds, bool x11)
{
    if (program.find_first_of("\n\r") != std::string::npos)
        return {};
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=Tavrolin idle watcher\n"
           "Comment=Starts the Tavrolin ride when the session has been idle for a while\n"
           "Exec=" + execArgument(program) + " --idle " + std::to_string(seconds) + (x11 ? " --x11" : "") + "\n"
           "Terminal=false\n"
           "X-GNOME-Autostart-enabled=true\n";
}

std::string WriteAutostartEntry(const std::filesystem::path& path, const std::string& text)
{
    std::error_code error;
    std::filesystem::create_directories(path.parent_path(), error);
    if (error) {
        errno = error.value();
        return failure("make", path.parent_path());
    }
    // A session reading the folder never sees half an entry.
    const std::filesystem::path partial = path.string() + ".new";
    {
        std::ofstream file(partial, std::ios::binary | std::ios::trunc);
        file << text;
        file.flush();
        if (!file) {
            std::remove(partial.c_str());
            return failure("write", partial);
        }
    }
    if (std::rename(partial.c_str(), path.c_str()) != 0) {
        const std::string problem = failure("write", path);
        std::remove(partial.c_str());
        return problem;
    }
    return {};
}

std::string RemoveAutostartEntry(const std::filesystem::path& path)
{
    if (unlink(path.c_str()) != 0 && errno != ENOENT)
        return failure("remove", path);
    return {};
}
