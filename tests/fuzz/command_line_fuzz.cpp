// Any arguments: the switches are read without a crash, and the mode letter is the second
// character of the command text, upper-cased.
#include "fuzz_input.h"
#include "shell/command_line.h"

#include <cctype>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::vector<std::string> arguments = SplitFuzzInput(data, size, 6);
    arguments.insert(arguments.begin(), "Tavrolin.scr");
    std::vector<const char*> argv;
    for (const std::string& argument : arguments)
        argv.push_back(argument.c_str());
    argv.push_back(nullptr);
    const std::string text = CommandText(static_cast<int>(arguments.size()), argv.data());
    const char letter = ModeLetter(text);
    const char expected = text.size() < 2 ? '\0' : static_cast<char>(std::toupper(static_cast<unsigned char>(text[1])));
    if (letter != expected)
        std::abort();
    PreviewParentHandle(text);
    PreviewParentHandle(std::string_view(reinterpret_cast<const char*>(data), size));
    return 0;
}
