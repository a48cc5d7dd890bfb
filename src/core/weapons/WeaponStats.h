#pragma once

#include "profile/WeaponBlock.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace plorik {

// The weapon block at WEAPONOFFSET: per field, one value per weapon type, laid out differently by
// the two game families.

enum class WeaponField { Power, Speed, TimeToLive, Unknown, Category };
inline constexpr std::array<WeaponField, 5> kWeaponFields = {
    WeaponField::Power, WeaponField::Speed, WeaponField::TimeToLive, WeaponField::Unknown, WeaponField::Category};

struct WeaponFieldPlace {
    std::int64_t offset; // from WEAPONOFFSET
    std::size_t width;   // as read; every field is written as 2 bytes
    bool isSigned;
};

// Where weapon `weapon`'s field lies in the block. XWA keeps the power in 4 signed bytes, of which
// the editor writes the lower two.
WeaponFieldPlace weaponFieldPlace(WeaponField field, bool xwa, std::int32_t weapon);
std::string_view weaponFieldName(WeaponField field);

// The number of weapon types whose every field lies inside the block.
std::int32_t weaponsInBlock(bool xwa);

// Each weapon type's record among the weapon OPT records (XWA): 24 bytes.
struct WeaponOptRecord {
    static constexpr std::int64_t kEnabled = 0; // 3 enabled, 2 not
    static constexpr std::int64_t kType = 3;    // the craft type
    static constexpr std::int64_t kModel = 22;  // 16-bit 0-based line of FlightModels\EQUIPMENT0.LST
    static constexpr std::int64_t kLength = 24;
};

} // namespace plorik
