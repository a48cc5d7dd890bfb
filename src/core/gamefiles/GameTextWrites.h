#pragma once

#include "gamefiles/SpecDesc.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace plorik {

// The rewrites of the game's text files that "Write" makes. Each goes through temp.tmp (`scratch`)
// and leaves the file as it was when it fails.

// The OPT list entry at 0-based `index`; returns the index the name went to (the old line count
// when the list is shorter).
std::int64_t writeOptListEntry(const std::filesystem::path& list, const std::filesystem::path& scratch,
                               std::int64_t index, const std::string& modelName);
// The lines of a list up to and including its first empty line: where a new entry goes.
std::int64_t countOptListLines(const std::filesystem::path& list);

// specdesc.txt by slot: false (and nothing written) when the file has fewer than `slotIndex` records.
bool writePositionalDescription(const std::filesystem::path& file, const std::filesystem::path& scratch,
                                std::int32_t slotIndex, const DescriptionRecord& record);
// specdesc.txt by species: the record's five tagged lines, in place of the old record or at the end.
void writeKeyedDescription(const std::filesystem::path& file, const std::filesystem::path& scratch,
                           const std::string& species, const DescriptionRecord& record);

// fronttxt.txt: `name` on line `line` (1-based).
void writeFrontTextLine(const std::filesystem::path& file, const std::filesystem::path& scratch, std::int64_t line,
                        const std::string& name);

// strings.txt: the gender, plural and (when `shortNameLine` is given) short-name lines of a slot, in
// file order.
struct SlotStrings {
    std::int64_t genderLine;
    std::int64_t pluralLine;
    std::optional<std::int64_t> shortNameLine;
    bool female;
    std::string craftName;
    std::string pluralName;
    std::string shortName;
    bool xwa; // tagged lines: the old gender line's tag is kept for all three
};
void writeSlotStrings(const std::filesystem::path& file, const std::filesystem::path& scratch,
                      const SlotStrings& strings);

} // namespace plorik
