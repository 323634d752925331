#include "private_folder.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

int openFolder(const std::filesystem::path& folder)
{
    // O_NOFOLLOW: a link in the last place could point anywhere, another user's folder included.
    return open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
}

}

int OpenPrivateFolder(const std::filesystem::path& folder, FolderSharing sharing, bool create)
{
    int descriptor = openFolder(folder);
    bool made = false;
    if (descriptor < 0 && errno == ENOENT && create) {
        if (mkdir(folder.c_str(), 0700) == 0)
            made = true;
        else if (errno != EEXIST)
            return -1;
        descriptor = openFolder(folder);
    }
    if (descriptor < 0)
        return -1;
    // A umask that took bits the folder needs must not leave it unusable.
    if (made)
        (void)!fchmod(descriptor, 0700);
    struct stat status {};
    // Checked on what was opened, so a swap after the check cannot matter.
    if (fstat(descriptor, &status) != 0) {
        const int error = errno;
        close(descriptor);
        errno = error;
        return -1;
    }
    const mode_t permissions = status.st_mode & 0777;
    const bool privateEnough = sharing == FolderSharing::OwnerOnly ? permissions == 0700
                                                                   : (permissions & 022) == 0;
    if (!S_ISDIR(status.st_mode) || status.st_uid != geteuid() || !privateEnough) {
        close(descriptor);
        errno = EPERM;
        return -1;
    }
    return descriptor;
}
