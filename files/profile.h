#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

// The Windows profile (INI) functions, with the same results. Section and key names are byte
// strings (Shift-JIS for the Japanese keys) matched ASCII-case-insensitively; blanks around
// names and values are ignored. Lines may end in CRLF or LF. Only a regular file is read (a
// FIFO or a device reads as missing), through a fixed buffer: of each line only the first
// ProfileLineKept bytes count, so memory stays bounded whatever the file's size.

constexpr std::size_t ProfileLineKept = 65536;

// The key's value read as an integer: optional blanks, an optional sign, then the leading
// decimal digits (none gives 0; beyond the int range the value saturates). A missing file,
// section or key gives defaultValue.
int GetPrivateProfileIntA(std::string_view section, std::string_view key, int defaultValue,
                          const std::filesystem::path& file);

// The key's value cut to bufferSize - 1 bytes (a buffer of 0 bytes gives empty text), or
// defaultValue, cut the same way, when the file, section or key is missing. One pair of
// matching single or double quotes around the value is removed.
std::string GetPrivateProfileStringA(std::string_view section, std::string_view key,
                                     std::string_view defaultValue, std::size_t bufferSize,
                                     const std::filesystem::path& file);

// Sets the key's value: replaces it in place, or appends the key at the end of its section,
// creating the file and the section when missing; every other line stays byte for byte. New
// lines end in CRLF; a last line ending in nothing or a lone CR first gets a CRLF. The new file
// replaces the old one by a rename, so a failure leaves the old file intact; it keeps the old
// file's mode and, where the user may set it, its group. Returns false, writing nothing and with
// errno saying why, when the file could not be written or is not a regular file (EISDIR, EINVAL),
// is read-only (EACCES), when a name or the value holds a line break, the key is empty, holds "="
// or starts with "[", or the section holds "]" (EINVAL): such names would create or hide other
// entries.
bool WritePrivateProfileStringA(std::string_view section, std::string_view key,
                                std::string_view value, const std::filesystem::path& file);
