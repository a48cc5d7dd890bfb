#pragma once

#include "profile/VersionProfile.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace plorik {

// The free values of the "Unknown" page: rows that data.txt names by a data type ("Byte", "Word",
// "Integer", "LongInt", "Float", "Char"), a location ("Shipslot", "Shiptype") and an offset.
enum class FreeValueType { Byte, Word, Integer, LongInt, Float, Char };

// The type a "Data type:" cell names, or nullopt for a name the program does not know.
std::optional<FreeValueType> freeValueType(std::string_view name);
std::size_t freeValueWidth(FreeValueType type);

// Where a row's value lies in the executable: "Shipslot" in the slot's craft entry, "Shiptype" in
// its ship type entry, `offset` bytes on. nullopt for any other location text.
std::optional<std::int64_t> freeValuePosition(const VersionProfile& profile, std::int32_t slot,
                                              std::string_view location, std::int64_t offset);

// The text the page shows for a value's bytes (little-endian).
std::string freeValueText(FreeValueType type, std::span<const std::uint8_t> bytes);

// The bytes of a typed value. A text that is not a number of the type, or does not fit its width,
// gives nullopt and the reason in `problem`.
std::optional<std::vector<std::uint8_t>> freeValueBytes(FreeValueType type, const std::string& text,
                                                        std::string& problem);

// What the display writes into a grid cell whose location is neither "Shipslot" nor "Shiptype".
inline constexpr const char* kFreeValueLocationError = "$Error in data.txt";

} // namespace plorik
