#pragma once

#include "profile/VersionProfile.h"

#include <cstddef>
#include <cstdint>
#include <optional>

namespace plorik {

// The craft entry position of a field `width` bytes wide at `offset` past the key's position, or
// nullopt when the key is absent or the field would reach position 1000, which is never a field.
std::optional<std::size_t> fieldPosition(const VersionProfile& profile, Key key, std::int32_t offset,
                                         std::int32_t width);

} // namespace plorik
