#include "number_text.h"

#include <charconv>
#include <cmath>
#include <string>

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Reads the longest number at the front of `text` into a form std::from_chars takes; returns
// how many characters it used (0 when there are no digits).
std::size_t scanNumber(std::string_view text, std::string& number)
{
    std::size_t at = 0;
    number.clear();
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
        if (text[at] == '-')
            number += '-';
        ++at;
    }
    bool anyDigit = false;
    while (at < text.size() && isDigit(text[at])) {
        number += text[at++];
        anyDigit = true;
    }
    if (at < text.size() && text[at] == '.') {
        std::size_t fractionEnd = at + 1;
        std::string fraction;
        while (fractionEnd < text.size() && isDigit(text[fractionEnd]))
            fraction += text[fractionEnd++];
        if (anyDigit || !fraction.empty()) {
            number += '.';
            number += fraction;
            anyDigit = true;
            at = fractionEnd;
        }
    }
    if (!anyDigit)
        return 0;
    if (at < text.size() && (text[at] == 'e' || text[at] == 'E' || text[at] == 'd' || text[at] == 'D')) {
        std::size_t exponentEnd = at + 1;
        std::string exponent = "e";
        if (exponentEnd < text.size() && (text[exponentEnd] == '+' || text[exponentEnd] == '-'))
            exponent += text[exponentEnd++];
        const std::size_t digitsStart = exponentEnd;
        while (exponentEnd < text.size() && isDigit(text[exponentEnd]))
            exponent += text[exponentEnd++];
        if (exponentEnd > digitsStart) {
            number += exponent;
            at = exponentEnd;
        }
    }
    return at;
}

std::optional<double> convert(const std::string& number)
{
    double value = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (error != std::errc() || end != number.data() + number.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

}

std::optional<double> NumberOfText(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    std::string number;
    const std::size_t used = scanNumber(text, number);
    if (used == 0 || used != text.size())
        return std::nullopt;
    return convert(number);
}

double LeadingNumber(std::string_view text)
{
    std::string compact;
    for (const char c : text)
        if (!isBlank(c))
            compact += c;
    std::string number;
    if (scanNumber(compact, number) == 0)
        return 0;
    return convert(number).value_or(0);
}
