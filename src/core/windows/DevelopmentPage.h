#pragma once

#include "form/ControlSpec.h"
#include "windows/MainWindowPages.h"

namespace plorik::ui {

// The "Development" page: the value search, the patch fields and the hex view.
inline constexpr std::string_view kWorkOnItems[] = {"Shipslot block", "Shiptype block"};
inline constexpr std::string_view kDisplayItems[] = {"Nothing", "Ship Type Block", "Shipslot Block",
                                                     "Weapon OPT Block"};

inline constexpr ControlSpec CompareGroup{
    .key = "CompareGroup", .kind = ControlKind::Group, .caption = "&Compare:", .page = kDevelopmentPage};
inline constexpr ControlSpec ComboBox11{.key = "ComboBox11",
                                        .kind = ControlKind::DropDownList,
                                        .caption = "Work on:",
                                        .page = kDevelopmentPage,
                                        .text = "Shipslot block",
                                        .items = kWorkOnItems,
                                        .index = 0};
inline constexpr ControlSpec ValueBox{
    .key = "ValueBox", .kind = ControlKind::TextBox, .caption = "Value:", .page = kDevelopmentPage};
inline constexpr ControlSpec FindButton{.key = "FindButton",
                                        .kind = ControlKind::Button,
                                        .caption = "Find",
                                        .page = kDevelopmentPage,
                                        .hint = "Search for the specified value in the current slot"};
inline constexpr ControlSpec CompareButton{.key = "CompareButton",
                                           .kind = ControlKind::Button,
                                           .caption = "Compare",
                                           .page = kDevelopmentPage,
                                           .hint = "Compare the value with entries from last search"};
inline constexpr ControlSpec FeedbackBox{.key = "FeedbackBox",
                                         .kind = ControlKind::Memo,
                                         .caption = "Feedback:",
                                         .page = kDevelopmentPage,
                                         .readOnly = true};
inline constexpr ControlSpec PatchGroup{
    .key = "PatchGroup", .kind = ControlKind::Group, .caption = "&Patch:", .page = kDevelopmentPage};
inline constexpr ControlSpec OrigSlotBox{
    .key = "OrigSlotBox", .kind = ControlKind::TextBox, .caption = "Original Craft Slot:", .page = kDevelopmentPage};
inline constexpr ControlSpec Memo1{
    .key = "Memo1", .kind = ControlKind::Memo, .caption = "Patch Comment:", .page = kDevelopmentPage};
inline constexpr ControlSpec HexGroup{
    .key = "HexGroup", .kind = ControlKind::Group, .caption = "He&x", .page = kDevelopmentPage};
inline constexpr ControlSpec DisplayBox{.key = "DisplayBox",
                                        .kind = ControlKind::DropDownList,
                                        .caption = "Display:",
                                        .page = kDevelopmentPage,
                                        .text = "Nothing",
                                        .items = kDisplayItems,
                                        .index = 0};
inline constexpr ControlSpec HexOffsetLabel{
    .key = "HexOffsetLabel", .kind = ControlKind::Label, .caption = "Offset: *", .page = kDevelopmentPage};
inline constexpr ControlSpec HexGrid{
    .key = "HexGrid", .kind = ControlKind::Grid, .page = kDevelopmentPage, .readOnly = true, .rows = 2, .columns = 9};

} // namespace plorik::ui
