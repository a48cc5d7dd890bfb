#pragma once

#include "form/ControlEntry.h"
#include "windows/MainWindowPages.h"

namespace plorik::ui {

// The "Weaponry" page.
inline constexpr std::string_view kWeaponSystemItems[] = {
    "0   None",    "1   Unknown", "2   Unknown", "4   Unknown", "8   Capital weaponry", "16  Sat/Platform system",
    "32  Unknown", "64  Unknown", "128 Unknown", "256 Unknown"};

inline constexpr ControlEntry ComboBox1{.key = "ComboBox1",
                                        .kind = ControlKind::ComboBox,
                                        .caption = "1. Laser:",
                                        .page = kWeaponryPage,
                                        .text = "Unknown"};
inline constexpr ControlEntry Edit1{
    .key = "Edit1", .kind = ControlKind::TextBox, .caption = "Strt", .page = kWeaponryPage, .text = "-"};
inline constexpr ControlEntry Edit5{
    .key = "Edit5", .kind = ControlKind::TextBox, .caption = "End", .page = kWeaponryPage, .text = "-"};
inline constexpr ControlEntry Edit9{
    .key = "Edit9", .kind = ControlKind::TextBox, .caption = "Lnk", .page = kWeaponryPage, .text = "-"};
inline constexpr ControlEntry Edit83{
    .key = "Edit83", .kind = ControlKind::TextBox, .caption = "Seq.", .page = kWeaponryPage, .text = "-"};
inline constexpr ControlEntry ComboBox2{.key = "ComboBox2",
                                        .kind = ControlKind::ComboBox,
                                        .caption = "2. Laser:",
                                        .page = kWeaponryPage,
                                        .text = "Unknown"};
inline constexpr ControlEntry Edit2{
    .key = "Edit2", .kind = ControlKind::TextBox, .caption = "Strt", .page = kWeaponryPage, .text = "-"};
inline constexpr ControlEntry Edit6{
    .key = "Edit6", .kind = ControlKind::TextBox, .caption = "End", .page = kWeaponryPage, .text = "-"};
inline constexpr ControlEntry Edit10{
    .key = "Edit10", .kind = ControlKind::TextBox, .caption = "Lnk", .page = kWeaponryPage, .text = "-"};
inline constexpr ControlEntry Edit84{
    .key = "Edit84", .kind = ControlKind::TextBox, .caption = "Seq.", .page = kWeaponryPage, .text = "-"};
inline constexpr ControlEntry ComboBox8{.key = "ComboBox8",
                                        .kind = ControlKind::ComboBox,
                                        .caption = "3. Laser:",
                                        .page = kWeaponryPage,
                                        .text = "Unknown"};
inline constexpr ControlEntry Edit109{
    .key = "Edit109", .kind = ControlKind::TextBox, .caption = "Strt", .page = kWeaponryPage, .text = "-"};
inline constexpr ControlEntry Edit110{
    .key = "Edit110", .kind = ControlKind::TextBox, .caption = "End", .page = kWeaponryPage, .text = "-"};
inline constexpr ControlEntry Edit111{
    .key = "Edit111", .kind = ControlKind::TextBox, .caption = "Lnk", .page = kWeaponryPage, .text = "-"};
inline constexpr ControlEntry Edit112{
    .key = "Edit112", .kind = ControlKind::TextBox, .caption = "Seq.", .page = kWeaponryPage, .text = "-"};
inline constexpr ControlEntry ComboBox3{.key = "ComboBox3",
                                        .kind = ControlKind::ComboBox,
                                        .caption = "1. Warhead:",
                                        .page = kWeaponryPage,
                                        .text = "Unknown"};
inline constexpr ControlEntry Edit3{
    .key = "Edit3", .kind = ControlKind::TextBox, .caption = "Strt", .page = kWeaponryPage, .text = "-"};
inline constexpr ControlEntry Edit7{
    .key = "Edit7", .kind = ControlKind::TextBox, .caption = "End", .page = kWeaponryPage, .text = "-"};
inline constexpr ControlEntry Edit11{
    .key = "Edit11", .kind = ControlKind::TextBox, .caption = "Lnk", .page = kWeaponryPage, .text = "-"};
inline constexpr ControlEntry ComboBox4{.key = "ComboBox4",
                                        .kind = ControlKind::ComboBox,
                                        .caption = "2. Warhead:",
                                        .page = kWeaponryPage,
                                        .text = "Unknown"};
inline constexpr ControlEntry Edit4{
    .key = "Edit4", .kind = ControlKind::TextBox, .caption = "Strt", .page = kWeaponryPage, .text = "-"};
inline constexpr ControlEntry Edit8{
    .key = "Edit8", .kind = ControlKind::TextBox, .caption = "End", .page = kWeaponryPage, .text = "-"};
inline constexpr ControlEntry Edit12{
    .key = "Edit12", .kind = ControlKind::TextBox, .caption = "Lnk", .page = kWeaponryPage, .text = "-"};
inline constexpr ControlEntry WarheadLoad1Box{.key = "WarheadLoad1Box",
                                              .kind = ControlKind::TextBox,
                                              .caption = "1. Warhead Load:",
                                              .page = kWeaponryPage,
                                              .text = "n/a"};
inline constexpr ControlEntry WarheadLoad2Box{.key = "WarheadLoad2Box",
                                              .kind = ControlKind::TextBox,
                                              .caption = "2. Warhead Load:",
                                              .page = kWeaponryPage,
                                              .text = "n/a"};
inline constexpr ControlEntry ComboBox9{
    .key = "ComboBox9", .kind = ControlKind::ComboBox, .caption = "Gun Convergence:", .page = kWeaponryPage};
inline constexpr ControlEntry CapWpnSys{.key = "CapWpnSys",
                                        .kind = ControlKind::ComboBox,
                                        .caption = "Weapon System:",
                                        .page = kWeaponryPage,
                                        .items = kWeaponSystemItems};
inline constexpr ControlEntry LaserRechargeBox{.key = "LaserRechargeBox",
                                               .kind = ControlKind::TextBox,
                                               .caption = "Laser Recharge:",
                                               .page = kWeaponryPage,
                                               .text = "n/a"};
inline constexpr ControlEntry TurboRange{.key = "TurboRange",
                                         .kind = ControlKind::TextBox,
                                         .caption = "Turbo Laser Range:",
                                         .page = kWeaponryPage,
                                         .text = "n/a"};
inline constexpr ControlEntry SupRange{.key = "SupRange",
                                       .kind = ControlKind::TextBox,
                                       .caption = "Super Laser Range:",
                                       .page = kWeaponryPage,
                                       .text = "n/a"};
inline constexpr ControlEntry TrackBar1{
    .key = "TrackBar1", .kind = ControlKind::TrackBar, .caption = "Turbo Fire Priority:", .page = kWeaponryPage};
inline constexpr ControlEntry TurboFirePri{
    .key = "TurboFirePri", .kind = ControlKind::TextBox, .page = kWeaponryPage, .text = "0"};
inline constexpr ControlEntry TrackBar2{
    .key = "TrackBar2", .kind = ControlKind::TrackBar, .caption = "Super fire priority:", .page = kWeaponryPage};
inline constexpr ControlEntry SupFirePri{
    .key = "SupFirePri", .kind = ControlKind::TextBox, .page = kWeaponryPage, .text = "0"};
inline constexpr ControlEntry MoreLasersLabel{
    .key = "MoreLasersLabel", .kind = ControlKind::Label, .caption = "More lasers fire", .page = kWeaponryPage};
inline constexpr ControlEntry LessOftenLabel{
    .key = "LessOftenLabel", .kind = ControlKind::Label, .caption = "but less often", .page = kWeaponryPage};
inline constexpr ControlEntry LessLasersLabel{
    .key = "LessLasersLabel", .kind = ControlKind::Label, .caption = "Less lasers fire", .page = kWeaponryPage};
inline constexpr ControlEntry MoreOftenLabel{
    .key = "MoreOftenLabel", .kind = ControlKind::Label, .caption = "but more often", .page = kWeaponryPage};
inline constexpr ControlEntry DoubleClicksLabel{
    .key = "DoubleClicksLabel", .kind = ControlKind::Label, .caption = "Double clicks", .page = kWeaponryPage};

} // namespace plorik::ui
