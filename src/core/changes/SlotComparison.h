#pragma once

#include "changes/ChangeReport.h"
#include "controls/Windows.h"
#include "form/Form.h"
#include "io/ExecutableView.h"
#include "profile/VersionProfile.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace plorik {

// One side of a comparison: an executable as it is, or with other bytes (a backup image's blocks)
// laid over it in memory.
struct ComparedExecutable {
    std::filesystem::path path;
    std::vector<LaidBytes> laid;
};

// Two sides of the same version, shown by the same display on two scratch copies of the main
// window's form: nothing is written, and the window's own form is left as it is.
struct SlotComparison {
    const MainForm& window; // the main window, its lists as the start-up filled them
    const VersionProfile& profile;
    std::string gameDir;
    std::filesystem::path dataFile;
    ComparedExecutable before;
    ComparedExecutable after;
};

// The slots from `first` to `last` whose craft entry, ship type entry or species table entries
// differ, each with the fields whose text differs. Throws FileError when an executable cannot be read.
std::vector<SlotChanges> compareSlots(const SlotComparison& comparison, std::int32_t first, std::int32_t last);

// The fields of one slot that differ: what marks changes on the pages.
std::vector<FieldChange> compareSlot(const SlotComparison& comparison, std::int32_t slot);

} // namespace plorik
