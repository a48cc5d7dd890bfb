#pragma once

#include "form/ControlEntry.h"
#include "windows/MainWindowPages.h"

namespace plorik::ui {

// Around the pages: the slot controls, the version and folder boxes, the logo, the status bar.

inline constexpr ControlEntry CraftNoBox{.key = "CraftNoBox", .kind = ControlKind::ComboBox, .caption = "Craft No."};
inline constexpr ControlEntry PrevSlotButton{
    .key = "PrevSlotButton", .kind = ControlKind::Button, .caption = "&-", .hint = "Previous slot"};
inline constexpr ControlEntry NextSlotButton{
    .key = "NextSlotButton", .kind = ControlKind::Button, .caption = "&+", .hint = "Next slot"};
inline constexpr ControlEntry Button3{.key = "Button3",
                                      .kind = ControlKind::Button,
                                      .caption = "Write",
                                      .hint = "Write the slot to the executable and the game files"};
inline constexpr ControlEntry Shiplistwrite{
    .key = "Shiplistwrite", .kind = ControlKind::CheckBox, .caption = "Write to Shiplist.txt", .checked = true};
inline constexpr ControlEntry CraftnameBox2{
    .key = "CraftnameBox2", .kind = ControlKind::TextBox, .readOnly = true, .text = "-"};
inline constexpr ControlEntry CraftIDBox{
    .key = "CraftIDBox", .kind = ControlKind::TextBox, .caption = "Craft ID:", .text = "n/a"};
inline constexpr ControlEntry GameVersionBox{.key = "GameVersionBox",
                                             .kind = ControlKind::Memo,
                                             .caption = "Game Version:",
                                             .readOnly = true,
                                             .text = "None selected"};
inline constexpr ControlEntry GameDirBox{
    .key = "GameDirBox", .kind = ControlKind::TextBox, .caption = "Current Game Dir:", .readOnly = true, .text = "n/a"};
inline constexpr ControlEntry LogoImage{
    .key = "LogoImage", .kind = ControlKind::Picture, .hint = "Visit the PLORIK project page"};
inline constexpr ControlEntry StatusBar{.key = "StatusBar", .kind = ControlKind::StatusBar};

} // namespace plorik::ui
