#pragma once

#include "controls/Windows.h"
#include "form/ControlEntry.h"

#include "controls/MainWindowControls.h"
#include <cstddef>
#include <cstdint>

namespace plorik::layout {

// Where the Weaponry and Cockpit pages' values stand in a craft entry: offsets past
// WEAPONSTATSSTART (W) and COCKPITPOV (C), shared by the display and the gathering.

struct WeaponRow {
    const MainControl* type;     // the type list
    std::int32_t typeOffset;     // W + this; a byte for XvT, a word for XWA
    const MainControl* boxes[4]; // Strt, End, Lnk, Seq. (warheads have no Seq.)
    std::int32_t offsets[4];     // W + these, one byte each
};

inline constexpr WeaponRow kXvtWeaponRows[] = {
    {&controls::Laser1List,
     0,
     {&controls::Laser1StartBox, &controls::Laser1EndBox, &controls::Laser1LinkBox, nullptr},
     {2, 4, 6, 0}},
    {&controls::Laser2List,
     1,
     {&controls::Laser2StartBox, &controls::Laser2EndBox, &controls::Laser2LinkBox, nullptr},
     {3, 5, 7, 0}},
    {&controls::Warhead1List,
     10,
     {&controls::Warhead1StartBox, &controls::Warhead1EndBox, &controls::Warhead1LinkBox, nullptr},
     {12, 14, 16, 0}},
    {&controls::Warhead2List,
     11,
     {&controls::Warhead2StartBox, &controls::Warhead2EndBox, &controls::Warhead2LinkBox, nullptr},
     {13, 15, 17, 0}},
};

inline constexpr WeaponRow kXwaWeaponRows[] = {
    {&controls::Laser1List,
     0,
     {&controls::Laser1StartBox, &controls::Laser1EndBox, &controls::Laser1LinkBox, &controls::Laser1SequenceBox},
     {6, 9, 12, 15}},
    {&controls::Laser2List,
     2,
     {&controls::Laser2StartBox, &controls::Laser2EndBox, &controls::Laser2LinkBox, &controls::Laser2SequenceBox},
     {7, 10, 13, 16}},
    {&controls::Laser3List,
     4,
     {&controls::Laser3StartBox, &controls::Laser3EndBox, &controls::Laser3LinkBox, &controls::Laser3SequenceBox},
     {8, 11, 14, 17}},
    {&controls::Warhead1List,
     36,
     {&controls::Warhead1StartBox, &controls::Warhead1EndBox, &controls::Warhead1LinkBox, nullptr},
     {40, 42, 44, 0}},
    {&controls::Warhead2List,
     38,
     {&controls::Warhead2StartBox, &controls::Warhead2EndBox, &controls::Warhead2LinkBox, nullptr},
     {41, 43, 45, 0}},
};

struct Field {
    const MainControl* control;
    std::int32_t offset;
};

// X-Wing Alliance bytes beside the weapon rows.
inline constexpr Field kXwaWeaponBytes[] = {{&controls::TurboRange, 20},      {&controls::SupRange, 24},
                                            {&controls::TurboFirePri, 30},    {&controls::SupFirePri, 32},
                                            {&controls::WarheadLoad1Box, 46}, {&controls::WarheadLoad2Box, 47}};
inline constexpr Field kXvtWeaponBytes[] = {{&controls::WarheadLoad1Box, 18}, {&controls::WarheadLoad2Box, 19}};

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
inline constexpr Field kTurretBoxes[] = {{&controls::Turret1Orient1Box, 18},    {&controls::Turret2Orient1Box, 20},
                                         {&controls::Turret1Orient2Box, 22},    {&controls::Turret2Orient2Box, 24},
                                         {&controls::Turret1ActivatedList, 26}, {&controls::Turret2ActivatedList, 28},
                                         {&controls::Turret1Arc1Box, 30},       {&controls::Turret2Arc1Box, 32},
                                         {&controls::Turret1Arc2Box, 34},       {&controls::Turret2Arc2Box, 36}};

} // namespace plorik::layout
