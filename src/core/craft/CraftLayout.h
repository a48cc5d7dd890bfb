#pragma once

#include "form/ControlEntry.h"

#include "windows/MainWindowControls.h"
#include <cstddef>
#include <cstdint>

namespace plorik::layout {

// Where the Weaponry and Cockpit pages' values stand in a craft entry: offsets past
// WEAPONSTATSSTART (W) and COCKPITPOV (C), shared by the display and the gathering.

struct WeaponRow {
    const ControlEntry* type;     // the type list
    std::int32_t typeOffset;      // W + this; a byte for XvT, a word for XWA
    const ControlEntry* boxes[4]; // Strt, End, Lnk, Seq. (warheads have no Seq.)
    std::int32_t offsets[4];      // W + these, one byte each
};

inline constexpr WeaponRow kXvtWeaponRows[] = {
    {&ui::ComboBox1, 0, {&ui::Edit1, &ui::Edit5, &ui::Edit9, nullptr}, {2, 4, 6, 0}},
    {&ui::ComboBox2, 1, {&ui::Edit2, &ui::Edit6, &ui::Edit10, nullptr}, {3, 5, 7, 0}},
    {&ui::ComboBox3, 10, {&ui::Edit3, &ui::Edit7, &ui::Edit11, nullptr}, {12, 14, 16, 0}},
    {&ui::ComboBox4, 11, {&ui::Edit4, &ui::Edit8, &ui::Edit12, nullptr}, {13, 15, 17, 0}},
};

inline constexpr WeaponRow kXwaWeaponRows[] = {
    {&ui::ComboBox1, 0, {&ui::Edit1, &ui::Edit5, &ui::Edit9, &ui::Edit83}, {6, 9, 12, 15}},
    {&ui::ComboBox2, 2, {&ui::Edit2, &ui::Edit6, &ui::Edit10, &ui::Edit84}, {7, 10, 13, 16}},
    {&ui::ComboBox8, 4, {&ui::Edit109, &ui::Edit110, &ui::Edit111, &ui::Edit112}, {8, 11, 14, 17}},
    {&ui::ComboBox3, 36, {&ui::Edit3, &ui::Edit7, &ui::Edit11, nullptr}, {40, 42, 44, 0}},
    {&ui::ComboBox4, 38, {&ui::Edit4, &ui::Edit8, &ui::Edit12, nullptr}, {41, 43, 45, 0}},
};

struct Field {
    const ControlEntry* control;
    std::int32_t offset;
};

// X-Wing Alliance bytes beside the weapon rows.
inline constexpr Field kXwaWeaponBytes[] = {{&ui::TurboRange, 20},      {&ui::SupRange, 24},
                                            {&ui::TurboFirePri, 30},    {&ui::SupFirePri, 32},
                                            {&ui::WarheadLoad1Box, 46}, {&ui::WarheadLoad2Box, 47}};
inline constexpr Field kXvtWeaponBytes[] = {{&ui::WarheadLoad1Box, 18}, {&ui::WarheadLoad2Box, 19}};

// The hardpoint grid: four signed words a row from W+48.
inline constexpr std::int32_t kWeaponSlotsOffset = 48;
inline constexpr std::size_t kXvtWeaponSlotRows = 12;
inline constexpr std::size_t kXwaWeaponSlotRows = 26;
inline constexpr std::int32_t weaponSlotOffset(std::size_t row, std::size_t column)
{
    return kWeaponSlotsOffset + static_cast<std::int32_t>(2 * (4 * (row - 1) + (column - 1)));
}

// StringGrid2: rows "Cockpit POV", "Gunner 1", "Gunner 2"; columns X, Z, Y; signed words.
struct CockpitCell {
    std::size_t row;
    std::size_t column;
    std::int32_t offset;
};
inline constexpr CockpitCell kPovCells[] = {{1, 3, 0}, {1, 2, 2}, {1, 1, 4}};
inline constexpr CockpitCell kGunnerCells[] = {{2, 1, 6}, {3, 1, 8}, {2, 2, 10}, {3, 2, 12}, {2, 3, 14}, {3, 3, 16}};
inline constexpr Field kTurretBoxes[] = {
    {&ui::Edit37, 18},     {&ui::Edit38, 20}, {&ui::Edit39, 22}, {&ui::Edit40, 24}, {&ui::ComboBox18, 26},
    {&ui::ComboBox19, 28}, {&ui::Edit43, 30}, {&ui::Edit44, 32}, {&ui::Edit45, 34}, {&ui::Edit46, 36}};

} // namespace plorik::layout
