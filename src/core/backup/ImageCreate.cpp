#include "backup/ImageCommands.h"

#include "backup/ImageRegions.h"
#include "common/Errors.h"
#include "common/WriteFailure.h"
#include "gamefiles/PilotFiles.h"
#include "io/BinaryFile.h"
#include "io/FileFaults.h"
#include "io/FileHandle.h"
#include "io/GamePath.h"

#include <algorithm>
#include <functional>
#include <span>
#include <system_error>
#include <vector>

namespace plorik {

namespace {

// A copy holds at most this much of its file in memory, whatever the file's size.
constexpr std::size_t kCopyPiece = 1 << 20;

// A part of a copy that could not be removed from the scratch folder: the backup cannot go on, since
// the part would stand in the image as a whole file.
class PartLeft : public PlorikError {
public:
    using PlorikError::PlorikError;
};

void warn(const ImageContext& context, const std::string& text)
{
    ++context.failedCopies;
    context.prompter.message({"PLORIK warning:", text, MessageIcon::Error, MessageButtons::Ok, Answer::Ok});
}

// The folder a backup builds the new image in, and the one an older image waits in while the new
// one takes its place. Both lie beside the image folder; a killed backup may leave either.
std::filesystem::path besideImage(const BackupImage& image, const char* suffix)
{
    return image.parentFolder() / (image.folder().filename().string() + suffix);
}

void removeFolder(const std::filesystem::path& folder)
{
    std::error_code ignored; // what stays is removed by the next backup
    std::filesystem::remove_all(folder, ignored);
}

void renameFolder(const std::filesystem::path& from, const std::filesystem::path& to)
{
    std::error_code error;
    if (FileFaults::fails(FileFaults::Step::Rename))
        error = std::make_error_code(std::errc::io_error);
    else
        std::filesystem::rename(from, to, error);
    if (error)
        throw FileError(to.string(), error.message());
}

// PLORIKbackup itself (made when missing), then a new empty scratch folder in it.
void makeScratchFolder(const BackupImage& image, const std::filesystem::path& scratch)
{
    const std::filesystem::path& parent = image.parentFolder();
    std::error_code error;
    if (!std::filesystem::create_directory(parent, error) && !std::filesystem::is_directory(parent)) {
        std::error_code ignored;
        const bool taken = std::filesystem::exists(std::filesystem::symlink_status(parent, ignored));
        throw FileError(parent.string(), taken ? "Not a directory" : error.message());
    }
    removeFolder(scratch);
    settleOlderImage(image);
    if (!std::filesystem::create_directory(scratch, error))
        throw FileError(scratch.string(), error ? error.message() : "The scratch folder could not be made");
}

// Writes a new file of the scratch folder and puts it on the disk. A failure throws FileError, or
// PartLeft when the part written cannot be removed again.
void writeNewFile(const std::filesystem::path& target, const std::function<void(FileHandle&)>& write)
{
    FileHandle out = FileHandle::createScratch(target);
    try {
        write(out);
        out.flush();
        out.close();
    } catch (const PlorikError&) {
        std::error_code error;
        std::filesystem::remove(target, error);
        if (error)
            throw PartLeft("A part of \"" + target.string() + "\" could not be removed: " + error.message() +
                           ".\r\rThe backup image was not made.");
        throw;
    }
}

// Copies `source` a piece at a time, as long as it was when the copy began.
void copyInPieces(const std::filesystem::path& source, const std::filesystem::path& target)
{
    const FileHandle in = FileHandle::openRegular(source, FileHandle::Access::Read);
    const std::int64_t size = in.size();
    writeNewFile(target, [&](FileHandle& out) {
        std::vector<std::uint8_t> piece(static_cast<std::size_t>(std::min<std::int64_t>(size, kCopyPiece)));
        for (std::int64_t at = 0; at < size;) {
            const auto wanted = static_cast<std::size_t>(std::min<std::int64_t>(size - at, kCopyPiece));
            const std::size_t read = in.readAt(at, std::span(piece.data(), wanted));
            if (read == 0)
                break; // the file became shorter while it was copied
            out.append(std::string_view(reinterpret_cast<const char*>(piece.data()), read));
            at += static_cast<std::int64_t>(read);
        }
    });
}

// The complete image in `scratch` takes the image folder's place; an older image goes only after.
void putInPlace(const BackupImage& image, const std::filesystem::path& scratch)
{
    const std::filesystem::path older = besideImage(image, ".plorik-old.tmp");
    std::error_code error;
    const bool replacing = std::filesystem::exists(std::filesystem::symlink_status(image.folder(), error));
    if (replacing)
        renameFolder(image.folder(), older);
    try {
        renameFolder(scratch, image.folder());
    } catch (const PlorikError&) {
        if (replacing)
            std::filesystem::rename(older, image.folder(), error);
        throw;
    }
    if (replacing)
        removeFolder(older);
}

} // namespace

void settleOlderImage(const BackupImage& image)
{
    const std::filesystem::path older = besideImage(image, ".plorik-old.tmp");
    std::error_code error;
    if (!std::filesystem::is_directory(std::filesystem::symlink_status(older, error)))
        return;
    if (std::filesystem::exists(std::filesystem::symlink_status(image.folder(), error)))
        removeFolder(older);
    else
        std::filesystem::rename(older, image.folder(), error); // failing, the menus show no image
}

void createBackupImage(const ImageContext& context)
{
    context.status("Creating backup image...");
    const BackupImage& image = context.image;
    // The image stays in the program folder: a PLORIKbackup that is a link out of it is not written.
    try {
        refuseLinkOutside(image.folder(), image.parentFolder().parent_path(), "the program folder");
    } catch (const FileError& outside) {
        throw WriteRefused(outside.what() + nothingWrittenParagraph());
    }
    std::vector<std::pair<ImageBlock, std::string>> taken;
    {
        const BinaryFile exe(context.executable, BinaryFile::Mode::Read);
        for (const ImageBlock& block : image.blocks())
            taken.emplace_back(
                block, readRegion(exe, block.offset, image.takenLength(block.kind), blockDescription(block.kind)));
    }
    const std::filesystem::path scratch = besideImage(image, ".plorik-new.tmp");
    makeScratchFolder(image, scratch);
    try {
        for (const ImageTextFile& file : image.textFiles()) {
            try {
                copyInPieces(resolveGamePath(context.gameDir, file.gameName), scratch / file.imageName);
            } catch (const PartLeft&) {
                throw;
            } catch (const PlorikError&) {
                warn(context, "\"" + file.gameName + "\" could not be backed up!.");
            }
        }
        for (const auto& [block, blockBytes] : taken) {
            const std::string& bytes = blockBytes; // clang 14 lambdas cannot capture a structured binding
            try {
                writeNewFile(scratch / block.fileName(), [&bytes](FileHandle& out) { out.append(bytes); });
            } catch (const PlorikError& failure) {
                throw PlorikError(std::string(failure.what()) +
                                  "\r\rThe backup image was not made: " + block.fileName() + " could not be written.");
            }
        }
        for (const std::filesystem::path& pilot : pilotFiles(resolveGamePath(context.gameDir))) {
            try {
                copyInPieces(pilot, scratch / pilot.filename());
            } catch (const PartLeft&) {
                throw;
            } catch (const PlorikError&) {
                warn(context, "Pilot file: \"" + pilot.string() + "\" could not be backed up!.");
            }
        }
        putInPlace(image, scratch);
    } catch (...) {
        removeFolder(scratch);
        throw;
    }
}

} // namespace plorik
