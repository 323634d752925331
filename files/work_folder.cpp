#include "work_folder.h"

#include "private_folder.h"

#include <climits>
#include <cstdlib>
#include <pwd.h>
#include <string>
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
    return {};
}

// Whoever may rename entries in one of these folders could swap the work folder for their own.
bool onlyTrustedCanChange(const std::filesystem::path& folder)
{
    char resolved[PATH_MAX];
    if (!realpath(folder.c_str(), resolved))
        return false;
    std::filesystem::path walked = resolved;
    for (;;) {
        struct stat status {};
        if (lstat(walked.c_str(), &status) != 0)
            return false;
        const bool trustedOwner = status.st_uid == 0 || status.st_uid == geteuid();
        const bool othersWrite = (status.st_mode & 022) != 0 && (status.st_mode & S_ISVTX) == 0;
        if (!trustedOwner || othersWrite)
            return false;
        if (walked == walked.root_path())
            return true;
        walked = walked.parent_path();
    }
}

bool isPrivate(const std::filesystem::path& folder)
{
    const int descriptor = OpenPrivateFolder(folder, FolderSharing::OthersMayRead, false);
    if (descriptor < 0)
        return false;
    close(descriptor);
    return onlyTrustedCanChange(folder.parent_path());
}

}

std::filesystem::path WorkFolderPath()
{
    const char* configHome = std::getenv("XDG_CONFIG_HOME");
    if (configHome && *configHome == '/')
        return std::filesystem::path(configHome) / "nerevo_temp";
    const std::filesystem::path home = homeFolder();
    // Without any home, a name of this user's own in /tmp; whoever made it first, the checks
    // decide whether it may be used.
    if (home.empty())
        return "/tmp/nerevo_temp-" + std::to_string(geteuid());
    return home / ".config" / "nerevo_temp";
}

bool WorkFolderIsPrivate()
{
    return isPrivate(WorkFolderPath());
}

bool MakeWorkFolder()
{
    const std::filesystem::path folder = WorkFolderPath();
    std::error_code error;
    std::filesystem::create_directories(folder.parent_path(), error);
    // Nothing is made inside a folder another account controls.
    if (!onlyTrustedCanChange(folder.parent_path()))
        return false;
    const int descriptor = OpenPrivateFolder(folder, FolderSharing::OthersMayRead, true);
    if (descriptor < 0)
        return false;
    close(descriptor);
    return true;
}

std::filesystem::path WorkFilePath(const char* name)
{
    const std::filesystem::path folder = WorkFolderPath();
    return isPrivate(folder) ? folder / name : std::filesystem::path();
}
