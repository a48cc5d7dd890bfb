#include "controls/MainWindowControls.h"
#include "craft/CraftLayout.h"
#include "craft/DisplaySteps.h"

namespace plorik::display {

void showCockpit(const DisplayContext& context)
{
    const auto signedWord = [&](std::size_t at) {
        return std::to_string(static_cast<std::int16_t>(context.slot.word(at)));
    };
    // Each control shows its words when they lie inside the buffer, and is off otherwise.
    Control& grid = context[controls::CockpitPositionsGrid];
    if (context.field(Key::CockpitPov, layout::kGunnerCells[5].offset, 2)) {
        for (const layout::CockpitCell& cell : layout::kPovCells)
            grid.setCell(cell.row, cell.column, signedWord(*context.field(Key::CockpitPov, cell.offset, 2)));
        for (const layout::CockpitCell& cell : layout::kGunnerCells)
            grid.setCell(cell.row, cell.column, signedWord(*context.field(Key::CockpitPov, cell.offset, 2)));
    } else {
        grid.setEnabled(false);
    }
    for (const layout::Field& box : layout::kTurretBoxes) {
        if (const auto at = context.field(Key::CockpitPov, box.offset, 2))
            context[*box.control].setText(signedWord(*at));
        else
            context[*box.control].setEnabled(false);
    }
    if (const auto at = context.field(Key::IntFile, 1))
        context[controls::CockpitBox].setText(context.slot.text(*at));
    else
        context[controls::CockpitBox].setEnabled(false);
}

} // namespace plorik::display
