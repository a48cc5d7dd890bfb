#pragma once

#include "controls/MainWindowPages.h"
#include "controls/Windows.h"
#include "form/ControlEntry.h"

namespace plorik::controls {

// The "Wpn. Slots" page: a row per hardpoint (the display sets the rows of a game's family).
inline constexpr std::string_view kWeaponSlotColumns[] = {"", "X", "Y", "Z", "Capacity"};
inline constexpr std::string_view kWeaponSlotRows[] = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11"};

inline constexpr ThisWindowControl WeaponSlotsGrid{{.key = "wpn",
                                                    .kind = ControlKind::Grid,
                                                    .page = kWeaponSlotsPage,
                                                    .rows = 13,
                                                    .columns = 5,
                                                    .columnHeadings = kWeaponSlotColumns,
                                                    .rowHeadings = kWeaponSlotRows}};

// The page's controls, in the order the window makes them: a control declared here is listed here.
inline constexpr const MainControl* kWeaponSlotsPageControls[] = {&WeaponSlotsGrid};

} // namespace plorik::controls
