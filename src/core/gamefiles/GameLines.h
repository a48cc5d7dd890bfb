#pragma once

#include "profile/VersionProfile.h"

#include <cstdint>

namespace plorik {

// Where a slot's entries stand in the game's text files (1-based line numbers, from the keys as
// written in data.txt). s is the slot number, i = s - 1.
struct GameLines {
    // strings.txt
    static std::int64_t gender(const VersionProfile& profile, std::int32_t slot);
    static std::int64_t plural(const VersionProfile& profile, std::int32_t slot);
    static std::int64_t shortName(const VersionProfile& profile, std::int32_t slot);
    // fronttxt.txt: the long name, with the exceptions of slots 70 to 73.
    static std::int64_t longName(const VersionProfile& profile, std::int32_t slot);
    // Lines after LONGNAMESTRTLINE at which slot s's long name stands.
    static std::int32_t longNameDistance(std::int32_t slot);
};

} // namespace plorik
