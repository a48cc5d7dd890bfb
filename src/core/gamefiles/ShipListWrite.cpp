#include "gamefiles/ShipListWrite.h"

#include "gamefiles/TextRewrite.h"
#include "text/NumberRule.h"

namespace plorik {

namespace {

std::optional<std::int32_t> lastMatching(const std::filesystem::path& shipList, bool (*matches)(const std::string&))
{
    std::optional<std::string> last;
    LineReader reader(shipList);
    while (!reader.atEnd()) {
        std::string line = reader.readLine();
        if (matches(line))
            last = std::move(line);
    }
    if (!last)
        return std::nullopt;
    const auto species = parseSpeciesLine(*last);
    return readNumber(species ? species->number : std::string());
}

} // namespace

std::optional<std::int32_t> lastSpeciesNumber(const std::filesystem::path& shipList)
{
    return lastMatching(shipList, [](const std::string& line) { return !line.empty() && line.front() == '!'; });
}

std::optional<std::int32_t> lastSpareSpeciesNumber(const std::filesystem::path& shipList)
{
    return lastMatching(shipList, [](const std::string& line) { return line.find("*DontUseMe") != std::string::npos; });
}

std::string shipListCategory(int shipTypeIndex)
{
    switch (shipTypeIndex) {
    case 1: return "Shuttle/Light Transport";
    case 2: return "Utility Craft";
    case 3: return "Freighter/Heavy Transport";
    case 4: return "Starship";
    case 5: return "Station";
    case 9: return "Satellite/Buoy";
    case 17: return "Container";
    case 19: return "Weapon emplacement";
    default: return "Fighter";
    }
}

std::string speciesLineText(const std::string& species, const SpeciesLine& fields)
{
    std::string separator = fields.separator;
    if (separator.empty() || separator.front() != ',')
        separator = ("," + separator).substr(0, 10);
    return "!SPECIES_" + species + "!" + fields.name + "," + fields.category + "," + fields.playMode + "," +
           fields.known + "," + fields.skirmish + separator + fields.iconString;
}

std::string shipListWithSpeciesLine(const std::filesystem::path& shipList, const std::string& species,
                                    const std::string& line)
{
    TextRewrite rewrite(shipList);
    while (!rewrite.atEnd()) {
        const std::string old = rewrite.dropLine();
        if (old.empty())
            break;
        const auto parsed = parseSpeciesLine(old);
        if (parsed && parsed->number == species)
            break;
        rewrite.keepDropped();
    }
    rewrite.put(line);
    rewrite.copyRest();
    return rewrite.content();
}

} // namespace plorik
