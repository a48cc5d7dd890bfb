#include "EntryFields.h"

#include "DemoLayout.h"

namespace plorik::testing {

EntryFields::EntryFields(const GameBuilder& builder, std::int32_t slot)
    : m_builder(builder), m_bytes(builder.craftEntry(slot))
{
}

std::int64_t EntryFields::position(const std::string& key, std::int64_t offset) const
{
    return DemoLayout(m_builder.entry()).value(key) + offset;
}

std::uint32_t EntryFields::byteAt(std::int64_t position) const
{
    return m_bytes.at(static_cast<std::size_t>(position));
}

std::uint32_t EntryFields::byte(const std::string& key, std::int64_t offset) const
{
    return byteAt(position(key, offset));
}

std::uint32_t EntryFields::word(const std::string& key, std::int64_t offset) const
{
    const std::int64_t at = position(key, offset);
    return byteAt(at) | byteAt(at + 1) << 8;
}

std::int32_t EntryFields::signedWord(const std::string& key, std::int64_t offset) const
{
    return static_cast<std::int16_t>(word(key, offset));
}

std::uint32_t EntryFields::longWord(const std::string& key, std::int64_t offset) const
{
    return word(key, offset) | word(key, offset + 2) << 16;
}

std::string EntryFields::text(const std::string& key) const
{
    std::string text;
    for (std::int64_t at = position(key); at < static_cast<std::int64_t>(m_bytes.size()) && byteAt(at) != 0; ++at)
        text.push_back(static_cast<char>(byteAt(at)));
    return text;
}

std::vector<std::uint8_t> fileBytes(const std::filesystem::path& path, std::int64_t offset, std::size_t count)
{
    const std::string content = readFile(path);
    const auto start = static_cast<std::size_t>(offset);
    std::vector<std::uint8_t> bytes;
    for (std::size_t i = start; i < start + count && i < content.size(); ++i)
        bytes.push_back(static_cast<std::uint8_t>(content[i]));
    return bytes;
}

std::vector<std::string> fileLines(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

} // namespace plorik::testing
