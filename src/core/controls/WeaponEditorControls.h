#pragma once

#include "controls/Windows.h"
#include "form/ControlEntry.h"

namespace plorik::controls::weapons {

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

PLORIK_CONTROL(WeaponList, .kind = ControlKind::ListBox, .caption = "Weapon:");
PLORIK_CONTROL(WriteWpnButton, .kind = ControlKind::Button, .caption = "Write Wpn.");
PLORIK_CONTROL(WpnPropertiesGroup, .kind = ControlKind::Group, .caption = "Wpn. Properties: ");
PLORIK_CONTROL(WpnEnabledBox, .kind = ControlKind::CheckBox, .caption = "Enabled");
PLORIK_CONTROL(PowerBox, .kind = ControlKind::TextBox, .caption = "Power:");
PLORIK_CONTROL(WpnSpeedBox, .kind = ControlKind::TextBox, .caption = "Speed:", .unit = "MGLT");
PLORIK_CONTROL(TimeToLiveBox, .kind = ControlKind::TextBox, .caption = "Time to live:", .unit = "Sec.");
PLORIK_CONTROL(WpnUnknownBox, .kind = ControlKind::TextBox, .caption = "Unknown:");
// The category's text shows the stored number until a category is chosen.
PLORIK_CONTROL(CategoryList, .kind = ControlKind::ComboBox, .caption = "Category:");
PLORIK_CONTROL(CategoryNumberBox, .kind = ControlKind::TextBox);
PLORIK_CONTROL(WpnOptBox, .kind = ControlKind::TextBox, .caption = "OPT:");
PLORIK_CONTROL(WpnIndexBox, .kind = ControlKind::TextBox, .caption = "Index:");
PLORIK_CONTROL(WpnTypeList, .kind = ControlKind::DropDownList, .caption = "Type:", .items = kWeaponTypeItems);

} // namespace plorik::controls::weapons
