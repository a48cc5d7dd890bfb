#pragma once

#include "profile/VersionProfile.h"

#include <filesystem>
#include <string>
#include <vector>

namespace plorik {

// The items of the "Craft No." list: the slot number, and for X-Wing Alliance slots up to 218 the
// number padded to four characters and the craft's short name from strings.txt (slot s on line
// SHORTNAMESLINE + s - 1, tag removed). Throws FileError when strings.txt is needed and missing.
std::vector<std::string> craftNumberItems(const VersionProfile& profile, const std::filesystem::path& stringsFile);

// The last X-Wing Alliance slot that has names in the game's text files.
inline constexpr std::int32_t kLastNamedXwaSlot = 218;

} // namespace plorik
