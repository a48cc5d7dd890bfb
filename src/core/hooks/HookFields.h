#pragma once

#include "controls/Windows.h"
#include "form/ControlEntry.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace plorik {

// How the hooks turn a file value into the value the game uses.
enum class HookConversion {
    Speed,    // speed, acceleration, deceleration: (int)(v * 2.25f + 0.5f)
    Turn,     // pitch, roll, yaw: v * 256 in a 16-bit field
    Hull,     // hull, critical damage threshold: v * 105 / divisor
    Shield,   // v * 50 / divisor
    Same,     // the file value itself
    Flag,     // 0 is no, every other value yes
    Signed16, // stored as it is into a field of that type
    Unsigned8,
    Unsigned16,
};

// One key the hooks read and the field it replaces, with the control that shows that field (none
// where no page shows it) and, for the cockpit grid, the cell.
struct HookField {
    std::string_view key;
    HookConversion conversion;
    const MainControl* control = nullptr;
    std::size_t row = 0;
    std::size_t column = 0;
};

// The keys of the stats profiles that replace a craft field (those that replace none are left out).
std::span<const HookField> statsProfileFields();
// ExeCraftValues reach only the first 218 craft entries.
inline constexpr std::int32_t kLastExeValuesSlot = 218;

// The keys of ExeCraftValues.
std::span<const HookField> exeCraftValueFields();
// CockpitPovX, CockpitPovY, CockpitPovZ.
std::span<const HookField> cockpitPovFields();
// One turret line's numbers (X, Y, Z, orientations, arcs) and its model, for turret 0 or 1.
struct TurretFields {
    HookField numbers[7];
    HookField model;
};
const TurretFields& turretFields(std::size_t turret);

// The hull and shield divisor of a model's ship category: 16 for starships and stations, 4 for
// freighters and containers, 1 for the rest.
std::int32_t shipCategoryDivisor(std::int32_t category);
// The value the game uses for file value `value`.
std::int64_t hookGameValue(HookConversion conversion, std::int32_t value, std::int32_t divisor);

} // namespace plorik
