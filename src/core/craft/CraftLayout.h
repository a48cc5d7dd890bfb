#pragma once

#include <cstddef>
#include <cstdint>

namespace plorik::layout {

// Where the Weaponry and Cockpit pages' values stand in a craft entry: offsets past
// WEAPONSTATSSTART (W) and COCKPITPOV (C), shared by the display and the gathering.

struct WeaponRow {
    const char* type;        // the type list
    std::int32_t typeOffset; // W + this; a byte for XvT, a word for XWA
    const char* boxes[4];    // Strt, End, Lnk, Seq. (warheads have no Seq.)
    std::int32_t offsets[4]; // W + these, one byte each
};

inline constexpr WeaponRow kXvtWeaponRows[] = {
    {"ComboBox1", 0, {"Edit1", "Edit5", "Edit9", nullptr}, {2, 4, 6, 0}},
    {"ComboBox2", 1, {"Edit2", "Edit6", "Edit10", nullptr}, {3, 5, 7, 0}},
    {"ComboBox3", 10, {"Edit3", "Edit7", "Edit11", nullptr}, {12, 14, 16, 0}},
    {"ComboBox4", 11, {"Edit4", "Edit8", "Edit12", nullptr}, {13, 15, 17, 0}},
};

inline constexpr WeaponRow kXwaWeaponRows[] = {
    {"ComboBox1", 0, {"Edit1", "Edit5", "Edit9", "Edit83"}, {6, 9, 12, 15}},
    {"ComboBox2", 2, {"Edit2", "Edit6", "Edit10", "Edit84"}, {7, 10, 13, 16}},
    {"ComboBox8", 4, {"Edit109", "Edit110", "Edit111", "Edit112"}, {8, 11, 14, 17}},
    {"ComboBox3", 36, {"Edit3", "Edit7", "Edit11", nullptr}, {40, 42, 44, 0}},
    {"ComboBox4", 38, {"Edit4", "Edit8", "Edit12", nullptr}, {41, 43, 45, 0}},
};

struct Field {
    const char* control;
    std::int32_t offset;
};

// X-Wing Alliance bytes beside the weapon rows.
inline constexpr Field kXwaWeaponBytes[] = {{"TurboRange", 20}, {"SupRange", 24},        {"TurboFirePri", 30},
                                            {"SupFirePri", 32}, {"WarheadLoad1Box", 46}, {"WarheadLoad2Box", 47}};
inline constexpr Field kXvtWeaponBytes[] = {{"WarheadLoad1Box", 18}, {"WarheadLoad2Box", 19}};

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
inline constexpr Field kTurretBoxes[] = {{"Edit37", 18},     {"Edit38", 20},     {"Edit39", 22}, {"Edit40", 24},
                                         {"ComboBox18", 26}, {"ComboBox19", 28}, {"Edit43", 30}, {"Edit44", 32},
                                         {"Edit45", 34},     {"Edit46", 36}};

} // namespace plorik::layout
