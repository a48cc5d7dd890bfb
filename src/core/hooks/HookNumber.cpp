#include "hooks/HookNumber.h"

#include <limits>

namespace plorik {

namespace {

int digitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'z')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'Z')
        return c - 'A' + 10;
    return 99;
}

bool isCBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

} // namespace

std::optional<std::int32_t> readHookNumber(std::string_view text)
{
    std::size_t at = 0;
    while (at < text.size() && isCBlank(text[at]))
        ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-'))
        negative = text[at++] == '-';
    int base = 10;
    if (at < text.size() && text[at] == '0') {
        base = 8;
        if (at + 2 < text.size() && (text[at + 1] == 'x' || text[at + 1] == 'X') && digitValue(text[at + 2]) < 16) {
            base = 16;
            at += 2;
        }
    }
    std::int64_t magnitude = 0;
    bool digits = false;
    bool tooLarge = false;
    for (; at < text.size() && digitValue(text[at]) < base; ++at) {
        digits = true;
        magnitude = magnitude * base + digitValue(text[at]);
        if (magnitude > std::int64_t{std::numeric_limits<std::uint32_t>::max()} + 1) {
            tooLarge = true;
            magnitude = std::int64_t{std::numeric_limits<std::uint32_t>::max()} + 1;
        }
    }
    if (!digits)
        return std::nullopt;
    const std::int64_t value = negative ? -magnitude : magnitude;
    if (tooLarge || value > std::numeric_limits<std::int32_t>::max() ||
        value < std::numeric_limits<std::int32_t>::min())
        return std::nullopt;
    return static_cast<std::int32_t>(value);
}

} // namespace plorik
