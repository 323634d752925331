#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Splits a fuzz input at 0xFF bytes into at most `parts` texts (missing ones are empty), so one
// input can carry a file's contents and the names handed to the function under test.
std::vector<std::string> SplitFuzzInput(const std::uint8_t* data, std::size_t size, std::size_t parts);

// A file of the fuzz target's own in the temporary folder, rewritten for every input.
std::string FuzzFilePath(std::string_view name);
void WriteFuzzFile(const std::string& path, std::string_view bytes);
std::string ReadFuzzFile(const std::string& path);
