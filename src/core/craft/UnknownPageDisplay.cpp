#include "controls/MainWindowControls.h"
#include "craft/DisplaySteps.h"
#include "craft/FreeValues.h"
#include "text/NumberRule.h"

namespace plorik::display {

void showUnknownPage(const DisplayContext& context)
{
    Control& grid = context[controls::FreeValuesGrid];
    for (std::size_t row = 1; row < grid.rowCount() && row <= kUnknownRows; ++row) {
        const std::string& location = grid.cell(row, 3);
        if (location.empty())
            continue;
        const auto position =
            freeValuePosition(context.profile, context.slotNumber(), location, readNumber(grid.cell(row, 4)));
        if (!position) {
            grid.setCell(row, 3, kFreeValueLocationError);
            continue;
        }
        // Any other type name leaves the row as it is.
        const auto type = freeValueType(grid.cell(row, 1));
        if (!type)
            continue;
        grid.setCell(row, 2, freeValueText(*type, context.exe->readExactlyAt(*position, freeValueWidth(*type))));
    }
}

} // namespace plorik::display
