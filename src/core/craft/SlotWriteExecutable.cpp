#include "common/Errors.h"
#include "controls/MainWindowControls.h"
#include "craft/CraftTable.h"
#include "craft/FreeValues.h"
#include "craft/Placeholders.h"
#include "craft/SlotWrite.h"
#include "gamefiles/GameTextWrites.h"
#include "gamefiles/OptList.h"
#include "gamefiles/PilotFiles.h"
#include "io/BinaryFile.h"
#include "io/GamePath.h"
#include "text/NumberRule.h"

namespace plorik {

namespace {

std::vector<std::uint8_t> littleEndian(std::uint32_t value, std::size_t width)
{
    std::vector<std::uint8_t> bytes;
    for (std::size_t i = 0; i < width; ++i)
        bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    return bytes;
}

// The list files a ship type entry can name; nothing else is ever taken for a file name.
bool isOptListFile(const std::string& name, bool xwa)
{
    for (std::int32_t selector = 0; selector < 3; ++selector) {
        if (name != kUnknownOptList && name == optListFileName(selector, xwa))
            return true;
    }
    return false;
}

// The fields of one region become one patch of the whole span they cover, the bytes between them
// as they stand now, so that each region is written with one positioned write.
void mergeRegions(std::vector<ExecutablePatch>& patches, const BinaryFile& exe)
{
    std::vector<ExecutablePatch> merged;
    for (ExecutablePatch& patch : patches) {
        if (merged.empty() || merged.back().region != patch.region) {
            merged.push_back(std::move(patch));
            continue;
        }
        ExecutablePatch& whole = merged.back();
        const std::int64_t start = std::min(whole.offset, patch.offset);
        const std::int64_t end =
            std::max(whole.offset + std::int64_t(whole.bytes.size()), patch.offset + std::int64_t(patch.bytes.size()));
        std::vector<std::uint8_t> span = exe.readExactlyAt(start, static_cast<std::size_t>(end - start));
        for (const ExecutablePatch* part : {&whole, &patch})
            std::copy(part->bytes.begin(), part->bytes.end(), span.begin() + (part->offset - start));
        whole.offset = start;
        whole.bytes = std::move(span);
    }
    patches = std::move(merged);
}

} // namespace

void SlotWrite::planExecutable(WritePlan& plan, const SlotBuffer& gathered)
{
    const VersionProfile& profile = m_context.profile;
    const CraftTable table(profile);
    const std::int32_t slot = slotNumber();
    const std::string ofSlot = " of slot " + std::to_string(slot);
    // Opened for writing now, so a write-protected or missing executable stops the write here.
    refuseLinkOutside(m_context.executable, resolveGamePath(m_context.gameDir));
    const BinaryFile exe(m_context.executable, BinaryFile::Mode::ReadWrite);

    const auto& buffer = gathered.bytes();
    plan.executable.push_back({"the craft entry" + ofSlot,
                               table.craftEntryOffset(slot),
                               {buffer.begin(), buffer.begin() + profile.entryLength()}});
    planOptList(plan);

    if (!profile.absent(Key::SpecNoOffset) && speciesChosen() && edited(controls::SpecNo)) {
        const std::int32_t species = readNumber(m_species);
        // The table is written in whole 2-byte records counted from the start of the file.
        const std::int64_t record = table.speciesEntryOffset(species) / 2;
        plan.executable.push_back({"the species table entry of species " + m_species, record * 2,
                                   littleEndian(static_cast<std::uint32_t>(slot), 2)});
    }

    if (!profile.absent(Key::ShipTypeStart)) {
        const std::int64_t base = table.shipTypeBase(slot);
        const std::string region = "the ship type entry" + ofSlot;
        const int shipType = control(controls::ShipTypeList).index();
        if (shipType >= 0 && edited(controls::ShipTypeList)) // no item chosen: the stored type stays
            plan.executable.push_back({region, base, littleEndian(static_cast<std::uint32_t>(shipType), 1)});
        if (edited(controls::EnabledBox))
            plan.executable.push_back(
                {region, base - 3, littleEndian(control(controls::EnabledBox).checked() ? 3 : 2, 1)});
        const std::string listFile = plan.optList ? plan.optListName : control(controls::OptListFileBox).text();
        const std::int64_t selectorAt = base + (xwa() ? 17 : 21);
        for (std::int32_t selector = 0; selector < 3 && (plan.optList || edited(controls::OptListFileBox));
             ++selector) {
            if (isOptListFile(listFile, true) && listFile == optListFileName(selector, true))
                plan.executable.push_back({region, selectorAt, littleEndian(static_cast<std::uint32_t>(selector), 2)});
            else if (isOptListFile(listFile, false) && listFile == optListFileName(selector, false))
                plan.executable.push_back({region, selectorAt, littleEndian(static_cast<std::uint32_t>(selector), 1)});
        }
        const auto optIndex = static_cast<std::uint32_t>(
            plan.optList ? plan.optIndex : readNumber(control(controls::OptIndexBox).text()));
        const bool indexEdited = plan.optList || edited(controls::OptIndexBox);
        if (xwa()) {
            for (const auto& [box, at] :
                 {std::pair{controls::CapWpnSys, 14}, std::pair{controls::TargetTypeList, 13}}) {
                if (edited(box))
                    plan.executable.push_back(
                        {region, base + at,
                         littleEndian(static_cast<std::uint32_t>(readLeadingNumber(control(box).text())), 1)});
            }
            if (indexEdited)
                plan.executable.push_back({region, base + 19, littleEndian(optIndex, 2)});
        } else if (indexEdited) {
            plan.executable.push_back({region, base + 22, littleEndian(optIndex, 1)});
        }
    }
    planFreeValues(plan);
    checkRegions(plan, exe.size());
    mergeRegions(plan.executable, exe);
    planSlotLink(plan, exe);

    if (control(controls::Known).checked()) {
        plan.pilotOffset = kPilotKnownCraft + readNumber(m_species);
        for (const auto& file : pilotFiles(resolveGamePath(m_context.gameDir))) {
            const BinaryFile pilot(file, BinaryFile::Mode::Read);
            if (pilot.readExactlyAt(plan.pilotOffset, 1).front() == 1)
                continue;
            refuseWriteProtected(file);
            plan.pilotFiles.push_back(file);
        }
    }
}

void SlotWrite::planOptList(WritePlan& plan)
{
    // The list entry belongs to the ship type entry, which names the list.
    if (m_context.profile.absent(Key::ShipTypeStart) || !isModelName(control(controls::DBOPTFile).text()))
        return;
    if (!edited(controls::DBOPTFile) && !edited(controls::OptListFileBox) && !edited(controls::OptIndexBox))
        return; // the list line shown stays
    std::string listFile = control(controls::OptListFileBox).text();
    std::int64_t index = readNumber(control(controls::OptIndexBox).text());
    if (listFile == kUnknownOptList) {
        listFile = optListFileName(0, xwa());
        index = countOptListLines(gameFile(listFile));
    }
    if (!isOptListFile(listFile, xwa()))
        return;
    const OptListContent list = optListWithEntry(gameFile(listFile), index, control(controls::DBOPTFile).text());
    plan.optList = FileReplacement{listFile, gameFile(listFile), list.content};
    plan.optListName = listFile;
    plan.optIndex = list.placedAt;
}

void SlotWrite::planFreeValues(WritePlan& plan)
{
    Control& grid = control(controls::FreeValuesGrid);
    for (std::size_t row = 1; row <= kUnknownRows && row < grid.rowCount(); ++row) {
        const std::string location = grid.cell(row, 3);
        if (location.empty())
            continue;
        const auto position =
            freeValuePosition(m_context.profile, slotNumber(), location, readNumber(grid.cell(row, 4)));
        if (!position) {
            grid.setCell(row, 3, kFreeValueLocationError);
            continue;
        }
        // A value left as the display showed it could only put back what was read, or undo an
        // edit of the pages whose bytes it covers.
        const auto type = freeValueType(grid.cell(row, 1));
        const std::string& text = grid.cell(row, 2);
        if (!type || !m_context.shown.cellChanged(m_context.form, controls::FreeValuesGrid, row, 2))
            continue;
        std::string problem;
        const auto bytes = freeValueBytes(*type, text, problem);
        if (!bytes)
            throw PlorikError("\"value:\" of row " + std::to_string(row) + ": \"" + text + "\" " + problem + ".");
        plan.executable.push_back(
            {"the free value \"" + grid.cell(row, 0) + "\" (row " + std::to_string(row) + ")", *position, *bytes});
    }
}

void SlotWrite::checkRegions(const WritePlan& plan, std::int64_t exeSize) const
{
    for (const ExecutablePatch& patch : plan.executable) {
        const std::int64_t end = patch.offset + static_cast<std::int64_t>(patch.bytes.size());
        if (patch.offset >= 0 && end <= exeSize)
            continue;
        throw PlorikError(patch.region + " (bytes " + std::to_string(patch.offset) + " to " + std::to_string(end - 1) +
                          ") lies outside the executable, which has " + std::to_string(exeSize) + " bytes.");
    }
}

// The link byte as it will stand once the planned patches are written.
void SlotWrite::planSlotLink(WritePlan& plan, const BinaryFile& exe)
{
    if (m_context.profile.absent(Key::ShipTypeStart))
        return;
    const std::int32_t slot = slotNumber();
    const std::int64_t at = CraftTable(m_context.profile).shipTypeBase(slot) + (xwa() ? 15 : 20);
    ExecutablePatch link{"the ship slot link of slot " + std::to_string(slot), at,
                         littleEndian(static_cast<std::uint32_t>(slot - 1), 1)};
    checkRegions(WritePlan{.executable = {link}}, exe.size());
    std::int32_t value = exe.readExactlyAt(at, 1).front();
    for (const ExecutablePatch& patch : plan.executable) {
        if (at >= patch.offset && at < patch.offset + static_cast<std::int64_t>(patch.bytes.size()))
            value = patch.bytes[static_cast<std::size_t>(at - patch.offset)];
    }
    if (value + 1 != slot)
        plan.slotLink = std::move(link);
}

} // namespace plorik
