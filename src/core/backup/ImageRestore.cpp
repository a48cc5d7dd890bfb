#include "backup/ImageCommands.h"

#include "backup/ImageRegions.h"
#include "common/Errors.h"
#include "common/WriteFailure.h"
#include "io/AtomicFile.h"
#include "io/BinaryFile.h"
#include "io/FileHandle.h"
#include "io/GamePath.h"

#include <span>

#include <optional>
#include <system_error>

namespace plorik {

namespace {

// Bytes of the image to put back into the executable; `region` names them in messages.
struct RestorePatch {
    std::string region;
    std::int64_t offset = 0;
    std::string bytes;
};

std::string readPart(const FileHandle& file, std::int64_t at, std::int64_t length)
{
    std::string bytes(static_cast<std::size_t>(length), '\0');
    const std::size_t read = file.readAt(at, std::span(reinterpret_cast<std::uint8_t*>(bytes.data()), bytes.size()));
    if (read != bytes.size())
        throw FileError(file.path().string(), "Read beyond end of file");
    return bytes;
}

std::uint16_t wordAt(const std::string& bytes, std::size_t at)
{
    return static_cast<std::uint16_t>(static_cast<std::uint8_t>(bytes[at]) |
                                      (static_cast<std::uint8_t>(bytes[at + 1]) << 8));
}

// Everything a restore writes into the executable, read from the image and checked before the first
// byte is written.
class RestorePlan {
public:
    explicit RestorePlan(const ImageContext& context) : m_context(context) {}

    BinaryFile& openExecutable()
    {
        refuseLinkOutside(m_context.executable, resolveGamePath(m_context.gameDir));
        m_exe.emplace(m_context.executable, BinaryFile::Mode::ReadWrite);
        return *m_exe;
    }
    void add(RestorePatch patch) { m_patches.push_back(std::move(patch)); }
    // The regions, as the history of writes is told them.
    void addTo(PlannedWrite& planned) const
    {
        for (const RestorePatch& patch : m_patches)
            planned.region(m_context.executable, patch.offset, {patch.bytes.begin(), patch.bytes.end()}, patch.region);
    }
    void checkRegions() const
    {
        for (const RestorePatch& patch : m_patches)
            checkInside(*m_exe, patch.offset, static_cast<std::int64_t>(patch.bytes.size()), patch.region);
    }

    // Writes every patch; a failure names what was written before it, `written` included, and the
    // region it stopped in, which may hold part of its bytes.
    void write(std::vector<std::string> written)
    {
        std::string writing;
        try {
            for (const RestorePatch& patch : m_patches) {
                writing = patch.region;
                m_exe->writeRegion(
                    patch.offset,
                    std::span(reinterpret_cast<const std::uint8_t*>(patch.bytes.data()), patch.bytes.size()),
                    patch.region);
                written.push_back(patch.region);
            }
        } catch (const PlorikError& failure) {
            // A failure always comes with the region it stopped in: "Nothing was written." never
            // follows it.
            throw PlorikError(writeFailureReport(failure.what(), written, writing, ""));
        }
    }

private:
    const ImageContext& m_context;
    std::optional<BinaryFile> m_exe;
    std::vector<RestorePatch> m_patches;
};

// Runs the planning steps; whatever stops them has written nothing, and says so.
template <class Steps> void planOrRefuse(Steps&& steps)
{
    try {
        steps();
    } catch (const ImageRefusal& refused) {
        throw ImageRefusal(refused.what() + nothingWrittenParagraph());
    } catch (const PlorikError& failure) {
        throw PlorikError(failure.what() + nothingWrittenParagraph());
    }
}

// The blocks whose key data.txt gives but whose file the image lacks (an image taken before the key
// was added): what the game holds of them stays, and one warning names them all.
void warnAbsentBlocks(const ImageContext& context, const std::vector<ImageBlock>& absent)
{
    if (absent.empty())
        return;
    std::string names;
    for (const ImageBlock& block : absent)
        names += (names.empty() ? "" : ", ") + block.fileName() + " (" + blockDescription(block.kind) + ")";
    context.failedCopies += absent.size();
    context.prompter.message({"PLORIK warning:",
                              "The backup image has no " + names + ": it was taken before data.txt named " +
                                  (absent.size() == 1 ? "that block" : "those blocks") +
                                  ". The game keeps what it holds there now; everything the image has is restored.",
                              MessageIcon::Warning, MessageButtons::Ok, Answer::Ok});
}

// The text and list files the image would put back, with the content it holds of them. One the image
// lacks (or holds no regular file for) is left out: its copy fails and is reported as it happens. One
// that cannot be read stops the restore before its first byte, since its copy would go unrecorded.
void addTextFiles(const ImageContext& context, PlannedWrite& planned)
{
    for (const ImageTextFile& file : context.image.textFiles()) {
        const std::filesystem::path kept = context.image.file(file.imageName);
        std::error_code absent;
        if (!std::filesystem::is_regular_file(std::filesystem::symlink_status(kept, absent)))
            continue;
        try {
            planned.replace(resolveGamePath(context.gameDir, file.gameName),
                            FileHandle::openRegular(kept, FileHandle::Access::Read).readAll());
        } catch (const PlorikError& failure) {
            throw WriteRefused(failure.what() + std::string(kNothingWritten));
        }
    }
}

std::vector<std::string> restoreTextFiles(const ImageContext& context)
{
    std::vector<std::string> restored;
    for (const ImageTextFile& file : context.image.textFiles()) {
        const std::filesystem::path target = resolveGamePath(context.gameDir, file.gameName);
        try {
            refuseLinkOutside(target, resolveGamePath(context.gameDir));
            copyFileContent(context.image.file(file.imageName), target, target.parent_path() / "temp.tmp");
            restored.push_back(file.gameName);
        } catch (const PlorikError&) {
            ++context.failedCopies;
            // The game's own three texts end their warnings with "!.", the list files with ".".
            context.prompter.message(
                {"PLORIK warning:", "\"" + file.gameName + "\" could not be restored" + (file.alwaysTaken ? "!." : "."),
                 MessageIcon::Error, MessageButtons::Ok, Answer::Ok});
        }
    }
    return restored;
}

} // namespace

void restoreFromImage(const ImageContext& context)
{
    context.status("Restoring from backup image... 0% complete");
    RestorePlan plan(context);
    std::vector<ImageBlock> absent;
    planOrRefuse([&] {
        for (const ImageBlock& block : context.image.blocks()) {
            if (const auto file = openImageBlock(context.image, block))
                plan.add({blockDescription(block.kind) + " (" + block.fileName() + ")", block.offset, file->readAll()});
            else
                absent.push_back(block);
        }
        plan.openExecutable();
        plan.checkRegions();
    });
    warnAbsentBlocks(context, absent);
    PlannedWrite planned;
    addTextFiles(context, planned);
    plan.addTo(planned);
    announce(context.beforeWrite, planned);
    plan.write(restoreTextFiles(context));
}

void restoreSingleSlot(const ImageContext& context, std::int32_t slot)
{
    context.status("Restoring from backup image... 0% complete");
    const VersionProfile& profile = context.profile;
    const BackupImage& image = context.image;
    const std::int64_t index = slot - 1;
    const std::string slotText = " of slot " + std::to_string(slot);
    RestorePlan plan(context);
    std::vector<ImageBlock> absent;
    planOrRefuse([&] {
        const BinaryFile& exe = plan.openExecutable();
        // Each block file the slot's records come from, checked whole; one the image lacks is named.
        const auto blockFile = [&](const std::optional<ImageBlock>& block) -> std::optional<FileHandle> {
            if (!block)
                return std::nullopt;
            auto file = openImageBlock(image, *block);
            if (!file)
                absent.push_back(*block);
            return file;
        };
        const std::int64_t entryLength = profile.entryLength();
        const auto craft = image.block(ImageBlockKind::CraftTable);
        if (const auto file = blockFile(craft))
            plan.add({"the craft entry" + slotText, craft->offset + index * entryLength,
                      readPart(*file, index * entryLength, entryLength)});
        const auto shipTypes = image.block(ImageBlockKind::ShipTypeBlock);
        if (const auto file = blockFile(shipTypes)) {
            const std::int64_t length = profile.held(Key::ShipTypeLen);
            plan.add({"the ship type entry" + slotText, shipTypes->offset + index * length,
                      readPart(*file, index * length, length)});
        }
        const auto species = image.block(ImageBlockKind::SpeciesTable);
        if (const auto file = blockFile(species)) {
            // Entry k holds the slot whose species number is k + 1: the entries that name this slot,
            // in the image or now, are the slot's own.
            const std::int64_t length = 2 * std::int64_t{profile.slotCount()};
            const std::string kept = readPart(*file, 0, length);
            const std::string now = readRegion(exe, species->offset, length, blockDescription(species->kind));
            for (std::size_t at = 0; at + 1 < kept.size(); at += 2) {
                if (wordAt(kept, at) == slot || wordAt(now, at) == slot)
                    plan.add({"species table entry " + std::to_string(at / 2 + 1),
                              species->offset + static_cast<std::int64_t>(at), kept.substr(at, 2)});
            }
        }
        plan.checkRegions();
    });
    warnAbsentBlocks(context, absent);
    PlannedWrite planned;
    plan.addTo(planned);
    announce(context.beforeWrite, planned);
    plan.write({});
}

} // namespace plorik
