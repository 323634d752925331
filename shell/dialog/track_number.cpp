#include "track_number.h"

#include "shell/number_text.h"

#include <cmath>
#include <limits>

std::string TrackText(int track)
{
    return track == 0 ? std::string() : std::to_string(track);
}

std::int16_t TrackNumberOfText(std::string_view text)
{
    const std::optional<double> number = NumberOfText(text);
    if (!number)
        return 0;
    double whole = std::round(*number);
    if (std::abs(*number - std::trunc(*number)) == 0.5 && std::fmod(whole, 2.0) != 0)
        whole -= std::copysign(1.0, *number);
    if (whole < std::numeric_limits<std::int16_t>::min() || whole > std::numeric_limits<std::int16_t>::max())
        return 0;
    return static_cast<std::int16_t>(whole);
}
