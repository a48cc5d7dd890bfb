#include "table/TableColumns.h"

#include "controls/MainWindowControls.h"
#include "craft/CraftLayout.h"
#include "craft/StatisticsFields.h"

#include <algorithm>

namespace plorik {

namespace {

using namespace controls;

// Fields whose bytes or lines "Write" stores, page by page (the frame's "Craft ID" with the
// Statistics page). The Opt page's mesh and hardpoint boxes have their own write commands.
// The Statistics page's fields that are not values of the craft entry: those of the ship type entry
// and of the ship list.
const MainControl* const kStatisticsChoices[] = {&ShipTypeList, &EnabledBox, &TargetTypeList, &Playmodebox,
                                                 &InSkirmishBox};
const MainControl* const kDescriptions[] = {
    &CraftTypeBox, &ManufactorBox, &UsedByBox, &CrewBox,         &CraftNameBox, &PluralnameBox, &DescriptionBox,
    &MaleRadioB,   &FemaleRadioB,  &SpecNo,    &Shiplistnamebox, &Known,        &IconBox};
const MainControl* const kWeaponryAfterRows[] = {&GunConvergenceList, &CapWpnSys, &LaserRechargeBox};
const MainControl* const kOpt[] = {&DBOPTFile, &OptIndexBox};

void addControl(std::vector<TableColumn>& columns, const MainControl& entry)
{
    columns.push_back({std::string(entry.key), entry, std::nullopt, std::nullopt});
}

void addCell(std::vector<TableColumn>& columns, const MainControl& grid, std::size_t row, std::size_t column)
{
    columns.push_back(
        {std::string(grid.key) + '[' + std::to_string(row) + ',' + std::to_string(column) + ']', grid, row, column});
}

template <std::size_t N> void addWeaponRows(std::vector<TableColumn>& columns, const layout::WeaponRow (&rows)[N])
{
    for (const layout::WeaponRow& row : rows) {
        addControl(columns, *row.type);
        for (const MainControl* box : row.boxes) {
            if (box)
                addControl(columns, *box);
        }
    }
}

template <std::size_t N> void addFields(std::vector<TableColumn>& columns, const layout::Field (&fields)[N])
{
    for (const layout::Field& field : fields)
        addControl(columns, *field.control);
}

} // namespace

std::vector<TableColumn> tableColumns(bool xwa)
{
    std::vector<TableColumn> columns;
    addControl(columns, CraftIDBox);
    // In the page's order: its single-value fields as the craft entry's field table has them, then
    // its choices.
    for (const MainControl* entry : kStatisticsPageControls) {
        const bool single = std::any_of(std::begin(kStatisticsFields), std::end(kStatisticsFields),
                                        [&](const StatisticsField& field) { return field.control == entry; });
        const bool choice = std::find(std::begin(kStatisticsChoices), std::end(kStatisticsChoices), entry) !=
                            std::end(kStatisticsChoices);
        if (single || choice)
            addControl(columns, *entry);
    }
    for (const MainControl* entry : kDescriptions)
        addControl(columns, *entry);
    if (xwa) {
        addWeaponRows(columns, layout::kXwaWeaponRows);
        addFields(columns, layout::kXwaWeaponBytes);
    } else {
        addWeaponRows(columns, layout::kXvtWeaponRows);
        addFields(columns, layout::kXvtWeaponBytes);
    }
    for (const MainControl* entry : kWeaponryAfterRows)
        addControl(columns, *entry);
    const std::size_t slotRows = xwa ? layout::kXwaWeaponSlotRows : layout::kXvtWeaponSlotRows;
    for (std::size_t row = 1; row <= slotRows; ++row) {
        for (std::size_t column = 1; column <= 4; ++column)
            addCell(columns, WeaponSlotsGrid, row, column);
    }
    for (const MainControl* entry : kOpt)
        addControl(columns, *entry);
    addControl(columns, CockpitBox);
    for (const layout::CockpitCell& cell : layout::kPovCells)
        addCell(columns, CockpitPositionsGrid, cell.row, cell.column);
    if (xwa) {
        for (const layout::CockpitCell& cell : layout::kGunnerCells)
            addCell(columns, CockpitPositionsGrid, cell.row, cell.column);
        addFields(columns, layout::kTurretBoxes);
    }
    for (std::size_t row = 1; row < FreeValuesGrid.rows; ++row)
        addCell(columns, FreeValuesGrid, row, 2);
    return columns;
}

const TableColumn* findColumn(const std::vector<TableColumn>& columns, std::string_view name)
{
    const auto found =
        std::find_if(columns.begin(), columns.end(), [&](const TableColumn& column) { return column.name == name; });
    return found == columns.end() ? nullptr : &*found;
}

std::string columnValue(const MainForm& form, const TableColumn& column)
{
    const Control& control = form[column.control];
    if (column.row)
        return *column.row < control.rowCount() && *column.column < control.columnCount()
                   ? control.cell(*column.row, *column.column)
                   : std::string();
    if (control.kind() == ControlKind::CheckBox || control.kind() == ControlKind::RadioButton)
        return control.checked() ? "true" : "false";
    return control.text();
}

FormSet columnEdit(const TableColumn& column, std::string value)
{
    return FormSet{std::string(column.control.name()), column.row, column.column, std::move(value)};
}

} // namespace plorik
