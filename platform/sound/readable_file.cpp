#include "readable_file.h"

#include <filesystem>
#include <fstream>
#include <system_error>

bool ReadableFile(const std::string& path)
{
    std::error_code error;
    return std::filesystem::is_regular_file(path, error) && std::ifstream(path, std::ios::binary).is_open();
}
