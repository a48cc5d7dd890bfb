#include "DemoCraft.h"
#include "DemoLayout.h"
#include "GameBuilder.h"

#include <array>

namespace plorik::testing {

namespace {

constexpr std::array<const char*, 6> kCraftTypes = {"Starfighter", "Bomber",  "Transport",
                                                    "Cruiser",     "Station", "Scout"};
constexpr std::array<const char*, 4> kMakers = {"Arden Yards", "Belltower Works", "Cobalt Foundry", "Dunmore Drives"};
constexpr std::array<const char*, 3> kSides = {"League forces", "Dominion fleet", "Civilian owners"};

// The species that the keyed specdesc.txt has no record for.
constexpr std::int32_t kSpeciesWithoutRecord = 11;
// The slot whose crew is an empty line.
constexpr std::int32_t kEmptyCrewSlot = 9;

// The positional record of slot index x: its own up to 68; further down the list for the rest.
std::int32_t recordOfIndex(std::int32_t x)
{
    if (x < 69)
        return x;
    if (x == 71)
        return 77;
    if (x == 72)
        return 91;
    return x + 20;
}

std::string number(std::int32_t n)
{
    return std::to_string(n);
}

} // namespace

std::string GameBuilder::craftType(std::int32_t slot) const
{
    return std::string(kCraftTypes[static_cast<std::size_t>(slot % 6)]) + " " + number(slot);
}

std::string GameBuilder::manufacturer(std::int32_t slot) const
{
    return std::string(kMakers[static_cast<std::size_t>(slot % 4)]) + " " + number(slot);
}

std::string GameBuilder::inUseBy(std::int32_t slot) const
{
    return std::string(kSides[static_cast<std::size_t>(slot % 3)]) + " (" + number(slot) + ")";
}

std::string GameBuilder::description(std::int32_t slot) const
{
    return "Briefing notes on the " + demoCraftName(slot) + ", craft " + number(slot) + ".";
}

std::string GameBuilder::crew(std::int32_t slot) const
{
    if (slot == kEmptyCrewSlot)
        return "";
    return number(1 + slot % 6) + " (craft " + number(slot) + ")";
}

std::string GameBuilder::recordComment()
{
    return "/ note: the gunner seat was removed";
}

bool GameBuilder::hasDescriptionRecord(std::int32_t slot) const
{
    const std::int32_t n = species(slot);
    return n != 0 && n != kSpeciesWithoutRecord;
}

std::size_t GameBuilder::descriptionRecordLine(std::int32_t slot) const
{
    std::vector<std::size_t> recordLines;
    descriptionLines(&recordLines);
    return recordLines.at(static_cast<std::size_t>(slot));
}

// Keyed layout (profiles with SPECNOOFFSET): a first line, then five tagged lines per species.
// Positional layout: five lines per slot in slot order with comment lines between the records,
// some records tagged, one with a comment inside, and records that no slot uses.
std::vector<std::string> GameBuilder::descriptionLines(std::vector<std::size_t>* recordLines) const
{
    const DemoLayout layout(m_entry);
    const std::int32_t slots = layout.slots();
    std::vector<std::size_t> firstLines(static_cast<std::size_t>(slots + 1), 0);
    std::vector<std::string> lines;
    if (layout.has("SPECNOOFFSET")) {
        lines.push_back("Species descriptions of the demo game");
        for (const std::int32_t n : demoSpeciesOrder(slots)) {
            if (n == kSpeciesWithoutRecord)
                continue;
            const std::int32_t slot = slotOfSpecies(n);
            const std::string tag = "!SPEC_" + number(n) + "_";
            if (slot != 0)
                firstLines[static_cast<std::size_t>(slot)] = lines.size() + 1;
            lines.push_back(tag + "NAME!" + (slot ? craftType(slot) : "Spare type"));
            lines.push_back(tag + "MANU!" + (slot ? manufacturer(slot) : "Spare maker"));
            lines.push_back(tag + "SIDE!" + (slot ? inUseBy(slot) : "Spare side"));
            lines.push_back(tag + "DESC!" + (slot ? description(slot) : "Spare description"));
            lines.push_back(tag + "CREW!" + (slot ? crew(slot) : "Spare crew"));
        }
    } else {
        std::vector<std::int32_t> slotOfRecord;
        for (std::int32_t x = 0; x < slots; ++x) {
            const auto record = static_cast<std::size_t>(recordOfIndex(x));
            if (slotOfRecord.size() <= record)
                slotOfRecord.resize(record + 1, 0);
            slotOfRecord[record] = x + 1;
        }
        lines.push_back("/ Craft descriptions: five lines per craft, in slot order.");
        lines.push_back("/ A line that begins with a slash is a comment.");
        for (std::size_t record = 0; record < slotOfRecord.size(); ++record) {
            if (record > 0 && record % 10 == 0)
                lines.push_back("/ Records from " + std::to_string(record) + " on");
            const std::int32_t slot = slotOfRecord[record];
            if (slot == 0) {
                lines.push_back("Unused record " + std::to_string(record));
                for (int k = 0; k < 4; ++k)
                    lines.push_back("-");
                continue;
            }
            const bool tagged = slot % 2 == 1;
            const auto tag = [&](const char* field) {
                return tagged ? "!S" + number(slot) + "_" + field + "!" : std::string();
            };
            firstLines[static_cast<std::size_t>(slot)] = lines.size() + 1;
            lines.push_back(tag("TYPE") + craftType(slot));
            if (slot == kCommentedRecordSlot)
                lines.push_back(recordComment());
            lines.push_back(tag("MANU") + manufacturer(slot));
            lines.push_back(tag("SIDE") + inUseBy(slot));
            lines.push_back(tag("DESC") + description(slot));
            lines.push_back(crew(slot).empty() ? std::string() : tag("CREW") + crew(slot));
        }
    }
    if (recordLines)
        *recordLines = std::move(firstLines);
    return lines;
}

void GameBuilder::writeDescriptions(const std::filesystem::path& gameDir) const
{
    writeGameText(gameDir, "specdesc.txt", "specdesc.txt", descriptionLines());
}

} // namespace plorik::testing
