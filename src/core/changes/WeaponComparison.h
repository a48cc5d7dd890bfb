#pragma once

#include "changes/SlotComparison.h"
#include "common/Prompter.h"
#include "controls/Windows.h"

namespace plorik {

// Two sides of the weapon block, shown by the weapon editor's own display on two scratch copies of
// its form.
struct WeaponComparison {
    const WeaponForm& window; // the weapon editor, its lists as the start-up filled them
    Prompter& prompter;       // takes what the display would say of a weapon outside the block
    const VersionProfile& profile;
    std::string gameDir;
    const ComparedExecutable& before;
    const ComparedExecutable& after;
};

// Every weapon of "Weapon:" whose shown values differ, with those values.
std::vector<WeaponChanges> compareWeapons(const WeaponComparison& comparison);

} // namespace plorik
