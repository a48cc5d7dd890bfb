#pragma once

#include "form/ControlEntry.h"

namespace plorik::ui::weapons {

// The "PLORIK Weapon editor" window.
inline constexpr std::string_view kWeaponEditorCaption = "PLORIK Weapon editor";
inline constexpr std::string_view kWeaponTypeItems[] = {"0  Fighter",
                                                        "1  Shuttle",
                                                        "2  Utility Craft",
                                                        "3  Freighter",
                                                        "4  Starship",
                                                        "5  Installation",
                                                        "6  Unknown",
                                                        "7  Projectile",
                                                        "8  Accelerator ring",
                                                        "9  Satallite/buoy",
                                                        "10 Unknown",
                                                        "11 Unknown",
                                                        "12 Unknown",
                                                        "13 Unknown projectile",
                                                        "14 Unknown",
                                                        "15 Unknown",
                                                        "16 Unknown",
                                                        "17 Container",
                                                        "18 Droid",
                                                        "19 Mine"};

inline constexpr ControlEntry WeaponList{.key = "WeaponList", .kind = ControlKind::ListBox, .caption = "Weapon:"};
inline constexpr ControlEntry WriteWpnButton{
    .key = "WriteWpnButton", .kind = ControlKind::Button, .caption = "Write Wpn."};
inline constexpr ControlEntry WpnPropertiesGroup{
    .key = "WpnPropertiesGroup", .kind = ControlKind::Group, .caption = "Wpn. Properties: "};
inline constexpr ControlEntry WpnEnabledBox{
    .key = "WpnEnabledBox", .kind = ControlKind::CheckBox, .caption = "Enabled"};
inline constexpr ControlEntry PowerBox{.key = "PowerBox", .kind = ControlKind::TextBox, .caption = "Power:"};
inline constexpr ControlEntry WpnSpeedBox{
    .key = "WpnSpeedBox", .kind = ControlKind::TextBox, .caption = "Speed:", .unit = "MGLT"};
inline constexpr ControlEntry TimeToLiveBox{
    .key = "TimeToLiveBox", .kind = ControlKind::TextBox, .caption = "Time to live:", .unit = "Sec."};
inline constexpr ControlEntry WpnUnknownBox{
    .key = "WpnUnknownBox", .kind = ControlKind::TextBox, .caption = "Unknown:"};
// The category's text shows the stored number until a category is chosen.
inline constexpr ControlEntry CategoryList{
    .key = "CategoryList", .kind = ControlKind::ComboBox, .caption = "Category:"};
inline constexpr ControlEntry CategoryNumberBox{.key = "CategoryNumberBox", .kind = ControlKind::TextBox};
inline constexpr ControlEntry WpnOptBox{.key = "WpnOptBox", .kind = ControlKind::TextBox, .caption = "OPT:"};
inline constexpr ControlEntry WpnIndexBox{.key = "WpnIndexBox", .kind = ControlKind::TextBox, .caption = "Index:"};
inline constexpr ControlEntry WpnTypeList{
    .key = "WpnTypeList", .kind = ControlKind::DropDownList, .caption = "Type:", .items = kWeaponTypeItems};

} // namespace plorik::ui::weapons
