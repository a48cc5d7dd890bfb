#include "gamefiles/SpecDesc.h"

#include "text/GameTextLine.h"
#include "text/LineReader.h"

namespace plorik {

namespace {

// The text after the line's second "!".
std::string afterTag(const std::string& line)
{
    const std::size_t first = line.find('!');
    const std::size_t second = first == std::string::npos ? std::string::npos : line.find('!', first + 1);
    return second == std::string::npos ? std::string() : line.substr(second + 1);
}

bool readFourMore(LineReader& reader, DescriptionRecord& record)
{
    for (std::size_t i = 1; i < record.size(); ++i) {
        if (reader.atEnd())
            return false;
        record[i] = gameTextLine(reader.readLine());
    }
    return true;
}

} // namespace

std::string speciesKeyOf(const std::string& line)
{
    const std::size_t first = line.find('_');
    if (first == std::string::npos)
        return {};
    const std::size_t second = line.find('_', first + 1);
    return second == std::string::npos ? line.substr(first + 1) : line.substr(first + 1, second - first - 1);
}

std::optional<DescriptionRecord> readKeyedDescription(const std::filesystem::path& file, const std::string& species)
{
    LineReader reader(file);
    while (!reader.atEnd()) {
        const std::string line = reader.readLine();
        if (line.empty() || line.front() != '!' || speciesKeyOf(line) != species)
            continue;
        // A record whose first line is the file's last one counts as missing.
        if (reader.atEnd())
            return std::nullopt;
        DescriptionRecord record;
        record[0] = afterTag(line);
        if (!readFourMore(reader, record))
            return std::nullopt;
        return record;
    }
    return std::nullopt;
}

std::optional<DescriptionRecord> readPositionalDescription(const std::filesystem::path& file, std::int64_t record)
{
    LineReader reader(file);
    const std::int64_t firstLine = record * 5; // counted lines before the record
    std::int64_t counted = 0;
    while (!reader.atEnd()) {
        const std::string line = reader.readLine();
        if (!line.empty() && line.front() == '/')
            continue;
        if (counted++ < firstLine)
            continue;
        DescriptionRecord result;
        // A tag is removed only when the line has both of its "!".
        result[0] = line;
        if (!line.empty() && line.front() == '!' && line.find('!', 1) != std::string::npos)
            result[0] = gameTextLine(line);
        if (!readFourMore(reader, result))
            return std::nullopt;
        return result;
    }
    return std::nullopt;
}

std::int64_t displayedDescriptionRecord(std::int32_t slotIndex)
{
    if (slotIndex < 69)
        return slotIndex;
    if (slotIndex == 71)
        return 77;
    if (slotIndex == 72)
        return 91;
    return std::int64_t{slotIndex} + 20;
}

} // namespace plorik
