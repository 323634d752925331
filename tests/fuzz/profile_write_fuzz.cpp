// Any settings file and any section, key and value: a refused write changes no byte; a write
// that succeeds changes only its own entry, and no name or value makes or hides another one.
#include "fuzz_input.h"
#include "files/profile.h"

#include <cstdlib>
#include <map>
#include <set>

namespace {

using Entries = std::map<std::pair<std::string, std::string>, std::string>;

std::string trimmed(std::string_view text)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return std::string(text);
}

std::string name(std::string_view text)
{
    std::string lower = trimmed(text);
    for (char& c : lower) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return lower;
}

// Every entry a reader can see: the first key of the first section of each name.
Entries visibleEntries(const std::string& bytes)
{
    Entries entries;
    std::set<std::string> sections;
    std::string current;
    bool active = false;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find('\n', start);
        if (end == std::string::npos)
            end = bytes.size();
        std::string line = bytes.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        const std::string text = trimmed(line);
        const std::size_t close = text.find(']');
        if (!text.empty() && text.front() == '[' && close != std::string::npos) {
            current = name(text.substr(1, close - 1));
            active = sections.insert(current).second;
            continue;
        }
        const std::size_t equals = line.find('=');
        if (active && equals != std::string::npos)
            entries.try_emplace({current, name(line.substr(0, equals))}, trimmed(line.substr(equals + 1)));
    }
    return entries;
}

std::string unquoted(std::string value)
{
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const std::string file = FuzzFilePath("write.ini");
    const std::vector<std::string> parts = SplitFuzzInput(data, size, 4);
    const std::string& section = parts[1];
    const std::string& key = parts[2];
    const std::string& value = parts[3];
    WriteFuzzFile(file, parts[0]);
    const Entries before = visibleEntries(parts[0]);

    if (!WritePrivateProfileStringA(section, key, value, file)) {
        if (ReadFuzzFile(file) != parts[0])
            std::abort();
        return 0;
    }
    const Entries after = visibleEntries(ReadFuzzFile(file));
    const std::pair<std::string, std::string> written {name(section), name(key)};
    for (const auto& [entry, text] : before) {
        if (entry != written && (!after.count(entry) || after.at(entry) != text))
            std::abort();
    }
    for (const auto& [entry, text] : after) {
        if (entry != written && !before.count(entry))
            std::abort();
    }
    if (!after.count(written) || after.at(written) != trimmed(value))
        std::abort();
    if (GetPrivateProfileStringA(section, key, "", value.size() + 1, file) != unquoted(trimmed(value)))
        std::abort();
    return 0;
}
