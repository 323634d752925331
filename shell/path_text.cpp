#include "path_text.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

bool FileExists(std::string_view path)
{
    if (!path.empty() && path.back() == '/')
        path.remove_suffix(1);
    if (path.empty())
        return false;
    const std::string name(path);
    const int descriptor = open(name.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (descriptor < 0)
        return false;
    // Unlike on the home platform, a folder opens for reading here; it is still no file.
    struct stat info {};
    const bool isFolder = fstat(descriptor, &info) != 0 || S_ISDIR(info.st_mode);
    close(descriptor);
    return !isFolder;
}

std::string FolderOfPath(std::string_view path)
{
    const std::size_t slash = path.rfind('/');
    if (slash == std::string_view::npos)
        return {};
    if (slash == 0)
        return "/";
    return std::string(path.substr(0, slash));
}
