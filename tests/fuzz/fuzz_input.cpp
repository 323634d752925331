#include "fuzz_input.h"

#include <fstream>
#include <iterator>
#include <unistd.h>

std::vector<std::string> SplitFuzzInput(const std::uint8_t* data, std::size_t size, std::size_t parts)
{
    std::vector<std::string> texts(parts);
    std::size_t part = 0;
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == 0xFF && part + 1 < parts)
            ++part;
        else
            texts[part].push_back(static_cast<char>(data[i]));
    }
    return texts;
}

std::string FuzzFilePath(std::string_view name)
{
    const char* folder = getenv("TMPDIR");
    return std::string(folder && *folder ? folder : "/tmp") + "/tavrolin-fuzz-" + std::to_string(getpid()) + "-"
        + std::string(name);
}

void WriteFuzzFile(const std::string& path, std::string_view bytes)
{
    std::ofstream stream(path, std::ios::binary | std::ios::trunc);
    stream.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string ReadFuzzFile(const std::string& path)
{
    std::ifstream stream(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(stream)), std::istreambuf_iterator<char>());
}
