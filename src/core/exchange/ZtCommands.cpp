#include "exchange/ZtCommands.h"

#include "backup/ImageRegions.h"
#include "common/WriteFailure.h"
#include "exchange/ZtEditions.h"
#include "exchange/ZtRecords.h"
#include "io/AtomicFile.h"
#include "io/BinaryFile.h"
#include "io/FileHandle.h"

#include <system_error>

namespace plorik {

namespace {

const FileChoice kSaveSingle{"Save current Ship statistics as a *.ZT patching file", "*.zt", "ZT patch file |*.zt", 1,
                             true};
const FileChoice kSavePackage{"Save ZT ship patch", "*.zt", "ZT patch file |*.zt", 1, true};

constexpr ImageBlockKind kPackageBlocks[] = {ImageBlockKind::CraftTable, ImageBlockKind::ShipTypeBlock,
                                             ImageBlockKind::WeaponBlock};

// False, after an error box that names it, when the chosen file may not be replaced by a ZT file.
bool mayReplace(const ZtContext& context, const std::filesystem::path& target)
{
    const auto refusal = saveTargetRefusal(target, context.protectedFiles, ".zt");
    if (!refusal)
        return true;
    context.prompter.message(
        {"PLORIK error:", *refusal + nothingWrittenParagraph(), MessageIcon::Error, MessageButtons::Ok, Answer::Ok});
    return false;
}

void writeZtFile(const std::filesystem::path& target, const std::string& content)
{
    std::filesystem::path scratch = target;
    scratch += ".plorik-save.tmp";
    replaceFileContent(target, content, scratch);
}

// How far the package has come, as the status bar shows it: with two editions the first package
// covers 0 to 49 and the second 50 to 99.
struct PackagePhase {
    int editions = 1;
    int index = 0;

    std::string text(std::int64_t position, std::int64_t size) const
    {
        std::int64_t percent = size > 0 ? position * 100 / size : 0;
        if (editions == 2)
            percent = index * 50 + percent / 2;
        if (percent > 0)
            --percent;
        return "Creating ZT package... " + std::to_string(percent) + " % done";
    }
};

// The shift of each block's offsets in the package: 0 for the loaded edition.
struct BlockShifts {
    std::int64_t craftTable = 0;
    std::int64_t shipTypeBlock = 0;
    std::int64_t weaponBlock = 0;

    std::int64_t of(ImageBlockKind kind) const
    {
        switch (kind) {
        case ImageBlockKind::CraftTable: return craftTable;
        case ImageBlockKind::ShipTypeBlock: return shipTypeBlock;
        case ImageBlockKind::WeaponBlock: return weaponBlock;
        case ImageBlockKind::SpeciesTable: break;
        }
        return 0;
    }
};

void writePackage(const ZtContext& context, const BackupImage& image, const std::filesystem::path& target,
                  const BlockShifts& shifts, const PackagePhase& phase)
{
    ZtPackage package(context.profile.isXwa());
    const BinaryFile exe(context.executable, BinaryFile::Mode::Read);
    const auto progress = [&](std::int64_t position, std::int64_t size) { context.status(phase.text(position, size)); };
    for (ImageBlockKind kind : kPackageBlocks) {
        const auto block = image.block(kind);
        if (!block)
            continue;
        const std::string kept = readImageBlock(image, *block);
        const std::string current =
            readRegion(exe, block->offset, static_cast<std::int64_t>(kept.size()), blockDescription(kind));
        package.compare(current, kept, block->offset, shifts.of(kind), progress);
    }
    if (!context.comment.empty()) {
        context.status("Creating ZT package... Adding your comments...");
        package.addComment(context.comment);
    }
    writeZtFile(target, package.content());
}

// The shifts of the other edition, or nullopt when data.txt lacks what they need (said in an error
// box).
std::optional<BlockShifts> otherEditionShifts(const ZtContext& context, const BackupImage& image,
                                              const Xwa202Edition& edition, const std::string& firstFile)
{
    const VersionProfile& profile = context.profile;
    std::string missing;
    BlockShifts shifts;
    try {
        const EditionOffsets other = readEditionOffsets(context.dataFile, edition.otherName);
        const auto shift = [&](ImageBlockKind kind, const std::optional<std::int32_t>& value, const char* line,
                               Key key) -> std::int64_t {
            if (!image.block(kind))
                return 0;
            if (!value) {
                missing += (missing.empty() ? "" : ", ") + std::string("\"") + line + "\"";
                return 0;
            }
            return std::int64_t{*value} - profile.held(key);
        };
        shifts.craftTable = shift(ImageBlockKind::CraftTable, other.craftOffset, "CraftOffset =", Key::CraftOffset);
        shifts.shipTypeBlock =
            shift(ImageBlockKind::ShipTypeBlock, other.shipTypeStart, "Shiptypestart =", Key::ShipTypeStart);
        shifts.weaponBlock =
            shift(ImageBlockKind::WeaponBlock, other.weaponOffset, "WeaponOffset =", Key::WeaponOffset);
        if (!missing.empty())
            missing = "the entry \"" + edition.otherName + "\" of data.txt has no line " + missing;
    } catch (const EditionLookupError& lookup) {
        missing = lookup.what();
    }
    if (missing.empty())
        return shifts;
    context.prompter.message({"PLORIK error:",
                              "The ZT package for \"" + edition.otherName + "\" was not made: " + missing +
                                  ".\r\rThe package " + firstFile + " is complete.",
                              MessageIcon::Error, MessageButtons::Ok, Answer::Ok});
    return std::nullopt;
}

} // namespace

void saveSingleSlotZt(const ZtContext& context, std::int32_t slot)
{
    const auto chosen = context.prompter.saveFile(kSaveSingle);
    if (!chosen || !mayReplace(context, *chosen))
        return;
    std::string content;
    {
        const BinaryFile exe(context.executable, BinaryFile::Mode::Read);
        content = singleSlotZt(context.profile, exe, slot, context.comment);
    }
    writeZtFile(*chosen, content);
}

void makeZtPackages(const ZtContext& context, const BackupImage& image)
{
    const auto edition = xwa202Edition(context.versionName);
    if (edition)
        context.prompter.message({"PLORIK patch note:",
                                  "Due to the fact that XWA 2.02 exists as two different versions - a International "
                                  "and a US version - PLORIK will infact create two ZT patches for you. One will be "
                                  "labeled as \"*.ztint.zt\" for international versions!",
                                  MessageIcon::Warning, MessageButtons::Ok, Answer::Ok});
    const auto chosen = context.prompter.saveFile(kSavePackage);
    if (!chosen)
        return;
    const std::string first = *chosen + (edition && edition->international ? "int.zt" : "");
    const std::string second = edition && edition->international ? *chosen : *chosen + "int.zt";
    if (!mayReplace(context, first) || (edition && !mayReplace(context, second)))
        return;
    // The dialog asked about the file it named; the international package's file is asked about here,
    // in the dialog's own words.
    std::error_code absent;
    const std::filesystem::path unasked = *chosen + "int.zt";
    if (edition && std::filesystem::exists(std::filesystem::symlink_status(unasked, absent)) &&
        context.prompter.message({kSavePackage.title,
                                  unasked.filename().string() + " already exists.\rDo you want to replace it?",
                                  MessageIcon::Warning, MessageButtons::YesNo, Answer::No}) != Answer::Yes)
        return;
    context.status("Creating ZT package... 0 % done");
    writePackage(context, image, first, {}, {edition ? 2 : 1, 0});
    if (edition) {
        const auto shifts = otherEditionShifts(context, image, *edition, first);
        if (!shifts)
            return;
        writePackage(context, image, second, *shifts, {2, 1});
    }
    context.status("Done.");
}

} // namespace plorik
