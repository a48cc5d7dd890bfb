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

// Puts `line` in place of the line of `species`, or of the first empty line, or at the end.
void replaceSpeciesLine(const std::filesystem::path& shipList, const std::filesystem::path& scratch,
                        const std::string& species, const std::string& line);

} // namespace plorik
