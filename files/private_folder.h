#pragma once

#include <filesystem>

// Who besides the owner may use a private folder: nobody (mode exactly 0700), or readers only
// (no write bit for group or others).
enum class FolderSharing { OwnerOnly, OthersMayRead };

// Opens `folder` as an O_DIRECTORY descriptor when it is a real folder, not a link, owned by this
// user and as private as `sharing` says; when missing and `create` is set it is made with mode
// 0700 first (its parent must exist). Returns -1 with errno set otherwise (EPERM: wrong owner or
// mode, ENOTDIR or ELOOP: not a real folder). The caller closes the descriptor.
int OpenPrivateFolder(const std::filesystem::path& folder, FolderSharing sharing, bool create);
