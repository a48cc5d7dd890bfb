#include "backup/ImageCommands.h"

#include "backup/ImageRegions.h"
#include "common/Errors.h"
#include "gamefiles/PilotFiles.h"
#include "io/AtomicFile.h"
#include "io/BinaryFile.h"
#include "io/GamePath.h"

#include <system_error>

namespace plorik {

namespace {

void warn(const ImageContext& context, const std::string& text)
{
    ++context.failedCopies;
    context.prompter.message({"PLORIK warning:", text, MessageIcon::Error, MessageButtons::Ok, Answer::Ok});
}

// One level each; a folder that cannot be made shows in the copies that fail after it.
void makeFolders(const BackupImage& image)
{
    std::error_code ignored;
    std::filesystem::create_directory(image.parentFolder(), ignored);
    std::filesystem::create_directory(image.folder(), ignored);
}

} // namespace

void createBackupImage(const ImageContext& context, std::size_t weaponNames)
{
    context.status("Creating backup image...");
    const BackupImage& image = context.image;
    // The image stays in the program folder: a PLORIKbackup that is a link out of it is not written.
    try {
        refuseLinkOutside(image.folder(), image.parentFolder().parent_path(), "the program folder");
    } catch (const FileError& outside) {
        throw WriteRefused(std::string(outside.what()) + "\r\rNothing was written.");
    }
    std::vector<std::pair<ImageBlock, std::string>> taken;
    {
        const BinaryFile exe(context.executable, BinaryFile::Mode::Read);
        for (const ImageBlock& block : image.blocks()) {
            const std::int64_t length = image.takenLength(block.kind, weaponNames);
            taken.emplace_back(block, readRegion(exe, block.offset, length, blockDescription(block.kind)));
        }
    }
    makeFolders(image);
    // The image is what a restore copies back into the game: each of its files is on the disk before
    // it takes its place, a new one too.
    const std::filesystem::path scratch = image.folder() / "temp.tmp";
    for (const ImageTextFile& file : image.textFiles()) {
        try {
            copyFileContent(resolveGamePath(context.gameDir, file.gameName), image.folder() / file.imageName, scratch,
                            Sync::Always);
        } catch (const PlorikError&) {
            warn(context, "\"" + file.gameName + "\" could not be backed up!.");
        }
    }
    for (const auto& [block, bytes] : taken) {
        try {
            replaceFileContent(image.folder() / block.fileName(), bytes, scratch, Sync::Always);
        } catch (const PlorikError& failure) {
            throw PlorikError(std::string(failure.what()) +
                              "\r\rThe backup image is not complete: " + block.fileName() + " could not be written.");
        }
    }
    for (const std::filesystem::path& pilot : pilotFiles(resolveGamePath(context.gameDir))) {
        try {
            copyFileContent(pilot, image.folder() / pilot.filename(), scratch, Sync::Always);
        } catch (const PlorikError&) {
            warn(context, "Pilot file: \"" + pilot.string() + "\" could not be backed up!.");
        }
    }
}

} // namespace plorik
