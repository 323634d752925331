// Any settings file and any names: the reads end, stay inside the buffer and never crash.
#include "fuzz_input.h"
#include "files/profile.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const std::string file = FuzzFilePath("read.ini");
    const std::vector<std::string> parts = SplitFuzzInput(data, size, 4);
    WriteFuzzFile(file, parts[0]);
    const std::size_t bufferSize = parts[3].empty() ? 256 : static_cast<unsigned char>(parts[3][0]);
    for (const auto& [section, key] : {std::pair<std::string, std::string>{parts[1], parts[2]}, {"Section", "Scale"}}) {
        const std::string value = GetPrivateProfileStringA(section, key, "default", bufferSize, file);
        if (value.size() + 1 > std::max<std::size_t>(bufferSize, 1))
            std::abort();
        GetPrivateProfileIntA(section, key, 5, file);
    }
    return 0;
}
