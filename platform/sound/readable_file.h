#pragma once

#include <string>

// True when the path names a regular file that this process can open for reading right now.
bool ReadableFile(const std::string& path);
