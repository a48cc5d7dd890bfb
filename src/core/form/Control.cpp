#include "form/Control.h"

#include <algorithm>
#include <stdexcept>

namespace plorik {

std::string_view kindName(ControlKind kind)
{
    switch (kind) {
    case ControlKind::Button: return "button";
    case ControlKind::TextBox: return "textbox";
    case ControlKind::Memo: return "memo";
    case ControlKind::ComboBox: return "combobox";
    case ControlKind::DropDownList: return "list";
    case ControlKind::CheckBox: return "checkbox";
    case ControlKind::RadioButton: return "radiobutton";
    case ControlKind::Grid: return "grid";
    case ControlKind::ListBox: return "listbox";
    case ControlKind::TrackBar: return "trackbar";
    case ControlKind::Label: return "label";
    case ControlKind::Group: return "group";
    case ControlKind::Picture: return "picture";
    case ControlKind::MenuItem: return "menuitem";
    case ControlKind::ToolButton: return "toolbutton";
    case ControlKind::StatusBar: return "statusbar";
    }
    return "control";
}

bool pressable(ControlKind kind)
{
    return kind == ControlKind::Button || kind == ControlKind::MenuItem || kind == ControlKind::ToolButton ||
           kind == ControlKind::Picture;
}

void Control::setText(std::string text)
{
    if (text == m_text)
        return;
    m_text = std::move(text);
    if (m_entry->kind == ControlKind::DropDownList || m_entry->kind == ControlKind::ComboBox ||
        m_entry->kind == ControlKind::ListBox) {
        // A list shows its text as the chosen item when it has one of that text.
        int found = -1;
        for (std::size_t i = 0; i < m_items.size(); ++i) {
            if (m_items[i] == m_text) {
                found = static_cast<int>(i);
                break;
            }
        }
        m_index = found;
    }
    touch();
}

void Control::setEnabled(bool enabled)
{
    if (enabled != m_enabled) {
        m_enabled = enabled;
        touch();
    }
}

void Control::setVisible(bool visible)
{
    if (visible != m_visible) {
        m_visible = visible;
        touch();
    }
}

void Control::setChecked(bool checked)
{
    if (checked != m_checked) {
        m_checked = checked;
        touch();
    }
}

void Control::setItems(std::vector<std::string> items)
{
    m_items = std::move(items);
    m_index = -1;
    touch();
}

void Control::setItem(std::size_t index, std::string text)
{
    if (index >= m_items.size())
        throw std::out_of_range("no item " + std::to_string(index) + " in " + std::string(m_entry->key));
    m_items[index] = std::move(text);
    if (static_cast<int>(index) == m_index)
        m_text = m_items[index];
    touch();
}

void Control::addItem(std::string item)
{
    m_items.push_back(std::move(item));
    touch();
}

void Control::setIndex(int index)
{
    if (index < -1 || index >= static_cast<int>(m_items.size()))
        index = -1;
    m_index = index;
    if (index >= 0)
        m_text = m_items[static_cast<std::size_t>(index)];
    else if (m_entry->kind == ControlKind::DropDownList || m_entry->kind == ControlKind::ListBox)
        m_text.clear();
    touch();
}

void Control::setGridSize(std::size_t rows, std::size_t columns)
{
    m_cells.resize(rows);
    for (auto& row : m_cells)
        row.resize(columns);
    touch();
}

const std::string& Control::cell(std::size_t row, std::size_t column) const
{
    if (row >= m_cells.size() || column >= m_cells[row].size())
        throw std::out_of_range("no cell [" + std::to_string(row) + "," + std::to_string(column) + "] in " +
                                std::string(m_entry->key));
    return m_cells[row][column];
}

bool Control::cellEditable(std::size_t row, std::size_t column) const
{
    if (row == 0 || column == 0 || row >= rowCount() || column >= columnCount())
        return false;
    return m_editableColumns.empty() ||
           std::find(m_editableColumns.begin(), m_editableColumns.end(), column) != m_editableColumns.end();
}

void Control::setCell(std::size_t row, std::size_t column, std::string text)
{
    if (row >= m_cells.size() || column >= m_cells[row].size())
        throw std::out_of_range("no cell [" + std::to_string(row) + "," + std::to_string(column) + "] in " +
                                std::string(m_entry->key));
    if (m_cells[row][column] != text) {
        m_cells[row][column] = std::move(text);
        touch();
    }
}

void Control::setPosition(int position)
{
    if (position < m_minimum)
        position = m_minimum;
    if (position > m_maximum)
        position = m_maximum;
    if (position != m_position) {
        m_position = position;
        touch();
    }
}

void Control::setRange(int minimum, int maximum)
{
    m_minimum = minimum;
    m_maximum = maximum;
    touch();
}

} // namespace plorik
