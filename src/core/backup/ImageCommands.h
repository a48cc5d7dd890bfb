#pragma once

#include "backup/BackupImage.h"
#include "common/Prompter.h"
#include "io/PlannedWrite.h"
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
    // Told everything a restore will change before its first byte (the history of writes).
    BeforeWrite beforeWrite = {};
};

// "Create Backup Image": reads every block from the executable first (a short or unreadable
// executable stops the backup before anything is written), then builds the image in a scratch folder
// beside the image folder: the text and list files, the blocks and the pilot files, each copied a
// piece at a time and on the disk before the folder takes the image's place by a rename. So the image
// folder is only ever a complete image (an older one stays until the new one is complete), and a
// scratch folder that a killed backup left is removed by the next. A file that cannot be copied is
// reported and the backup goes on; a block that cannot be written ends it with FileError and no new
// image. The caller holds the game folder's lock: no writer changes the game under the copy.
void createBackupImage(const ImageContext& context);

// A backup killed between moving the older image aside and renaming the new one into its place
// leaves the older image beside a missing image folder: it is renamed back, so it is neither lost to
// the next backup nor hidden from the restores. Beside a complete image it is only a leftover, and
// is removed. Called at start-up and before a backup.
void settleOlderImage(const BackupImage& image);

// "Recreate from Image": reads every block file, checking that it has exactly the size a backup
// writes and fits the executable, then copies the text and list files back (a failed copy is
// reported, the game's file stays as it was) and writes the blocks into the executable. A block whose
// file the image lacks (its key came after the backup) is left as it is, named in one warning.
// Throws PlorikError: before the first byte is written with "Nothing was written.", later naming
// what was written.
void restoreFromImage(const ImageContext& context);

// "Recreate Single Slot": the slot's craft entry and ship type entry, and every species table entry
// that names the slot in the image or now. Checks and throws as restoreFromImage does.
void restoreSingleSlot(const ImageContext& context, std::int32_t slot);

} // namespace plorik
