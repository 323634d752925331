#pragma once

#include <cstdint>
#include <string_view>

// Result codes of the command-string layer (mci.h), numbered as on the system the player was
// written for, so that a code the player reports ("Error:275") means the same thing there.
using MCIERROR = std::uint32_t;

inline constexpr MCIERROR MciNoError = 0;
inline constexpr MCIERROR MCIERR_UNRECOGNIZED_KEYWORD = 259;
inline constexpr MCIERROR MCIERR_UNRECOGNIZED_COMMAND = 261;
inline constexpr MCIERROR MCIERR_HARDWARE = 262;
inline constexpr MCIERROR MCIERR_INVALID_DEVICE_NAME = 263;
inline constexpr MCIERROR MCIERR_DEVICE_OPEN = 265;
inline constexpr MCIERROR MCIERR_MISSING_COMMAND_STRING = 267;
inline constexpr MCIERROR MCIERR_PARAM_OVERFLOW = 268;
inline constexpr MCIERROR MCIERR_BAD_INTEGER = 270;
inline constexpr MCIERROR MCIERR_MISSING_PARAMETER = 273;
inline constexpr MCIERROR MCIERR_UNSUPPORTED_FUNCTION = 274;
inline constexpr MCIERROR MCIERR_FILE_NOT_FOUND = 275;
inline constexpr MCIERROR MCIERR_DEVICE_NOT_READY = 276;
inline constexpr MCIERROR MCIERR_OUTOFRANGE = 282;
inline constexpr MCIERROR MCIERR_DEVICE_TYPE_REQUIRED = 287;
inline constexpr MCIERROR MCIERR_DUPLICATE_ALIAS = 289;
inline constexpr MCIERROR MCIERR_BAD_TIME_FORMAT = 293;
inline constexpr MCIERROR MCIERR_NO_CLOSING_QUOTE = 294;
inline constexpr MCIERROR MCIERR_INVALID_FILE = 296;
inline constexpr MCIERROR MCIERR_DEVICE_NOT_INSTALLED = 306;

// The description of a code the layer returns; empty for 0 and for codes it never returns.
std::string_view MciErrorText(MCIERROR code);
