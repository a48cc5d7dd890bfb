#pragma once

#include <string_view>

namespace plorik {

// The kinds of control a window has, and which of them take a press.
enum class ControlKind {
    Button,
    TextBox,
    Memo,
    ComboBox,     // editable drop-down list: free text plus items
    DropDownList, // fixed list: one of its items, or none
    CheckBox,
    RadioButton,
    Grid,
    ListBox,
    TrackBar,
    Label,
    Group,
    Picture,
    MenuItem,
    ToolButton,
    StatusBar,
};

std::string_view kindName(ControlKind kind);
// Buttons, menu items (context-menu items too), tool buttons and pictures take a press.
bool pressable(ControlKind kind);

} // namespace plorik
