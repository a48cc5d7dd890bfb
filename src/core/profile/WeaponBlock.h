#pragma once

#include <cstdint>

namespace plorik {

// The weapon block at WEAPONOFFSET is 336 bytes in both families: the weapon editor reads and writes
// only inside it, and the backup image copies it whole.
inline constexpr std::int64_t kWeaponBlockLength = 336;

} // namespace plorik
