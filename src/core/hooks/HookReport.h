#pragma once

#include "controls/Windows.h"
#include "form/ControlEntry.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace plorik {

// One craft field that a hook file sets for the slot shown: where it is set, the text there, and
// the value the game will use instead of the executable's.
struct HookOverride {
    const MainControl* control = nullptr; // the control that shows the field; none where no page does
    std::size_t row = 0;                  // the cell, for the cockpit grid
    std::size_t column = 0;
    std::string file;    // the game's name of the file, "FlightModels\TestFighter.ini"
    std::string section; // "StatsProfile_Default", "ExeCraftValues", "CockpitPov", "Turrets"
    std::string key;     // as this program names it ("Speed"; turret fields "Turret1.PosX")
    std::size_t line = 0;
    std::optional<std::int64_t> value; // none where the game's value is not a number (a turret's model)
    std::string raw;                   // the text in the file
    std::string when;                  // the difficulties it applies to, "" for all
    bool playerOnly = false;           // a section only the player's craft reads
};

// Everything found for a slot: its overrides and what the files hold that the hooks would read
// otherwise than meant, or crash on.
struct HookReport {
    std::vector<HookOverride> overrides;
    std::vector<std::string> problems;

    // The overrides of one control (the GUI marks its label with them).
    std::vector<const HookOverride*> forControl(MainKey control) const;
    // "FlightModels\TestFighter.ini overrides 9 fields of this slot (Statistics, Weaponry, Cockpit)";
    // empty when nothing overrides the slot.
    std::string summary() const;
};

} // namespace plorik
