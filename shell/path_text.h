#pragma once

#include <string>
#include <string_view>

// True when the path names a file that can be opened for reading right now; one trailing "/" is
// dropped first. Folders and unreadable files give false.
bool FileExists(std::string_view path);

// The folder part of a path: the text before its last "/", or "/" for a file in the root
// folder, or empty text when the path has no "/".
std::string FolderOfPath(std::string_view path);
