#pragma once

#include "gamefiles/ShipList.h"

#include <filesystem>
#include <optional>
#include <string>

namespace plorik {

// The number of the last species line ("!" line) of shiplist.txt, or of its last "*DontUseMe"
// line; nullopt when there is none.
std::optional<std::int32_t> lastSpeciesNumber(const std::filesystem::path& shipList);
std::optional<std::int32_t> lastSpareSpeciesNumber(const std::filesystem::path& shipList);

// The category word the ship list gives a craft of a "Ship Type:" item.
std::string shipListCategory(int shipTypeIndex);

// The species line the editor writes.
std::string speciesLineText(const std::string& species, const SpeciesLine& fields);

// shiplist.txt with `line` in place of the line of `species`, or of the first empty line, or at
// the end. Throws FileError when the file cannot be read.
std::string shipListWithSpeciesLine(const std::filesystem::path& shipList, const std::string& species,
                                    const std::string& line);

} // namespace plorik
