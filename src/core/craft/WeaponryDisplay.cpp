#include "craft/CraftLayout.h"
#include "craft/DisplaySteps.h"
#include "craft/Placeholders.h"
#include "profile/LookupSections.h"
#include "windows/MainWindowControls.h"

namespace plorik::display {

namespace {

// Controls only X-Wing Alliance craft have.
constexpr ControlKey kXwaOnly[] = {ui::CapWpnSys,      ui::TurboRange,      ui::SupRange,       ui::TrackBar1,
                                   ui::TrackBar2,      ui::TurboFirePri,    ui::SupFirePri,     ui::MoreLasersLabel,
                                   ui::LessOftenLabel, ui::LessLasersLabel, ui::MoreOftenLabel, ui::DoubleClicksLabel};

void showByte(const DisplayContext& context, ControlKey key, std::int32_t offset)
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
    Control& list = context[ui::ComboBox9];
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
    Control& grid = context[ui::wpn];
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
        showByte(context, ui::TurboRange, 20);
        showByte(context, ui::SupRange, 24);
        for (const auto& [trackBar, box, offset] :
             {std::tuple{ui::TrackBar1, ui::TurboFirePri, 30}, std::tuple{ui::TrackBar2, ui::SupFirePri, 32}}) {
            if (const auto at = context.field(Key::WeaponStatsStart, offset, 1)) {
                context[trackBar].setPosition(context.slot.byte(*at));
                updateFirePriorityBox(context.form, trackBar, box);
            } else {
                context[trackBar].setEnabled(false);
                context[box].setEnabled(false);
            }
        }
        showByte(context, ui::WarheadLoad1Box, 46);
        showByte(context, ui::WarheadLoad2Box, 47);
    } else {
        showRows(context, layout::kXvtWeaponRows, std::size(layout::kXvtWeaponRows));
        context[ui::ComboBox8].setText("Unknown");
        showByte(context, ui::WarheadLoad1Box, 18);
        showByte(context, ui::WarheadLoad2Box, 19);
        for (ControlKey key : kXwaOnly)
            context[key].setEnabled(false);
    }
    showWeaponSlots(context);
}

} // namespace plorik::display
