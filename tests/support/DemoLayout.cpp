#include "DemoLayout.h"

#include <cctype>
#include <stdexcept>

namespace plorik::testing {

namespace {

std::string upper(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

std::int64_t parse(const std::string& text)
{
    if (!text.empty() && text.front() == '$')
        return std::stoll(text.substr(1), nullptr, 16);
    return std::stoll(text);
}

} // namespace

DemoLayout::DemoLayout(const VersionEntry& entry)
{
    for (const auto& [name, value] : entry.keys)
        m_values[upper(name)] = value;
}

const std::string* DemoLayout::text(const std::string& key) const
{
    const auto found = m_values.find(key);
    return found == m_values.end() ? nullptr : &found->second;
}

bool DemoLayout::has(const std::string& key) const
{
    const std::string* found = text(key);
    if (!found)
        return false;
    if (key.rfind("UNKNOWN", 0) == 0)
        return true;
    const std::int64_t number = parse(*found);
    return number != -1 && number != 1000;
}

std::int64_t DemoLayout::value(const std::string& key) const
{
    if (!has(key))
        throw std::out_of_range("the demo entry has no " + key);
    return parse(*text(key));
}

std::int64_t DemoLayout::valueOr(const std::string& key, std::int64_t fallback) const
{
    return has(key) ? value(key) : fallback;
}

} // namespace plorik::testing
