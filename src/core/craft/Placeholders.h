#pragma once

#include <string_view>

namespace plorik {

// The texts the pages show where a game has no value. They are never data: the write and the
// gathering recognise them and store nothing of them, and none names a file.

// A box whose value the game's files do not hold (no species, no names for the slot).
inline constexpr const char* kNoValue = "n/a";
// "OPT File:" when the ship type entry names no list, and when the list has no such line.
inline constexpr const char* kNoModelList = "None Assigned";
inline constexpr const char* kNoModelLine = "None assigned";
// The descriptions when specdesc.txt has no record of the species, or none of the slot.
inline constexpr const char* kNoDescription = "**no entry found**";
inline constexpr const char* kNotEditable = "**Not editable**";
// A weapon type list whose code data.txt does not name, and its text before the lookup.
inline constexpr const char* kUnnamedCode = "Unkown";
inline constexpr const char* kNotLookedUp = "Unknown";

// Whether an "OPT File:" text names a model: not one of the texts shown when the craft has none.
inline bool isModelName(std::string_view text)
{
    return text != kNoModelList && text != kNoModelLine && text != kNoValue;
}

} // namespace plorik
