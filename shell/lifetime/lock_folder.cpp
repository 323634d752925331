#include "lock_folder.h"

#include "files/private_folder.h"

#include <cstdlib>
#include <string>
#include <unistd.h>

int OpenLockFolder(const char* runtimeDirectory, const std::filesystem::path& sharedTemporary)
{
    if (runtimeDirectory && *runtimeDirectory == '/') {
        const int runtime = OpenPrivateFolder(runtimeDirectory, FolderSharing::OwnerOnly, false);
        if (runtime >= 0) {
            close(runtime);
            const int folder = OpenPrivateFolder(std::filesystem::path(runtimeDirectory) / "tavrolin",
                                                 FolderSharing::OwnerOnly, true);
            if (folder >= 0)
                return folder;
        }
    }
    // Another user may have made this name first; the checks then refuse it.
    return OpenPrivateFolder(sharedTemporary / ("tavrolin-" + std::to_string(geteuid())), FolderSharing::OwnerOnly,
                             true);
}

int OpenLockFolder()
{
    // Managers started outside the login session (from .xinitrc, by xautolock) may lack the
    // variable, yet their rides must meet the user's own in one place: the login's runtime folder.
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    const std::string loginRuntime = "/run/user/" + std::to_string(geteuid());
    return OpenLockFolder(runtime && *runtime ? runtime : loginRuntime.c_str(), "/tmp");
}
