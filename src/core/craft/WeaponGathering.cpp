#include "craft/Placeholders.h"
#include "craft/SlotGathering.h"

#include "craft/CraftLayout.h"

#include "controls/MainWindowControls.h"
#include "text/NumberRule.h"

namespace plorik {

void SlotGathering::gatherWeapons(std::span<const layout::WeaponRow> rows, std::span<const layout::Field> bytes,
                                  std::size_t slotRows)
{
    const bool wordTypes = m_profile.isXwa();
    for (const layout::Field& field : bytes) {
        if (edited(*field.control))
            storeByte(Key::WeaponStatsStart, field.offset, number(*field.control));
    }
    for (const layout::WeaponRow& row : rows) {
        const std::string& text = m_form[*row.type].text();
        // A code that data.txt does not name shows "Unkown": it keeps the code it stands for.
        const bool named = text != kUnnamedCode && text != kNotLookedUp && edited(*row.type);
        const std::int64_t type = readLeadingNumber(text);
        if (named && wordTypes)
            storeWord(Key::WeaponStatsStart, row.typeOffset, type);
        else if (named)
            storeByte(Key::WeaponStatsStart, row.typeOffset, type);
        for (std::size_t b = 0; b < 4; ++b) {
            if (row.boxes[b] && edited(*row.boxes[b]))
                storeByte(Key::WeaponStatsStart, row.offsets[b], number(*row.boxes[b]));
        }
    }
    gatherWeaponSlots(slotRows);
}

void SlotGathering::gatherWeaponSlots(std::size_t rows)
{
    const Control& grid = m_form[controls::WeaponSlotsGrid];
    for (std::size_t row = 1; row <= rows && row < grid.rowCount(); ++row) {
        for (std::size_t column = 1; column <= 4 && column < grid.columnCount(); ++column) {
            if (m_shown.cellChanged(m_form, controls::WeaponSlotsGrid, row, column))
                storeWord(Key::WeaponStatsStart, layout::weaponSlotOffset(row, column),
                          readNumber(grid.cell(row, column)));
        }
    }
}

// X-Wing vs. TIE Fighter shows the gunners and turrets but keeps only the point of view.
void SlotGathering::gatherCockpit()
{
    const Control& grid = m_form[controls::CockpitPositionsGrid];
    const auto edit = [&](const layout::CockpitCell& cell) {
        return m_shown.cellChanged(m_form, controls::CockpitPositionsGrid, cell.row, cell.column);
    };
    for (const layout::CockpitCell& cell : layout::kPovCells) {
        if (edit(cell))
            storeWord(Key::CockpitPov, cell.offset, readNumber(grid.cell(cell.row, cell.column)));
    }
    if (!m_profile.isXwa())
        return;
    for (const layout::CockpitCell& cell : layout::kGunnerCells) {
        if (edit(cell))
            storeWord(Key::CockpitPov, cell.offset, readNumber(grid.cell(cell.row, cell.column)));
    }
    for (const layout::Field& box : layout::kTurretBoxes) {
        if (edited(*box.control))
            storeWord(Key::CockpitPov, box.offset, readNumber(m_form[*box.control].text()));
    }
}

} // namespace plorik
