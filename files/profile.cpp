#include "profile.h"

#include "regular_file.h"

#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// One line as the scanner saw it; offsets count bytes from the start of the file.
struct ScannedLine {
    std::string text;           // at most ProfileLineKept bytes of the line, without its ending
    std::uint64_t start = 0;
    std::uint64_t textEnd = 0;  // past the text: where its ending starts
    std::uint64_t end = 0;      // past the ending
    bool endsWithNewline = false; // false only for a last line ending in nothing or a lone CR
};

// Reads a file line by line through a fixed buffer, so memory stays bounded whatever its size.
class LineScanner {
public:
    explicit LineScanner(int descriptor)
        : m_descriptor(descriptor)
    {
    }

    bool next(ScannedLine& line)
    {
        line.text.clear();
        line.start = m_offset;
        std::uint64_t length = 0;
        char last = 0;
        for (;;) {
            if (m_at == m_have && !fill()) {
                if (length == 0)
                    return false;
                finish(line, length, last, false);
                return true;
            }
            const char* from = m_buffer + m_at;
            const std::size_t available = m_have - m_at;
            const void* newline = std::memchr(from, '\n', available);
            const std::size_t taken = newline ? static_cast<const char*>(newline) - from : available;
            if (taken > 0) {
                const std::size_t room = ProfileLineKept - std::min<std::size_t>(line.text.size(), ProfileLineKept);
                line.text.append(from, std::min(taken, room));
                last = from[taken - 1];
                length += taken;
            }
            m_at += taken;
            m_offset += taken;
            if (newline) {
                ++m_at;
                ++m_offset;
                finish(line, length, last, true);
                return true;
            }
        }
    }

private:
    bool fill()
    {
        ssize_t got;
        do
            got = read(m_descriptor, m_buffer, sizeof m_buffer);
        while (got < 0 && errno == EINTR);
        m_at = 0;
        m_have = got > 0 ? static_cast<std::size_t>(got) : 0;
        return m_have > 0;
    }

    void finish(ScannedLine& line, std::uint64_t length, char last, bool newline)
    {
        line.textEnd = line.start + length;
        line.end = m_offset;
        line.endsWithNewline = newline;
        if (last == '\r') {
            --line.textEnd;
            if (line.text.size() == length)
                line.text.pop_back();
        }
    }

    int m_descriptor;
    char m_buffer[65536];
    std::size_t m_at = 0;
    std::size_t m_have = 0;
    std::uint64_t m_offset = 0;
};

class Descriptor {
public:
    explicit Descriptor(int descriptor)
        : value(descriptor)
    {
    }
    ~Descriptor()
    {
        // A failure's reason must outlive the cleanup.
        const int error = errno;
        if (value >= 0)
            close(value);
        errno = error;
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int value;
};

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
    bool sectionFound = false;
    ScannedLine lastEntry;              // last non-blank line of the section, its header at least
    std::optional<ScannedLine> keyLine; // the first line of the section holding the key
    std::optional<ScannedLine> lastLine; // of the whole file
};

// Finds the first section of that name and, inside it, the first line holding the key. With
// wholeFile it goes on to the last line of the file.
KeyMatch findKey(int descriptor, std::string_view section, std::string_view key, bool wholeFile)
{
    KeyMatch match;
    LineScanner scanner(descriptor);
    ScannedLine line;
    bool inSection = false;
    bool sectionOver = false;
    while (scanner.next(line)) {
        if (wholeFile)
            match.lastLine = line;
        if (sectionOver)
            continue;
        if (auto name = sectionName(line.text)) {
            if (inSection) {
                sectionOver = true;
                if (!wholeFile)
                    break;
                continue;
            }
            if (sameName(*name, section)) {
                inSection = true;
                match.sectionFound = true;
                match.lastEntry = line;
            }
            continue;
        }
        if (!inSection)
            continue;
        if (!trimmed(line.text).empty())
            match.lastEntry = line;
        const std::size_t equals = line.text.find('=');
        if (!match.keyLine && equals != std::string::npos && sameName(trimmed(std::string_view(line.text).substr(0, equals)), key)) {
            match.keyLine = line;
            if (!wholeFile)
                break;
        }
    }
    return match;
}

std::optional<std::string> readValue(std::string_view section, std::string_view key,
                                      const std::filesystem::path& file)
{
    const Descriptor descriptor(OpenRegularFile(file));
    if (descriptor.value < 0)
        return std::nullopt;
    const KeyMatch match = findKey(descriptor.value, trimmed(section), trimmed(key), false);
    if (!match.keyLine)
        return std::nullopt;
    const std::string& text = match.keyLine->text;
    return std::string(trimmed(std::string_view(text).substr(text.find('=') + 1)));
}

bool writeAll(int descriptor, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = write(descriptor, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            if (written == 0)
                errno = EIO;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// Copies the bytes from the source's current position up to `until` (or its end).
bool copyUpTo(int source, int target, std::uint64_t& position, std::uint64_t until)
{
    char buffer[65536];
    while (position < until) {
        const std::uint64_t wanted = std::min<std::uint64_t>(sizeof buffer, until - position);
        const ssize_t got = read(source, buffer, static_cast<std::size_t>(wanted));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return false;
        if (got == 0) {
            // Shorter than it was a moment ago: someone else is writing it.
            errno = EIO;
            return until == UINT64_MAX;
        }
        if (!writeAll(target, std::string_view(buffer, static_cast<std::size_t>(got))))
            return false;
        position += static_cast<std::uint64_t>(got);
    }
    return true;
}

bool skipTo(int source, std::uint64_t& position, std::uint64_t to)
{
    if (lseek(source, static_cast<off_t>(to), SEEK_SET) < 0)
        return false;
    position = to;
    return true;
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
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    const std::size_t limit = bufferSize == 0 ? 0 : bufferSize - 1;
    if (value.size() > limit)
        value.resize(limit);
    return value;
}

bool WritePrivateProfileStringA(std::string_view section, std::string_view key,
                                std::string_view value, const std::filesystem::path& file)
{
    section = trimmed(section);
    key = trimmed(key);
    // Any of these would end the entry early, read as a header, or hide the name in another one.
    const auto breaksLines = [](std::string_view text) { return text.find_first_of("\r\n") != std::string_view::npos; };
    if (breaksLines(section) || breaksLines(key) || breaksLines(value)
        || section.find(']') != std::string_view::npos || key.empty() || key.front() == '['
        || key.find('=') != std::string_view::npos) {
        errno = EINVAL;
        return false;
    }

    // An empty name would put the temporary file in the current folder.
    if (file.empty()) {
        errno = ENOENT;
        return false;
    }
    errno = 0;
    const Descriptor source(OpenRegularFile(file));
    struct stat status {};
    if (source.value < 0) {
        const int openError = errno;
        // Only a missing file is created; a folder, a FIFO or an unreadable file stays as it is.
        if (stat(file.c_str(), &status) == 0 || errno != ENOENT) {
            errno = openError != 0 ? openError : S_ISDIR(status.st_mode) ? EISDIR : EINVAL;
            return false;
        }
    } else {
        // A read-only file stays as it is, as it would for an in-place write.
        if (fstat(source.value, &status) != 0)
            return false;
        if ((status.st_mode & S_IWUSR) == 0) {
            errno = EACCES;
            return false;
        }
    }

    std::string entry(key);
    entry += '=';
    entry.append(value);
    entry += "\r\n";
    KeyMatch match;
    if (source.value >= 0) {
        match = findKey(source.value, section, key, true);
        if (lseek(source.value, 0, SEEK_SET) < 0)
            return false;
    }

    std::filesystem::path parent = file.parent_path();
    if (parent.empty())
        parent = ".";
    const std::string temporaryName = (parent / (file.filename().string() + ".tmp" + std::to_string(getpid()))).string();
    const Descriptor target(open(temporaryName.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW,
                                 source.value >= 0 ? 0600 : 0666));
    if (target.value < 0)
        return false;
    const auto fail = [&] {
        const int error = errno;
        unlink(temporaryName.c_str());
        errno = error;
        return false;
    };
    // The replacement keeps the old file's mode, and its group where this user may give it (a
    // group the user is not in gives EPERM). Where the file system keeps no modes there is nothing
    // to keep.
    if (source.value >= 0) {
        (void)!fchown(target.value, static_cast<uid_t>(-1), status.st_gid);
        (void)!fchmod(target.value, status.st_mode & 07777);
    }

    std::uint64_t position = 0;
    bool written = true;
    const auto copy = [&](std::uint64_t until) { written = written && copyUpTo(source.value, target.value, position, until); };
    const auto skip = [&](std::uint64_t to) { written = written && skipTo(source.value, position, to); };
    const auto put = [&](std::string_view bytes) { written = written && writeAll(target.value, bytes); };
    // A last line without a line feed (a lone CR included) gets a full CRLF before anything follows.
    const auto endLine = [&](const ScannedLine& line) {
        copy(line.textEnd);
        skip(line.end);
        put("\r\n");
    };

    if (match.keyLine) {
        copy(match.keyLine->start);
        put(entry.substr(0, entry.size() - 2));
        skip(match.keyLine->textEnd);
    } else if (match.sectionFound) {
        if (match.lastEntry.endsWithNewline)
            copy(match.lastEntry.end);
        else
            endLine(match.lastEntry);
        put(entry);
    } else {
        if (match.lastLine && !match.lastLine->endsWithNewline)
            endLine(*match.lastLine);
        else if (source.value >= 0)
            copy(UINT64_MAX);
        std::string header(1, '[');
        header.append(section);
        header += "]\r\n";
        put(header);
        put(entry);
    }
    if (source.value >= 0)
        copy(UINT64_MAX);
    if (!written || fsync(target.value) != 0)
        return fail();
    if (std::rename(temporaryName.c_str(), file.c_str()) != 0)
        return fail();
    return true;
}
