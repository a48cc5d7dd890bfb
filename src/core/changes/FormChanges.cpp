#include "changes/FormChanges.h"

#include "controls/DevelopmentPage.h"

#include <algorithm>

namespace plorik {

namespace {

bool holdsValue(const Control& control, bool pagesOnly)
{
    if ((pagesOnly && control.entry().page.empty()) || control.key() == controls::HexGrid)
        return false;
    switch (control.kind()) {
    case ControlKind::TextBox:
    case ControlKind::Memo:
    case ControlKind::ComboBox:
    case ControlKind::DropDownList:
    case ControlKind::CheckBox:
    case ControlKind::RadioButton:
    case ControlKind::Grid:
    case ControlKind::ListBox:
    case ControlKind::TrackBar: return true;
    default: return false;
    }
}

std::string valueText(const Control& control)
{
    switch (control.kind()) {
    case ControlKind::CheckBox:
    case ControlKind::RadioButton: return control.checked() ? "checked" : "unchecked";
    case ControlKind::TrackBar: return std::to_string(control.position());
    default: return control.text();
    }
}

FieldChange change(const Control& control, std::string caption, std::string before, std::string after)
{
    return {std::string(control.key().name()),
            std::string(control.entry().page),
            std::move(caption),
            std::string(control.entry().unit),
            0,
            0,
            std::move(before),
            std::move(after)};
}

// A cell, or "" where the grid has none (the two displays may size a grid differently).
std::string cellText(const Control& grid, std::size_t row, std::size_t column)
{
    return row < grid.rowCount() && column < grid.columnCount() ? grid.cell(row, column) : std::string();
}

void gridChanges(const Control& before, const Control& after, std::vector<FieldChange>& changes)
{
    const std::size_t rows = std::max(before.rowCount(), after.rowCount());
    const std::size_t columns = std::max(before.columnCount(), after.columnCount());
    for (std::size_t row = 1; row < rows; ++row) {
        for (std::size_t column = 1; column < columns; ++column) {
            std::string old = cellText(before, row, column);
            std::string now = cellText(after, row, column);
            if (old == now)
                continue;
            // A grid without a caption of its own is named by its page, then its row and column.
            const std::string grid = after.caption().empty() ? "" : reportCaption(after) + ", ";
            const std::string caption = grid + "row " + cellText(after, row, 0) + ", " + cellText(after, 0, column);
            FieldChange cell = change(after, caption, std::move(old), std::move(now));
            cell.row = row;
            cell.column = column;
            changes.push_back(std::move(cell));
        }
    }
}

} // namespace

std::string reportCaption(const Control& control)
{
    std::string caption;
    for (const char c : control.caption()) {
        if (c != '&')
            caption += c;
    }
    while (!caption.empty() && (caption.back() == ':' || caption.back() == ' '))
        caption.pop_back();
    return caption.empty() ? std::string(control.key().name()) : caption;
}

std::vector<FieldChange> formChanges(const Form& before, const Form& after, bool pagesOnly)
{
    std::vector<FieldChange> changes;
    for (const auto& control : after.controls()) {
        if (!holdsValue(*control, pagesOnly))
            continue;
        const Control& old = before[control->key()];
        if (control->kind() == ControlKind::Grid) {
            gridChanges(old, *control, changes);
            continue;
        }
        std::string oldText = valueText(old);
        std::string newText = valueText(*control);
        if (oldText != newText)
            changes.push_back(change(*control, reportCaption(*control), std::move(oldText), std::move(newText)));
    }
    return changes;
}

} // namespace plorik
