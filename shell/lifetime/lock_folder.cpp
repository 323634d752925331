#include "lock_folder.h"

#include "platform/files/private_folder.h"

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
    return OpenLockFolder(std::getenv("XDG_RUNTIME_DIR"), "/tmp");
}
