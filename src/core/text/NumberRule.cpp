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

// The digits of the number rule: wrapped as unsigned 64-bit arithmetic does (so the low 32 bits are
// the number's own), or held at `limit` once they pass it (0: no limit).
struct ReadDigits {
    std::uint64_t value = 0;
    std::size_t digits = 0;
    bool negative = false; // a sign applies: the whole text is the number
};

ReadDigits readDigits(std::string_view text, std::uint64_t limit)
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
    const std::uint64_t base = hex ? 16 : 10;
    ReadDigits read;
    while (pos < text.size()) {
        const int d = digitValue(text[pos], hex);
        if (d < 0)
            break;
        const auto digit = static_cast<std::uint64_t>(d);
        if (limit != 0 && read.value > (limit - digit) / base)
            read.value = limit;
        else
            read.value = read.value * base + digit;
        ++read.digits;
        ++pos;
    }
    read.negative = negative && pos == text.size();
    return read;
}

} // namespace

std::int32_t readNumber(std::string_view text)
{
    const ReadDigits read = readDigits(text, 0);
    if (read.digits == 0)
        return 0;
    auto value = static_cast<std::uint32_t>(read.value);
    if (read.negative)
        value = 0u - value;
    return static_cast<std::int32_t>(value);
}

std::int64_t readWideNumber(std::string_view text)
{
    const ReadDigits read = readDigits(text, std::uint64_t{1} << 62);
    const auto value = static_cast<std::int64_t>(read.value);
    return read.negative ? -value : value;
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
