#include "mci_words.h"

#include <algorithm>

namespace {

bool IsBlank(char character)
{
    return character == ' ' || character == '\t';
}

char LowerAscii(char character)
{
    return character >= 'A' && character <= 'Z' ? static_cast<char>(character - 'A' + 'a') : character;
}

}

std::optional<std::vector<std::string>> SplitMciWords(std::string_view command)
{
    std::vector<std::string> words;
    std::size_t at = 0;
    while (at < command.size()) {
        if (IsBlank(command[at])) {
            ++at;
            continue;
        }
        if (command[at] == '"') {
            const std::size_t close = command.find('"', at + 1);
            if (close == std::string_view::npos)
                return std::nullopt;
            words.emplace_back(command.substr(at + 1, close - at - 1));
            at = close + 1;
            continue;
        }
        const std::size_t end = std::find_if(command.begin() + at, command.end(), IsBlank) - command.begin();
        words.emplace_back(command.substr(at, end - at));
        at = end;
    }
    return words;
}

bool SameMciWord(std::string_view left, std::string_view right)
{
    return left.size() == right.size()
        && std::equal(left.begin(), left.end(), right.begin(),
                      [](char a, char b) { return LowerAscii(a) == LowerAscii(b); });
}
