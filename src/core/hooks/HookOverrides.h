#pragma once

#include "hooks/HookReport.h"

#include <cstdint>
#include <string>

namespace plorik {

// An XWA slot as the hooks see it.
struct HookSlot {
    std::string gameDir;
    std::string optFile;           // "OPT File:" as the Opt page resolves it
    std::int32_t shipCategory = 0; // the model's ship type: it sets the hull and shield divisor
    std::int32_t slot = 1;         // 1-based
};

// The fields the hook files set for the slot when no mission is chosen: the stats profile (the one
// the global StatsProfiles list names for the model, else "Default") on each difficulty,
// ExeCraftValues, the cockpit view and the turrets.
HookReport findHookOverrides(const HookSlot& slot);

} // namespace plorik
