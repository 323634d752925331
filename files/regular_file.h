#pragma once

#include <cstdio>
#include <filesystem>

// Opens a file for reading only when it is a regular file (after following links); a FIFO, a
// device or a folder reads as missing, so a reader never blocks on one or reads without end.
// The open itself never waits. The caller owns the result: a descriptor to close(), -1 when
// missing or not regular.
int OpenRegularFile(const std::filesystem::path& file);

// The same as a stdio stream for binary reading; the caller fcloses it. Null when missing.
std::FILE* OpenRegularFileStream(const std::filesystem::path& file);
