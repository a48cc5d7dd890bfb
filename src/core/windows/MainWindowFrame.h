#pragma once

#include "form/ControlSpec.h"
#include "windows/MainWindowPages.h"

namespace plorik::ui {

// Around the pages: the slot controls, the version and folder boxes, the logo, the status bar.

inline constexpr ControlSpec CraftNoBox{.key = "CraftNoBox", .kind = ControlKind::ComboBox, .caption = "Craft No."};
inline constexpr ControlSpec PrevSlotButton{
    .key = "PrevSlotButton", .kind = ControlKind::Button, .caption = "&-", .hint = "Previous slot"};
inline constexpr ControlSpec NextSlotButton{
    .key = "NextSlotButton", .kind = ControlKind::Button, .caption = "&+", .hint = "Next slot"};
inline constexpr ControlSpec Button3{.key = "Button3",
                                     .kind = ControlKind::Button,
                                     .caption = "Write",
                                     .hint = "Write the slot to the executable and the game files"};
inline constexpr ControlSpec Shiplistwrite{
    .key = "Shiplistwrite", .kind = ControlKind::CheckBox, .caption = "Write to Shiplist.txt", .checked = true};
inline constexpr ControlSpec CraftnameBox2{
    .key = "CraftnameBox2", .kind = ControlKind::TextBox, .readOnly = true, .text = "-"};
inline constexpr ControlSpec CraftIDBox{
    .key = "CraftIDBox", .kind = ControlKind::TextBox, .caption = "Craft ID:", .text = "n/a"};
inline constexpr ControlSpec GameVersionBox{.key = "GameVersionBox",
                                            .kind = ControlKind::Memo,
                                            .caption = "Game Version:",
                                            .readOnly = true,
                                            .text = "None selected"};
inline constexpr ControlSpec GameDirBox{
    .key = "GameDirBox", .kind = ControlKind::TextBox, .caption = "Current Game Dir:", .readOnly = true, .text = "n/a"};
inline constexpr ControlSpec LogoImage{
    .key = "LogoImage", .kind = ControlKind::Picture, .hint = "Visit the PLORIK project page"};
inline constexpr ControlSpec StatusBar{.key = "StatusBar", .kind = ControlKind::StatusBar};

} // namespace plorik::ui
