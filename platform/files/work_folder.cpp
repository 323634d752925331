#include "work_folder.h"

#include <cerrno>
#include <cstdlib>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::filesystem::path homeFolder()
{
    const char* home = std::getenv("HOME");
    if (home && *home)
        return home;
    if (const passwd* entry = getpwuid(getuid()); entry && entry->pw_dir && *entry->pw_dir)
        return entry->pw_dir;
    // Without any home the files still need one agreed place.
    return "/tmp";
}

}

std::filesystem::path WorkFolderPath()
{
    const char* configHome = std::getenv("XDG_CONFIG_HOME");
    std::filesystem::path base;
    if (configHome && *configHome == '/')
        base = configHome;
    else
        base = homeFolder() / ".config";
    return base / "nerevo_temp";
}

bool MakeWorkFolder()
{
    const std::filesystem::path folder = WorkFolderPath();
    std::error_code error;
    if (std::filesystem::is_directory(folder, error))
        return true;
    std::filesystem::create_directories(folder.parent_path(), error);
    if (mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST)
        return false;
    return std::filesystem::is_directory(folder, error);
}
