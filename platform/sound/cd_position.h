#pragma once

#include "cd_toc.h"
#include "mci_error.h"

#include <string>
#include <string_view>
#include <variant>

// How positions on an audio disc are written in commands and replies.
enum class CdTimeFormat {
    Milliseconds, // from the start of the disc; the format of a freshly opened device
    Tmsf,         // track:minutes:seconds:frames, the last three from the track's start
};

// The sector a position names on the disc, or the error for a text that is no position there:
// MCIERR_BAD_INTEGER when it is not numbers in the format, MCIERR_OUTOFRANGE when it lies off
// the disc. Tmsf accepts "T", "T:M", "T:M:S" and "T:M:S:F" (seconds below 60, frames below 75).
std::variant<int, MCIERROR> ParseCdPosition(std::string_view text, CdTimeFormat format, const CdToc& toc);

// A sector written in the format; Tmsf gives two digits a field ("03:00:00:00").
std::string FormatCdPosition(int sector, CdTimeFormat format, const CdToc& toc);
