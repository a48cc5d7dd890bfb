#pragma once

#include "controls/Windows.h"
#include "form/Form.h"
#include "form/FormSet.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace plorik {

// One column of an exported craft table: a field that "Write" stores, named by its control's key,
// or one cell of a grid, named KEY[ROW,COLUMN].
struct TableColumn {
    std::string name;
    MainKey control;
    std::optional<std::size_t> row;
    std::optional<std::size_t> column;
};

// The first column of every table: the slot number.
inline constexpr std::string_view kSlotColumn = "Slot";

// Every field "Write" stores for the family, in page order: the grids' stored cells one by one.
std::vector<TableColumn> tableColumns(bool xwa);

// The column of that name, or nullptr.
const TableColumn* findColumn(const std::vector<TableColumn>& columns, std::string_view name);

// The text the page shows for the column: a box's or list's text, "true" or "false" for check boxes
// and radio buttons, a cell's text.
std::string columnValue(const MainForm& form, const TableColumn& column);

// The edit that makes the column show `value` (game text), as typing would.
FormSet columnEdit(const TableColumn& column, std::string value);

} // namespace plorik
