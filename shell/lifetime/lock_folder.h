#pragma once

#include <filesystem>

// The folder of this user's lock files, opened as a descriptor the caller closes: the folder
// "tavrolin" in `runtimeDirectory` when that is an absolute path to a folder of this user's with
// mode 0700 (not a link); otherwise "tavrolin-<uid>" in `sharedTemporary` (normally /tmp), made
// with mode 0700 when missing. Either must be this user's, mode 0700 and no link; -1 (errno
// set) when neither is, and then no lock can be had.
int OpenLockFolder(const char* runtimeDirectory, const std::filesystem::path& sharedTemporary);

// The same for this process: $XDG_RUNTIME_DIR (/run/user/<uid> when unset), else /tmp.
int OpenLockFolder();
