#pragma once

#include "gamefiles/SpecDesc.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace plorik {

// The new contents of the game's text files that "Write" makes. Each reads the file as it is now
// and returns what is to take its place; nothing is written here, so a write can prepare every
// file before it changes the first one. Throws FileError when the file cannot be read.

// The OPT list with `modelName` at 0-based `index`; `placedAt` is where it went (the old line count
// when the list is shorter).
struct OptListContent {
    std::string content;
    std::int64_t placedAt = 0;
};
OptListContent optListWithEntry(const std::filesystem::path& list, std::int64_t index, const std::string& modelName);
// The lines of a list up to and including its first empty line: where a new entry goes.
std::int64_t countOptListLines(const std::filesystem::path& list);

// One line of a description record to write: `text`, or with `keep` the old line as it stands
// (when the record has one).
struct RecordLine {
    std::string text;
    bool keep = false;
};
using RecordLines = std::array<RecordLine, 5>;

// specdesc.txt by slot: nullopt when the file has fewer than `slotIndex` records.
std::optional<std::string> specDescWithSlotRecord(const std::filesystem::path& file, std::int32_t slotIndex,
                                                  const RecordLines& record);
// specdesc.txt by species: the record's five tagged lines, in place of the old record or at the end.
std::string specDescWithSpeciesRecord(const std::filesystem::path& file, const std::string& species,
                                      const RecordLines& record);

// fronttxt.txt with `name` on line `line` (1-based).
std::string frontTextWithName(const std::filesystem::path& file, std::int64_t line, const std::string& name);

// strings.txt with the gender, plural and (when `shortNameLine` is given) short-name lines of a
// slot, in file order. A value not given keeps what the old line holds: a line none of whose values
// is given stays whole, and the gender line keeps its own "m:" or "F:" when only the name changes.
struct SlotStrings {
    std::int64_t genderLine;
    std::int64_t pluralLine;
    std::optional<std::int64_t> shortNameLine;
    std::optional<bool> female;
    std::optional<std::string> craftName;
    std::optional<std::string> pluralName;
    std::optional<std::string> shortName;
    bool xwa; // tagged lines: the old gender line's tag is kept for all three
};
std::string stringsWithSlotNames(const std::filesystem::path& file, const SlotStrings& strings);

} // namespace plorik
