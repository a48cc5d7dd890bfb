#include "text/NumberRule.h"

#include <charconv>
#include <cmath>
#include <string>
#include <system_error>

namespace plorik {

namespace {

int digitValue(char c, bool hex)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (hex && c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (hex && c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace

std::int32_t readNumber(std::string_view text)
{
    std::size_t pos = 0;
    while (pos < text.size() && text[pos] == ' ')
        ++pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    bool hex = false;
    if (pos < text.size() && (text[pos] == '$' || text[pos] == 'x' || text[pos] == 'X')) {
        hex = true;
        ++pos;
    } else if (pos + 1 < text.size() && text[pos] == '0' && (text[pos + 1] == 'x' || text[pos + 1] == 'X')) {
        hex = true;
        pos += 2;
    }
    const std::uint32_t base = hex ? 16 : 10;
    std::uint32_t value = 0; // unsigned arithmetic wraps without undefined behaviour
    std::size_t digits = 0;
    while (pos < text.size()) {
        const int d = digitValue(text[pos], hex);
        if (d < 0)
            break;
        value = value * base + static_cast<std::uint32_t>(d);
        ++digits;
        ++pos;
    }
    if (digits == 0)
        return 0;
    const bool wholeText = pos == text.size();
    if (negative && wholeText)
        value = 0u - value;
    return static_cast<std::int32_t>(value);
}

double readFloat(std::string_view text)
{
    std::string copy(text);
    std::size_t start = 0;
    while (start < copy.size() && copy[start] == ' ')
        ++start;
    std::size_t end = copy.size();
    while (end > start && copy[end - 1] == ' ')
        --end;
    if (start == end)
        return 0.0;
    const std::string trimmed = copy.substr(start, end - start);
    // Only plain decimal notation counts: no hexadecimal floats, infinities or NaNs.
    for (char c : trimmed) {
        const bool allowed = (c >= '0' && c <= '9') || c == '.' || c == '-' || c == '+' || c == 'e' || c == 'E';
        if (!allowed)
            return 0.0;
    }
    // from_chars ignores the locale, which the window toolkit may have changed.
    const char* first = trimmed.data();
    const char* last = trimmed.data() + trimmed.size();
    if (*first == '+')
        ++first;
    double value = 0.0;
    const auto [parsedEnd, error] = std::from_chars(first, last, value, std::chars_format::general);
    if (error != std::errc() || parsedEnd != last || !std::isfinite(value))
        return 0.0;
    return value;
}

std::int32_t readLeadingNumber(std::string_view text)
{
    return readNumber(text.substr(0, 3));
}

} // namespace plorik
