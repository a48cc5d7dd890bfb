#pragma once

#include "backup/BackupImage.h"
#include "common/Prompter.h"
#include "io/ProtectedFiles.h"
#include "profile/VersionProfile.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>

namespace plorik {

// What the ZT commands work with.
struct ZtContext {
    const VersionProfile& profile;
    std::string versionName;
    std::filesystem::path executable;
    std::filesystem::path dataFile;
    Prompter& prompter;
    // Shows a progress text in the status bar and lets the window repaint.
    std::function<void(const std::string&)> status;
    std::string comment; // "Patch Comment:"
    // What a chosen file may not replace.
    ProtectedFiles protectedFiles;
};

// "Save as Single ZT..": asks for the file and writes slot `slot` into it. A ZT file is written to a
// scratch file beside it and renamed into place when complete, so a failure leaves no new file and an
// older file of that name as it was. A target among the protected files is refused with an error
// box. Throws PlorikError.
void saveSingleSlotZt(const ZtContext& context, std::int32_t slot);

// "Make ZT Package": asks for the file and writes the differences between the image and the
// executable, twice for the two editions of X-Wing Alliance 2.02 (the dialog asks about the file
// it names; before anything is written, the other package's file is asked about when it exists).
// Blocks the version lacks are left out; a block file of another size than a backup writes is
// refused (ImageRefusal) before it is read. Ends with "Done." in the status bar; throws PlorikError
// when a package cannot be made.
void makeZtPackages(const ZtContext& context, const BackupImage& image);

} // namespace plorik
