#pragma once

#include "GameBuilder.h"

#include <string>

namespace plorik::testing {

// The two editions of X-Wing Alliance 2.02 in a test data.txt. The loaded edition is the demo XWA
// layout under that edition's name (its signature is the one the builder writes); the other edition's
// entry names the same tables at other offsets, writes its keys in another order, and carries a
// signature that no demo executable has.
inline constexpr const char* kXwaUsEdition = "X-Wing Alliance v2.02";
inline constexpr const char* kXwaInternationalEdition = "X-Wing Alliance International v2.02";

// How far the other edition's tables lie from the loaded edition's.
inline constexpr std::int64_t kOtherCraftShift = 0x140;
inline constexpr std::int64_t kOtherShipTypeShift = -0x60;
inline constexpr std::int64_t kOtherWeaponShift = 0x2000;

// With `otherEntry` false the other edition's entry is left out.
std::string xwa202DataFile(bool loadedInternational, bool otherEntry = true);

} // namespace plorik::testing
