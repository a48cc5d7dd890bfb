#include "DemoCraft.h"
#include "DemoLayout.h"
#include "GameBuilder.h"

#include <algorithm>
#include <array>

namespace plorik::testing {

namespace {

constexpr std::array<const char*, 5> kCategories = {"Fighter", "Starship", "Freighter", "Station", "Utility"};
constexpr std::array<const char*, 3> kPlayModes = {"Flyable", "Nonflyable", "GunnerFlyable"};

// Species lines are written up to this number; the species after it have none.
constexpr std::int32_t kLastListedSpecies = 220;
// A species of the table without a line.
constexpr std::int32_t kUnlistedSpecies = 13;
// The spare species: in the list, but no slot has it.
constexpr std::int32_t kSpareSpecies = 5;
// Its line is longer than a line of 255 characters.
constexpr std::int32_t kLongLineSpecies = 9;
// Its separator is longer than 10 characters.
constexpr std::int32_t kLongSeparatorSpecies = 8;

std::string prefixOf(std::int32_t species)
{
    if (species % 7 == 3)
        return "CRAFT";
    return species % 11 == 4 ? "SHIP" : "SPECIES";
}

} // namespace

std::vector<std::int32_t> GameBuilder::shipListSpecies() const
{
    const DemoLayout layout(m_entry);
    if (!layout.has("SPECNOOFFSET"))
        return {};
    std::vector<std::int32_t> listed;
    for (const std::int32_t species : demoSpeciesOrder(std::min(layout.slots(), kLastListedSpecies))) {
        if (species != kUnlistedSpecies)
            listed.push_back(species);
    }
    return listed;
}

bool GameBuilder::hasShipListLine(std::int32_t species) const
{
    const std::vector<std::int32_t> listed = shipListSpecies();
    return std::find(listed.begin(), listed.end(), species) != listed.end();
}

std::string GameBuilder::shipListName(std::int32_t species) const
{
    return species == kSpareSpecies ? "*DontUseMe" : demoCraftName(species) + " Class";
}

std::string GameBuilder::playMode(std::int32_t species) const
{
    return kPlayModes[static_cast<std::size_t>(species % 3)];
}

// "Known", or "Unknown" and a lower-case "known", which do not count as known.
std::string GameBuilder::known(std::int32_t species) const
{
    if (species % 4 == 1)
        return "Unknown";
    return species % 10 == 6 ? "known" : "Known";
}

std::string GameBuilder::skirmish(std::int32_t species) const
{
    return species % 2 == 1 ? "Skirmish" : "NoSkirmish";
}

std::string GameBuilder::separator(std::int32_t species) const
{
    if (species == kLongSeparatorSpecies)
        return "," + std::string(12, '\t');
    switch (species % 4) {
    case 0: return "," + std::string(6, '\t');
    case 1: return ",\t";
    case 2: return ", \t \t";
    default: return ",  ";
    }
}

std::string GameBuilder::iconString(std::int32_t species) const
{
    std::string icon = std::to_string(species % 40) + "  ,9  ,13 ,20 ,4  ,13 ,32 ," + std::to_string(species);
    if (species == kLongLineSpecies) {
        for (int i = 0; i < 70; ++i)
            icon += ",43 ";
    }
    return icon;
}

std::string GameBuilder::shipListLine(std::int32_t species) const
{
    const std::string category = kCategories[static_cast<std::size_t>(species % 5)];
    return "!" + prefixOf(species) + "_" + std::to_string(species) + "!" + shipListName(species) + "," + category +
           "," + playMode(species) + "," + known(species) + "," + skirmish(species) + separator(species) +
           iconString(species);
}

// shiplist.txt (profiles with SPECNOOFFSET): species lines among lines that are not, with an empty
// line in the middle.
void GameBuilder::writeShipList(const std::filesystem::path& gameDir) const
{
    const std::vector<std::int32_t> listed = shipListSpecies();
    if (listed.empty())
        return;
    std::vector<std::string> lines = {"; Ship list of the demo game"};
    for (const std::int32_t species : listed) {
        lines.push_back(shipListLine(species));
        if (species == 50)
            lines.push_back("Capital ships and stations follow");
        if (species == 100)
            lines.push_back("");
    }
    writeGameText(gameDir, "shiplist.txt", "shiplist.txt", lines);
}

} // namespace plorik::testing
