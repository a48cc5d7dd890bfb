#pragma once

#include "backup/BackupImage.h"
#include "common/Prompter.h"
#include "profile/VersionProfile.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>

namespace plorik {

// What the commands of the backup image work with.
struct ImageContext {
    const VersionProfile& profile;
    const BackupImage& image;
    std::string gameDir;
    std::filesystem::path executable;
    Prompter& prompter;
    // Shows a progress text in the status bar and lets the window repaint.
    std::function<void(const std::string&)> status;
    // The files that could not be copied (each reported with a warning as the command went on).
    mutable std::size_t failedCopies = 0;
};

// "Create Backup Image": reads every block from the executable first (a short or unreadable
// executable stops the backup before anything is written), then copies the text and list files, writes
// the blocks and copies the pilot files. A file that cannot be copied is reported and the backup goes
// on; a block that cannot be written ends it with FileError. `weaponNames` is the length of the weapon
// editor's weapon list.
void createBackupImage(const ImageContext& context, std::size_t weaponNames);

// "Recreate from Image": reads every block file and checks that each fits the executable, then
// copies the text and list files back (a failed copy is reported, the game's file stays as it was)
// and writes the blocks into the executable. Throws PlorikError: before the first byte is written
// with "Nothing was written.", later naming what was written.
void restoreFromImage(const ImageContext& context);

// "Recreate Single Slot": the slot's craft entry and ship type entry, and every species table entry
// that names the slot in the image or now. Throws as restoreFromImage does.
void restoreSingleSlot(const ImageContext& context, std::int32_t slot);

} // namespace plorik
