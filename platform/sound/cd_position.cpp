#include "cd_position.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <vector>

namespace {

constexpr int SectorsPerSecond = 75;

// The colon-separated fields of the text as numbers; empty when any field is not one.
std::vector<long long> NumberFields(std::string_view text)
{
    std::vector<long long> fields;
    std::size_t at = 0;
    while (true) {
        const std::size_t colon = text.find(':', at);
        const std::string_view field = text.substr(at, colon == std::string_view::npos ? std::string_view::npos : colon - at);
        long long value = 0;
        const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
        if (field.empty() || error != std::errc() || end != field.data() + field.size() || value < 0)
            return {};
        fields.push_back(value);
        if (colon == std::string_view::npos)
            return fields;
        at = colon + 1;
    }
}

}

std::variant<int, MCIERROR> ParseCdPosition(std::string_view text, CdTimeFormat format, const CdToc& toc)
{
    const std::vector<long long> fields = NumberFields(text);
    if (fields.empty())
        return MCIERR_BAD_INTEGER;
    long long sector = 0;
    if (format == CdTimeFormat::Milliseconds) {
        if (fields.size() != 1)
            return MCIERR_BAD_INTEGER;
        // Far beyond any disc, and small enough to multiply safely.
        if (fields[0] > 1'000'000'000'000LL)
            return MCIERR_OUTOFRANGE;
        sector = fields[0] * SectorsPerSecond / 1000;
    } else {
        if (fields.size() > 4 || fields[0] > 99)
            return MCIERR_BAD_INTEGER;
        const long long minutes = fields.size() > 1 ? fields[1] : 0;
        const long long seconds = fields.size() > 2 ? fields[2] : 0;
        const long long frames = fields.size() > 3 ? fields[3] : 0;
        if (minutes > 99 || seconds >= 60 || frames >= SectorsPerSecond)
            return MCIERR_BAD_INTEGER;
        const std::optional<int> start = toc.startOf(static_cast<int>(fields[0]));
        if (!start)
            return MCIERR_OUTOFRANGE;
        sector = *start + (minutes * 60 + seconds) * SectorsPerSecond + frames;
    }
    if (sector >= toc.leadOutSector)
        return MCIERR_OUTOFRANGE;
    return static_cast<int>(sector);
}

std::string FormatCdPosition(int sector, CdTimeFormat format, const CdToc& toc)
{
    if (format == CdTimeFormat::Milliseconds)
        return std::to_string(static_cast<long long>(sector) * 1000 / SectorsPerSecond);
    const int track = toc.trackAt(sector);
    const int offset = std::max(0, sector - toc.startOf(track).value_or(0));
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d:%02d", track, offset / SectorsPerSecond / 60,
                  offset / SectorsPerSecond % 60, offset % SectorsPerSecond);
    return text;
}
