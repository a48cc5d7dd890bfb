#pragma once

#include "form/ControlSpec.h"

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

inline constexpr ControlSpec WeaponList{.key = "WeaponList", .kind = ControlKind::ListBox, .caption = "Weapon:"};
inline constexpr ControlSpec WriteWpnButton{
    .key = "WriteWpnButton", .kind = ControlKind::Button, .caption = "Write Wpn."};
inline constexpr ControlSpec WpnPropertiesGroup{
    .key = "WpnPropertiesGroup", .kind = ControlKind::Group, .caption = "Wpn. Properties: "};
inline constexpr ControlSpec WpnEnabledBox{.key = "WpnEnabledBox", .kind = ControlKind::CheckBox, .caption = "Enabled"};
inline constexpr ControlSpec PowerBox{.key = "PowerBox", .kind = ControlKind::TextBox, .caption = "Power:"};
inline constexpr ControlSpec WpnSpeedBox{
    .key = "WpnSpeedBox", .kind = ControlKind::TextBox, .caption = "Speed:", .unit = "MGLT"};
inline constexpr ControlSpec TimeToLiveBox{
    .key = "TimeToLiveBox", .kind = ControlKind::TextBox, .caption = "Time to live:", .unit = "Sec."};
inline constexpr ControlSpec WpnUnknownBox{.key = "WpnUnknownBox", .kind = ControlKind::TextBox, .caption = "Unknown:"};
// The category's text shows the stored number until a category is chosen.
inline constexpr ControlSpec CategoryList{.key = "CategoryList", .kind = ControlKind::ComboBox, .caption = "Category:"};
inline constexpr ControlSpec CategoryNumberBox{.key = "CategoryNumberBox", .kind = ControlKind::TextBox};
inline constexpr ControlSpec WpnOptBox{.key = "WpnOptBox", .kind = ControlKind::TextBox, .caption = "OPT:"};
inline constexpr ControlSpec WpnIndexBox{.key = "WpnIndexBox", .kind = ControlKind::TextBox, .caption = "Index:"};
inline constexpr ControlSpec WpnTypeList{
    .key = "WpnTypeList", .kind = ControlKind::DropDownList, .caption = "Type:", .items = kWeaponTypeItems};

} // namespace plorik::ui::weapons
