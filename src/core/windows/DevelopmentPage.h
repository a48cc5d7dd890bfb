#pragma once

#include "form/ControlEntry.h"
#include "windows/MainWindowPages.h"

namespace plorik::ui {

// The "Development" page: the value search, the patch fields and the hex view.
inline constexpr std::string_view kWorkOnItems[] = {"Shipslot block", "Shiptype block"};
inline constexpr std::string_view kDisplayItems[] = {"Nothing", "Ship Type Block", "Shipslot Block",
                                                     "Weapon OPT Block"};

inline constexpr ControlEntry CompareGroup{
    .key = "CompareGroup", .kind = ControlKind::Group, .caption = "&Compare:", .page = kDevelopmentPage};
inline constexpr ControlEntry ComboBox11{.key = "ComboBox11",
                                         .kind = ControlKind::DropDownList,
                                         .caption = "Work on:",
                                         .page = kDevelopmentPage,
                                         .text = "Shipslot block",
                                         .items = kWorkOnItems,
                                         .index = 0};
inline constexpr ControlEntry ValueBox{
    .key = "ValueBox", .kind = ControlKind::TextBox, .caption = "Value:", .page = kDevelopmentPage};
inline constexpr ControlEntry FindButton{.key = "FindButton",
                                         .kind = ControlKind::Button,
                                         .caption = "Find",
                                         .page = kDevelopmentPage,
                                         .hint = "Search for the specified value in the current slot"};
inline constexpr ControlEntry CompareButton{.key = "CompareButton",
                                            .kind = ControlKind::Button,
                                            .caption = "Compare",
                                            .page = kDevelopmentPage,
                                            .hint = "Compare the value with entries from last search"};
inline constexpr ControlEntry FeedbackBox{.key = "FeedbackBox",
                                          .kind = ControlKind::Memo,
                                          .caption = "Feedback:",
                                          .page = kDevelopmentPage,
                                          .readOnly = true};
inline constexpr ControlEntry PatchGroup{
    .key = "PatchGroup", .kind = ControlKind::Group, .caption = "&Patch:", .page = kDevelopmentPage};
inline constexpr ControlEntry OrigSlotBox{
    .key = "OrigSlotBox", .kind = ControlKind::TextBox, .caption = "Original Craft Slot:", .page = kDevelopmentPage};
inline constexpr ControlEntry Memo1{
    .key = "Memo1", .kind = ControlKind::Memo, .caption = "Patch Comment:", .page = kDevelopmentPage};
inline constexpr ControlEntry HexGroup{
    .key = "HexGroup", .kind = ControlKind::Group, .caption = "He&x", .page = kDevelopmentPage};
inline constexpr ControlEntry DisplayBox{.key = "DisplayBox",
                                         .kind = ControlKind::DropDownList,
                                         .caption = "Display:",
                                         .page = kDevelopmentPage,
                                         .text = "Nothing",
                                         .items = kDisplayItems,
                                         .index = 0};
inline constexpr ControlEntry HexOffsetLabel{
    .key = "HexOffsetLabel", .kind = ControlKind::Label, .caption = "Offset: *", .page = kDevelopmentPage};
inline constexpr ControlEntry HexGrid{
    .key = "HexGrid", .kind = ControlKind::Grid, .page = kDevelopmentPage, .readOnly = true, .rows = 2, .columns = 9};

} // namespace plorik::ui
