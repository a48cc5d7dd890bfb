#include "gamefiles/ShipList.h"

#include "text/LineReader.h"

namespace plorik {

namespace {

constexpr std::size_t kMaxSeparator = 10;

// Takes the text up to the next "," (or the end) and moves past the comma.
std::string nextField(const std::string& text, std::size_t& pos)
{
    if (pos > text.size())
        return {};
    std::size_t comma = text.find(',', pos);
    if (comma == std::string::npos)
        comma = text.size();
    std::string field = text.substr(pos, comma - pos);
    pos = comma + 1;
    return field;
}

} // namespace

std::optional<SpeciesLine> parseSpeciesLine(const std::string& line)
{
    if (line.empty() || line.front() != '!')
        return std::nullopt;
    SpeciesLine species;
    const std::size_t underscore = line.find('_', 1);
    const std::size_t mark = underscore == std::string::npos ? std::string::npos : line.find('!', underscore + 1);
    if (mark != std::string::npos)
        species.number = line.substr(underscore + 1, mark - underscore - 1);
    const std::size_t closing = mark != std::string::npos ? mark : line.find('!', 1);
    const std::string rest = closing == std::string::npos ? std::string() : line.substr(closing + 1);
    std::size_t pos = 0;
    species.name = nextField(rest, pos);
    species.category = nextField(rest, pos);
    species.playMode = nextField(rest, pos);
    species.known = nextField(rest, pos);
    // The skirmish field ends at the comma that starts the separator.
    const std::size_t comma = pos <= rest.size() ? rest.find(',', pos) : std::string::npos;
    if (comma == std::string::npos) {
        species.skirmish = pos <= rest.size() ? rest.substr(pos) : std::string();
        return species;
    }
    species.skirmish = rest.substr(pos, comma - pos);
    std::size_t end = comma + 1;
    while (end < rest.size() && end - comma < kMaxSeparator && (rest[end] == '\t' || rest[end] == ' '))
        ++end;
    species.separator = rest.substr(comma, end - comma);
    species.iconString = rest.substr(end);
    return species;
}

std::vector<SpeciesLine> readSpeciesLines(const std::filesystem::path& shipList)
{
    std::vector<SpeciesLine> lines;
    LineReader reader(shipList);
    while (!reader.atEnd()) {
        if (auto species = parseSpeciesLine(reader.readLine()))
            lines.push_back(std::move(*species));
    }
    return lines;
}

} // namespace plorik
