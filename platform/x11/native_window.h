#pragma once

#include <charconv>
#include <optional>
#include <string_view>

// An X window id as the shell hands it around (0 names no window). Kept free of Xlib so that
// code outside this folder never includes its headers.
using NativeWindow = unsigned long;

// A window id written as the screensaver managers write it: decimal, or hex after "0x" (as in
// XSCREENSAVER_WINDOW=0x600008). The whole text must be the number, at most 32 bits; nothing
// otherwise.
inline std::optional<NativeWindow> NativeWindowFromText(std::string_view text)
{
    int base = 10;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        text.remove_prefix(2);
        base = 16;
    }
    if (text.empty() || text.front() == '+' || text.front() == '-')
        return std::nullopt;
    unsigned long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    if (error != std::errc() || end != text.data() + text.size() || value > 0xFFFFFFFFull)
        return std::nullopt;
    return static_cast<NativeWindow>(value);
}
