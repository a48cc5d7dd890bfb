#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace plorik {

// The five lines of a craft's description record in specdesc.txt: craft type, manufacturer, in
// use by, description, crew, with their tags removed.
using DescriptionRecord = std::array<std::string, 5>;

// Keyed layout: the species a record's first line names, the text between its first "_" and the
// next one ("!SPEC_12_NAME!..." names "12").
std::string speciesKeyOf(const std::string& line);

// Keyed layout: the record whose first line is "!SPEC_" + species + "_NAME!...". nullopt when no
// record is found or the file ends inside it.
std::optional<DescriptionRecord> readKeyedDescription(const std::filesystem::path& file, const std::string& species);

// Positional layout: record `record` (0-based) of five counted lines; "/" lines are comments that
// do not count, except the four lines after a record's first line, which are taken as they come.
std::optional<DescriptionRecord> readPositionalDescription(const std::filesystem::path& file, std::int64_t record);

// The positional record the display shows for slot index i.
std::int64_t displayedDescriptionRecord(std::int32_t slotIndex);

} // namespace plorik
