#include "controls/MainWindowControls.h"
#include "craft/CraftLayout.h"
#include "craft/DisplaySteps.h"
#include "craft/Placeholders.h"
#include "profile/LookupSections.h"

namespace plorik::display {

namespace {

// Controls only X-Wing Alliance craft have.
constexpr MainKey kXwaOnly[] = {controls::CapWpnSys,
                                controls::TurboRange,
                                controls::SupRange,
                                controls::TurboFirePriorityBar,
                                controls::SuperFirePriorityBar,
                                controls::TurboFirePri,
                                controls::SupFirePri,
                                controls::MoreLasersLabel,
                                controls::LessOftenLabel,
                                controls::LessLasersLabel,
                                controls::MoreOftenLabel,
                                controls::DoubleClicksLabel};

void showByte(const DisplayContext& context, MainKey key, std::int32_t offset)
{
    if (const auto at = context.field(Key::WeaponStatsStart, offset, 1))
        context[key].setText(std::to_string(context.slot.byte(*at)));
    else
        context[key].setEnabled(false);
}

std::string weaponTypeText(const DisplayContext& context, std::int32_t code)
{
    const Lookup lookup =
        context.xwa() ? lookupXwaWeaponType(context.dataFile, code) : lookupXvtWeaponType(context.dataFile, code);
    if (!lookup.sectionFound)
        throw MissingSectionError(context.xwa() ? section::kXwaWeaponTypes : section::kWeaponTypes);
    return lookup.line ? *lookup.line : std::string(kUnnamedCode);
}

void showRows(const DisplayContext& context, const layout::WeaponRow* rows, std::size_t count)
{
    const std::int32_t typeWidth = context.xwa() ? 2 : 1;
    for (std::size_t r = 0; r < count; ++r) {
        const layout::WeaponRow& row = rows[r];
        if (const auto at = context.field(Key::WeaponStatsStart, row.typeOffset, typeWidth)) {
            const std::int32_t code = typeWidth == 2 ? context.slot.word(*at) : context.slot.byte(*at);
            context[*row.type].setText(weaponTypeText(context, code));
        } else {
            context[*row.type].setEnabled(false);
        }
        for (std::size_t b = 0; b < 4; ++b) {
            if (row.boxes[b])
                showByte(context, *row.boxes[b], row.offsets[b]);
        }
    }
}

void showGunConvergence(const DisplayContext& context)
{
    Control& list = context[controls::GunConvergenceList];
    const auto at = context.field(Key::GunConvergence, 1);
    if (!at) {
        list.setEnabled(false);
        return;
    }
    const std::int32_t code = context.slot.byte(*at);
    const Lookup lookup = lookupGunConvergence(context.dataFile, code);
    if (!lookup.sectionFound)
        throw MissingSectionError(section::kGunConvergence);
    list.setText(lookup.line ? *lookup.line : std::to_string(code) + " Unkown");
}

void showWeaponSlots(const DisplayContext& context)
{
    const std::size_t rows = context.xwa() ? layout::kXwaWeaponSlotRows : layout::kXvtWeaponSlotRows;
    Control& grid = context[controls::WeaponSlotsGrid];
    grid.setGridSize(rows + 1, 5);
    for (std::size_t row = 1; row <= rows; ++row) {
        grid.setCell(row, 0, std::to_string(context.xwa() ? row : row - 1));
        for (std::size_t column = 1; column <= 4; ++column) {
            const auto at = context.field(Key::WeaponStatsStart, layout::weaponSlotOffset(row, column), 2);
            grid.setCell(row, column, at ? std::to_string(static_cast<std::int16_t>(context.slot.word(*at))) : "");
        }
    }
    if (!context.field(Key::WeaponStatsStart, layout::weaponSlotOffset(rows, 4), 2))
        grid.setEnabled(false); // part of the block lies beyond the buffer
}

} // namespace

void showWeaponry(const DisplayContext& context)
{
    showGunConvergence(context);
    if (context.xwa()) {
        showRows(context, layout::kXwaWeaponRows, std::size(layout::kXwaWeaponRows));
        showByte(context, controls::TurboRange, 20);
        showByte(context, controls::SupRange, 24);
        for (const auto& [trackBar, box, offset] :
             {std::tuple{controls::TurboFirePriorityBar, controls::TurboFirePri, 30},
              std::tuple{controls::SuperFirePriorityBar, controls::SupFirePri, 32}}) {
            if (const auto at = context.field(Key::WeaponStatsStart, offset, 1)) {
                context[trackBar].setPosition(context.slot.byte(*at));
                updateFirePriorityBox(context.form, trackBar, box);
            } else {
                context[trackBar].setEnabled(false);
                context[box].setEnabled(false);
            }
        }
        showByte(context, controls::WarheadLoad1Box, 46);
        showByte(context, controls::WarheadLoad2Box, 47);
    } else {
        showRows(context, layout::kXvtWeaponRows, std::size(layout::kXvtWeaponRows));
        context[controls::Laser3List].setText("Unknown");
        showByte(context, controls::WarheadLoad1Box, 18);
        showByte(context, controls::WarheadLoad2Box, 19);
        for (MainKey key : kXwaOnly)
            context[key].setEnabled(false);
    }
    showWeaponSlots(context);
}

} // namespace plorik::display
