#include "hooks/HookSection.h"

#include <algorithm>

namespace plorik {

namespace {

char lowerAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool isHookBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v';
}

} // namespace

bool equalNoCase(std::string_view a, std::string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return lowerAscii(x) == lowerAscii(y); });
}

std::string_view trimHookText(std::string_view text)
{
    while (!text.empty() && isHookBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isHookBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::optional<HookValue> HookSection::find(std::string_view key) const
{
    for (const HookLine& line : lines) {
        const std::size_t equals = line.text.find('=');
        if (equals == std::string::npos)
            continue;
        const std::string_view name = trimHookText(std::string_view(line.text).substr(0, equals));
        if (!name.empty() && equalNoCase(name, key))
            return HookValue{line.number, std::string(trimHookText(std::string_view(line.text).substr(equals + 1)))};
    }
    return std::nullopt;
}

} // namespace plorik
