#pragma once

#include "form/ControlKind.h"

#include <cstddef>
#include <span>
#include <string_view>

namespace plorik {

// One control of a window as its catalogue declares it, once: its key (the widget's objectName),
// kind, caption, page (or menu), unit, hint, shortcut, and its state when the window is made. The
// catalogue's constant for it is the code's name for the control.
struct ControlEntry {
    std::string_view key;
    ControlKind kind = ControlKind::TextBox;
    std::string_view caption;  // the label beside it, or the button's/menu item's own text
    std::string_view page;     // tab caption; "" outside the pages; the menu's caption for menu items
    std::string_view unit;     // unit text after a box ("SBD", "MGLT")
    std::string_view hint;     // tool tip
    std::string_view shortcut; // "Ctrl+O", "F1"
    std::string_view radioGroup;
    std::string_view contextMenuOf; // a context-menu item: the key of the box whose menu holds it
    bool readOnly = false;

    std::string_view text;
    bool enabled = true;
    bool visible = true;
    bool checked = false;
    std::span<const std::string_view> items;
    int index = -1;
    std::size_t rows = 0; // grids: rows and columns, row 0 and column 0 included
    std::size_t columns = 0;
    std::span<const std::string_view> columnHeadings;
    std::span<const std::string_view> rowHeadings;
    std::span<const std::size_t> editableColumns; // none named: all but the headings
    int minimum = 0;                              // track bars
    int maximum = 255;
};

// Declares a catalogue constant whose key is its own name, so the two cannot drift apart:
// PLORIK_CONTROL(SpeedBox, .kind = ControlKind::TextBox, .caption = "Speed:") is the constant
// SpeedBox for the control "SpeedBox", of the window whose catalogue namespace names ThisWindowControl. A constant
// whose name differs from its key (the key is kept for the command line and stored files) is declared in full instead.
#define PLORIK_CONTROL(Name, ...)                                                                                      \
    inline constexpr ThisWindowControl Name                                                                            \
    {                                                                                                                  \
        {                                                                                                              \
            .key = #Name __VA_OPT__(, ) __VA_ARGS__                                                                    \
        }                                                                                                              \
    }

// How code names a control: only a catalogue's constant converts to it, so a misspelt name does not
// compile. named() takes a name from outside (the command line, a widget's objectName).
class ControlKey {
public:
    constexpr ControlKey(const ControlEntry& entry) : m_name(entry.key) {}
    static constexpr ControlKey named(std::string_view name) { return ControlKey(name); }
    constexpr std::string_view name() const { return m_name; }
    friend constexpr bool operator==(ControlKey a, ControlKey b) { return a.m_name == b.m_name; }

private:
    constexpr explicit ControlKey(std::string_view name) : m_name(name) {}
    std::string_view m_name;
};

} // namespace plorik
