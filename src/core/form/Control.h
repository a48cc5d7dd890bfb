#pragma once

#include "form/ControlEntry.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace plorik {

// One control's state: what a user sees of it.
class Control {
public:
    // The entry is a catalogue constant (static storage), so the control refers to it rather than
    // copying it.
    explicit Control(const ControlEntry& entry) : m_entry(&entry) {}
    explicit Control(ControlEntry&&) = delete;

    const ControlEntry& entry() const { return *m_entry; }
    ControlKey key() const { return *m_entry; }
    ControlKind kind() const { return m_entry->kind; }
    std::string_view caption() const { return m_entry->caption; }

    const std::string& text() const { return m_text; }
    void setText(std::string text);
    bool enabled() const { return m_enabled; }
    void setEnabled(bool enabled);
    bool visible() const { return m_visible; }
    void setVisible(bool visible);
    bool checked() const { return m_checked; }
    void setChecked(bool checked);

    // Lists: items and the selected one (-1 for none). Selecting an item sets the text to it.
    const std::vector<std::string>& items() const { return m_items; }
    void setItems(std::vector<std::string> items);
    void setItem(std::size_t index, std::string text);
    void addItem(std::string item);
    int index() const { return m_index; }
    void setIndex(int index);

    // Grids: cells[row][column], row 0 and column 0 included.
    const std::vector<std::vector<std::string>>& cells() const { return m_cells; }
    void setGridSize(std::size_t rows, std::size_t columns);
    std::size_t rowCount() const { return m_cells.size(); }
    std::size_t columnCount() const { return m_cells.empty() ? 0 : m_cells.front().size(); }
    const std::string& cell(std::size_t row, std::size_t column) const;
    // Row 0 and column 0 are headings; of the other cells only the editable columns take the
    // user's edits (all of them when none are named).
    void setEditableColumns(std::vector<std::size_t> columns) { m_editableColumns = std::move(columns); }
    bool cellEditable(std::size_t row, std::size_t column) const;
    void setCell(std::size_t row, std::size_t column, std::string text);

    int position() const { return m_position; }
    void setPosition(int position);
    int minimum() const { return m_minimum; }
    int maximum() const { return m_maximum; }
    void setRange(int minimum, int maximum);

    // Grows with every change, so a view can tell what to copy.
    std::uint64_t revision() const { return m_revision; }

private:
    void touch() { ++m_revision; }
    const ControlEntry* m_entry;
    std::string m_text;
    bool m_enabled = true;
    bool m_visible = true;
    bool m_checked = false;
    std::vector<std::string> m_items;
    int m_index = -1;
    std::vector<std::vector<std::string>> m_cells;
    std::vector<std::size_t> m_editableColumns;
    int m_position = 0;
    int m_minimum = 0;
    int m_maximum = 255;
    std::uint64_t m_revision = 1;
};

} // namespace plorik
