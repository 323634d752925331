#include "profile.h"

#include <climits>
#include <cstdio>
#include <fstream>
#include <optional>
#include <sstream>
#include <unistd.h>
#include <vector>

namespace {

struct ProfileLine {
    std::string text;   // without its line ending
    std::string ending; // "\r\n", "\n" or "" for a last line without one
};

std::vector<ProfileLine> readLines(const std::filesystem::path& file, bool& found)
{
    std::vector<ProfileLine> lines;
    std::ifstream stream(file, std::ios::binary);
    found = stream.is_open();
    if (!found)
        return lines;
    std::ostringstream contents;
    contents << stream.rdbuf();
    const std::string all = contents.str();
    std::size_t start = 0;
    while (start < all.size()) {
        std::size_t end = all.find('\n', start);
        ProfileLine line;
        if (end == std::string::npos) {
            line.text.assign(all.data() + start, all.size() - start);
            start = all.size();
        } else {
            line.text.assign(all.data() + start, end - start);
            line.ending.assign(1, '\n');
            start = end + 1;
        }
        if (!line.text.empty() && line.text.back() == '\r') {
            line.text.pop_back();
            line.ending.insert(0, 1, '\r');
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

std::string_view trimmed(std::string_view text)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

bool sameName(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        unsigned char x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z')
            x += 'a' - 'A';
        if (y >= 'A' && y <= 'Z')
            y += 'a' - 'A';
        if (x != y)
            return false;
    }
    return true;
}

// The name inside "[name]", or nothing when the line is not a section header.
std::optional<std::string_view> sectionName(std::string_view line)
{
    line = trimmed(line);
    if (line.empty() || line.front() != '[')
        return std::nullopt;
    const std::size_t close = line.find(']');
    if (close == std::string_view::npos)
        return std::nullopt;
    return trimmed(line.substr(1, close - 1));
}

struct KeyMatch {
    std::size_t sectionLine = 0;  // index of the section header
    std::size_t lastEntryLine = 0; // last non-blank line of the section
    std::optional<std::size_t> keyLine;
};

// Finds the first section of that name and, inside it, the first line holding the key.
std::optional<KeyMatch> findKey(const std::vector<ProfileLine>& lines, std::string_view section,
                                std::string_view key)
{
    std::optional<KeyMatch> match;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string_view text = lines[i].text;
        if (auto name = sectionName(text)) {
            if (match)
                break;
            if (sameName(*name, section))
                match = KeyMatch{i, i, std::nullopt};
            continue;
        }
        if (!match)
            continue;
        if (!trimmed(text).empty())
            match->lastEntryLine = i;
        const std::size_t equals = text.find('=');
        if (!match->keyLine && equals != std::string_view::npos
            && sameName(trimmed(text.substr(0, equals)), key))
            match->keyLine = i;
    }
    return match;
}

std::optional<std::string> readValue(std::string_view section, std::string_view key,
                                      const std::filesystem::path& file)
{
    bool found = false;
    const std::vector<ProfileLine> lines = readLines(file, found);
    const std::optional<KeyMatch> match = findKey(lines, section, key);
    if (!match || !match->keyLine)
        return std::nullopt;
    const std::string& text = lines[*match->keyLine].text;
    return std::string(trimmed(std::string_view(text).substr(text.find('=') + 1)));
}

}

int GetPrivateProfileIntA(std::string_view section, std::string_view key, int defaultValue,
                          const std::filesystem::path& file)
{
    const std::optional<std::string> value = readValue(section, key, file);
    if (!value)
        return defaultValue;
    std::string_view text = *value;
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    long long number = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            break;
        number = number * 10 + (c - '0');
        if (number > static_cast<long long>(INT_MAX) + 1)
            number = static_cast<long long>(INT_MAX) + 1;
    }
    if (negative)
        number = -number;
    if (number > INT_MAX)
        number = INT_MAX;
    return static_cast<int>(number);
}

std::string GetPrivateProfileStringA(std::string_view section, std::string_view key,
                                     std::string_view defaultValue, std::size_t bufferSize,
                                     const std::filesystem::path& file)
{
    std::string value = readValue(section, key, file).value_or(std::string(defaultValue));
    const std::size_t limit = bufferSize == 0 ? 0 : bufferSize - 1;
    if (value.size() > limit)
        value.resize(limit);
    return value;
}

bool WritePrivateProfileStringA(std::string_view section, std::string_view key,
                                std::string_view value, const std::filesystem::path& file)
{
    // A line break would end the entry early and let the rest read as lines of its own.
    const auto breaksLines = [](std::string_view text) { return text.find_first_of("\r\n", 0) != std::string_view::npos; };
    if (breaksLines(section) || breaksLines(key) || breaksLines(value))
        return false;

    bool found = false;
    std::vector<ProfileLine> lines = readLines(file, found);
    std::error_code statusError;
    const auto status = std::filesystem::status(file, statusError);
    if (std::filesystem::exists(status)) {
        // A read-only or unreadable file stays as it is, as it would for an in-place write.
        if (!found || (status.permissions() & std::filesystem::perms::owner_write) == std::filesystem::perms::none)
            return false;
    }

    const std::string entry = std::string(key) + "=" + std::string(value);
    const std::optional<KeyMatch> match = findKey(lines, section, key);
    if (match && match->keyLine) {
        lines[*match->keyLine].text = entry;
    } else {
        std::size_t insertAt = lines.size();
        std::vector<ProfileLine> added;
        if (match) {
            insertAt = match->lastEntryLine + 1;
        } else {
            std::string header(1, '[');
            header.append(section);
            header.push_back(']');
            added.push_back({std::move(header), "\r\n"});
        }
        added.push_back({entry, "\r\n"});
        if (insertAt > 0 && lines[insertAt - 1].ending.empty())
            lines[insertAt - 1].ending = "\r\n";
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(insertAt), added.begin(), added.end());
    }

    std::filesystem::path temporary = file;
    temporary += ".tmp" + std::to_string(getpid());
    {
        std::ofstream stream(temporary, std::ios::binary | std::ios::trunc);
        if (!stream)
            return false;
        for (const ProfileLine& line : lines)
            stream << line.text << line.ending;
        stream.flush();
        if (!stream) {
            stream.close();
            std::remove(temporary.c_str());
            return false;
        }
    }
    std::error_code error;
    std::filesystem::rename(temporary, file, error);
    if (error) {
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}
