#include "weapons/WeaponEditor.h"

#include "common/Errors.h"
#include "common/WriteFailure.h"
#include "controls/WeaponEditorControls.h"
#include "craft/CraftTable.h"
#include "craft/Placeholders.h"
#include "gamefiles/GameTextWrites.h"
#include "gamefiles/TextLines.h"
#include "io/AtomicFile.h"
#include "io/BinaryFile.h"
#include "io/GamePath.h"
#include "text/NumberRule.h"
#include "text/StrictNumber.h"
#include "weapons/WeaponStats.h"

#include <algorithm>

namespace plorik {

namespace ui_w = controls::weapons;

namespace {

constexpr const char* kEquipmentList = "FlightModels\\EQUIPMENT0.LST";

// A refusal of "Write Wpn.", found before the first byte is written.
struct Refusal {
    std::string text;
};

WeaponKey boxOf(WeaponField field)
{
    switch (field) {
    case WeaponField::Power: return ui_w::PowerBox;
    case WeaponField::Speed: return ui_w::WpnSpeedBox;
    case WeaponField::TimeToLive: return ui_w::TimeToLiveBox;
    case WeaponField::Unknown: return ui_w::WpnUnknownBox;
    case WeaponField::Category: break;
    }
    return ui_w::CategoryNumberBox;
}

std::int64_t numberFrom(const std::vector<std::uint8_t>& bytes, bool isSigned)
{
    std::uint32_t value = 0;
    for (std::size_t i = bytes.size(); i-- > 0;)
        value = (value << 8) | bytes[i];
    if (isSigned && bytes.size() == 4)
        return static_cast<std::int32_t>(value);
    return value;
}

bool isNoModel(const std::string& text)
{
    std::string lower = text;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c); });
    return lower == "none assigned";
}

} // namespace

std::int32_t WeaponEditor::chosenWeapon(const std::string& suffix)
{
    const int index = control(ui_w::WeaponList).index();
    if (index < 0)
        throw RangeError("Range check error: no weapon is chosen in \"Weapon:\"." + suffix);
    if (index > 255)
        throw RangeError("Range check error: weapon " + std::to_string(index) +
                         " is above 255, the last weapon a weapon index can name." + suffix);
    return index;
}

std::optional<std::string> WeaponEditor::outsideBlock(std::int32_t weapon)
{
    const std::int32_t fitting = weaponsInBlock(xwa());
    if (weapon < fitting)
        return std::nullopt;
    return "Weapon " + std::to_string(weapon) + " (\"" + control(ui_w::WeaponList).text() +
           "\") has no values in the weapon block: the " + std::to_string(kWeaponBlockLength) +
           " bytes at WEAPONOFFSET hold weapons 0 to " + std::to_string(fitting - 1) + ".";
}

bool WeaponEditor::hasOptRecords() const
{
    return xwa() && !m_context.profile.absent(Key::ShipTypeStart);
}

std::int64_t WeaponEditor::optRecordOffset(std::int32_t weapon) const
{
    // The records follow the ship type block, one per weapon type.
    return CraftTable(m_context.profile).weaponOptRecordOffset(weapon + 1);
}

std::filesystem::path WeaponEditor::equipmentList() const
{
    return resolveGamePath(m_context.gameDir, kEquipmentList);
}

void WeaponEditor::refuse(const std::string& text)
{
    m_context.prompter.message({"PLORIK error:", text, MessageIcon::Error, MessageButtons::Ok, Answer::Ok});
}

void WeaponEditor::show()
{
    if (m_context.profile.absent(Key::WeaponOffset))
        return;
    const std::int32_t weapon = chosenWeapon("");
    control(ui_w::CategoryList).setText("unkown");
    if (const auto outside = outsideBlock(weapon)) {
        refuse(*outside);
        return;
    }
    const BinaryFile file(m_context.executable, BinaryFile::Mode::Read);
    const ExecutableView exe(file, m_context.laid);
    const std::int64_t block = m_context.profile.held(Key::WeaponOffset);
    std::vector<std::string> shown;
    for (WeaponField field : kWeaponFields) {
        const WeaponFieldPlace place = weaponFieldPlace(field, xwa(), weapon);
        shown.push_back(
            std::to_string(numberFrom(exe.readExactlyAt(block + place.offset, place.width), place.isSigned)));
    }
    for (std::size_t i = 0; i < kWeaponFields.size(); ++i)
        control(boxOf(kWeaponFields[i])).setText(shown[i]);
    control(ui_w::CategoryList).setText(shown.back());
    if (!hasOptRecords())
        return;

    const std::vector<std::uint8_t> record =
        exe.readExactlyAt(optRecordOffset(weapon), static_cast<std::size_t>(WeaponOptRecord::kLength));
    const std::uint8_t type = record[WeaponOptRecord::kType];
    Control& types = control(ui_w::WpnTypeList);
    types.setIndex(type < types.items().size() ? type : -1);
    control(ui_w::WpnEnabledBox).setChecked(record[WeaponOptRecord::kEnabled] == 3);
    const auto model =
        static_cast<std::int64_t>(record[WeaponOptRecord::kModel] | (record[WeaponOptRecord::kModel + 1] << 8));
    control(ui_w::WpnIndexBox).setText(std::to_string(model));
    Control& opt = control(ui_w::WpnOptBox);
    try {
        opt.setText(readLineNumber(equipmentList(), model + 1).value_or(std::string(kNoModelLine)));
    } catch (const FileError&) {
        // Without the list the box names no model, so that "Write Wpn." leaves the list alone.
        opt.setText(kNoModelLine);
        throw;
    }
}

void WeaponEditor::categoryChosen()
{
    const std::string& category = control(ui_w::CategoryList).text();
    control(ui_w::CategoryNumberBox).setText(category.substr(0, category.find(' ')));
}

WeaponEditor::Plan WeaponEditor::plan(std::int32_t weapon)
{
    // Opened for writing now, so a write-protected or missing executable stops the write here.
    refuseLinkOutside(m_context.executable, resolveGamePath(m_context.gameDir));
    const BinaryFile exe(m_context.executable, BinaryFile::Mode::ReadWrite);
    const std::int64_t blockStart = m_context.profile.held(Key::WeaponOffset);
    const std::string ofWeapon = " of weapon " + std::to_string(weapon);
    Plan plan;
    std::vector<FilePatch> block;
    for (WeaponField field : kWeaponFields) {
        std::string text = control(boxOf(field)).text();
        if (field == WeaponField::Category)
            text = text.substr(0, 3);
        const auto value = static_cast<std::uint32_t>(readNumber(text));
        block.push_back({"the " + std::string(weaponFieldName(field)) + ofWeapon,
                         blockStart + weaponFieldPlace(field, xwa(), weapon).offset, littleEndianBytes(value, 2)});
    }
    std::vector<FilePatch> record;
    const std::string ofRecord = "the OPT record" + ofWeapon;
    if (hasOptRecords()) {
        const std::int64_t at = optRecordOffset(weapon);
        const std::string& model = control(ui_w::WpnOptBox).text();
        if (!isNoModel(model)) {
            // The index names the line the model replaces: a text that is no number must not pick line 1.
            const std::string& typed = control(ui_w::WpnIndexBox).text();
            const auto number = parseWholeNumber(typed);
            if (!number)
                throw Refusal{"\"" + typed + "\" is not a valid whole number (Index:)."};
            const std::int64_t index = *number & 0xFFFF;
            const OptListContent list = optListWithEntry(equipmentList(), index, model);
            refuseLinkOutside(equipmentList(), resolveGamePath(m_context.gameDir));
            checkReplaceable(equipmentList(), resolveGamePath(m_context.gameDir, "temp.tmp"));
            plan.listContent = list.content;
            plan.modelIndex = list.placedAt;
            record.push_back({ofRecord, at + WeaponOptRecord::kModel,
                              littleEndianBytes(static_cast<std::uint32_t>(list.placedAt), 2)});
        }
        // A type byte that no "Type:" item names shows no item and keeps its byte.
        if (const int type = control(ui_w::WpnTypeList).index(); type >= 0)
            record.push_back(
                {ofRecord, at + WeaponOptRecord::kType, littleEndianBytes(static_cast<std::uint32_t>(type), 1)});
        const std::uint32_t enabled = control(ui_w::WpnEnabledBox).checked() ? 3 : 2;
        record.push_back({ofRecord, at + WeaponOptRecord::kEnabled, littleEndianBytes(enabled, 1)});
    }
    // Each region is written as one, with the bytes between its fields as they are now: the
    // weapon's values in the block, and its OPT record.
    const std::string exeName = m_context.executable.filename().string();
    const std::pair<std::string, const std::vector<FilePatch>*> regions[] = {
        {"the values" + ofWeapon + " in the weapon block", &block}, {ofRecord, &record}};
    for (const auto& [region, fields] : regions) {
        if (fields->empty())
            continue;
        if (const auto outside = patchOutside(*fields, exe.size(), exeName))
            throw Refusal{*outside};
        plan.regions.push_back(spanOf(*fields, exe, region));
    }
    return plan;
}

void WeaponEditor::commit(const Plan& plan)
{
    PlannedWrite planned;
    if (plan.listContent)
        planned.replace(equipmentList(), *plan.listContent);
    for (const FilePatch& region : plan.regions)
        planned.region(m_context.executable, region.offset, region.bytes, region.what);
    announce(m_context.beforeWrite, planned);
    std::vector<std::string> written;
    std::string writing; // a region patched in place, which a failure may leave written in part
    try {
        if (plan.listContent) {
            replaceFileContent(equipmentList(), *plan.listContent, resolveGamePath(m_context.gameDir, "temp.tmp"));
            written.push_back(kEquipmentList);
            // A list shorter than the index took the model as its new last line: the box shows
            // where it went, as the record will.
            Control& index = control(ui_w::WpnIndexBox);
            if (index.text() != std::to_string(plan.modelIndex))
                index.setText(std::to_string(plan.modelIndex));
        }
        BinaryFile exe(m_context.executable, BinaryFile::Mode::ReadWrite);
        for (const FilePatch& region : plan.regions) {
            writing = region.what;
            exe.writeRegion(region.offset, region.bytes, region.what);
            written.push_back(region.what);
            writing.clear();
        }
    } catch (const PlorikError& failure) {
        throw PlorikError(writeFailureReport(failure.what(), written, writing, nothingWrittenSentence()));
    }
}

void WeaponEditor::write()
{
    if (m_context.profile.absent(Key::WeaponOffset)) {
        refuse("This game version has no weapon block (WEAPONOFFSET is not set)." + nothingWrittenSentence());
        return;
    }
    const std::int32_t weapon = chosenWeapon(nothingWrittenSentence());
    if (const auto outside = outsideBlock(weapon)) {
        refuse(*outside + nothingWrittenSentence());
        return;
    }
    Plan planned;
    try {
        planned = plan(weapon);
    } catch (const Refusal& refusal) {
        refuse(refusal.text + nothingWrittenSentence());
        return;
    } catch (const PlorikError& failure) {
        refuse(failure.what() + nothingWrittenSentence());
        return;
    }
    commit(planned);
}

} // namespace plorik
