#pragma once

#include "controls/MainWindowPages.h"
#include "controls/Windows.h"
#include "form/ControlEntry.h"

namespace plorik::controls {

// The "Weaponry" page.
inline constexpr std::string_view kWeaponSystemItems[] = {
    "0   None",    "1   Unknown", "2   Unknown", "4   Unknown", "8   Capital weaponry", "16  Sat/Platform system",
    "32  Unknown", "64  Unknown", "128 Unknown", "256 Unknown"};

inline constexpr ThisWindowControl Laser1List{{.key = "ComboBox1",
                                               .kind = ControlKind::ComboBox,
                                               .caption = "1. Laser:",
                                               .page = kWeaponryPage,
                                               .text = "Unknown"}};
inline constexpr ThisWindowControl Laser1StartBox{
    {.key = "Edit1", .kind = ControlKind::TextBox, .caption = "Strt", .page = kWeaponryPage, .text = "-"}};
inline constexpr ThisWindowControl Laser1EndBox{
    {.key = "Edit5", .kind = ControlKind::TextBox, .caption = "End", .page = kWeaponryPage, .text = "-"}};
inline constexpr ThisWindowControl Laser1LinkBox{
    {.key = "Edit9", .kind = ControlKind::TextBox, .caption = "Lnk", .page = kWeaponryPage, .text = "-"}};
inline constexpr ThisWindowControl Laser1SequenceBox{
    {.key = "Edit83", .kind = ControlKind::TextBox, .caption = "Seq.", .page = kWeaponryPage, .text = "-"}};
inline constexpr ThisWindowControl Laser2List{{.key = "ComboBox2",
                                               .kind = ControlKind::ComboBox,
                                               .caption = "2. Laser:",
                                               .page = kWeaponryPage,
                                               .text = "Unknown"}};
inline constexpr ThisWindowControl Laser2StartBox{
    {.key = "Edit2", .kind = ControlKind::TextBox, .caption = "Strt", .page = kWeaponryPage, .text = "-"}};
inline constexpr ThisWindowControl Laser2EndBox{
    {.key = "Edit6", .kind = ControlKind::TextBox, .caption = "End", .page = kWeaponryPage, .text = "-"}};
inline constexpr ThisWindowControl Laser2LinkBox{
    {.key = "Edit10", .kind = ControlKind::TextBox, .caption = "Lnk", .page = kWeaponryPage, .text = "-"}};
inline constexpr ThisWindowControl Laser2SequenceBox{
    {.key = "Edit84", .kind = ControlKind::TextBox, .caption = "Seq.", .page = kWeaponryPage, .text = "-"}};
inline constexpr ThisWindowControl Laser3List{{.key = "ComboBox8",
                                               .kind = ControlKind::ComboBox,
                                               .caption = "3. Laser:",
                                               .page = kWeaponryPage,
                                               .text = "Unknown"}};
inline constexpr ThisWindowControl Laser3StartBox{
    {.key = "Edit109", .kind = ControlKind::TextBox, .caption = "Strt", .page = kWeaponryPage, .text = "-"}};
inline constexpr ThisWindowControl Laser3EndBox{
    {.key = "Edit110", .kind = ControlKind::TextBox, .caption = "End", .page = kWeaponryPage, .text = "-"}};
inline constexpr ThisWindowControl Laser3LinkBox{
    {.key = "Edit111", .kind = ControlKind::TextBox, .caption = "Lnk", .page = kWeaponryPage, .text = "-"}};
inline constexpr ThisWindowControl Laser3SequenceBox{
    {.key = "Edit112", .kind = ControlKind::TextBox, .caption = "Seq.", .page = kWeaponryPage, .text = "-"}};
inline constexpr ThisWindowControl Warhead1List{{.key = "ComboBox3",
                                                 .kind = ControlKind::ComboBox,
                                                 .caption = "1. Warhead:",
                                                 .page = kWeaponryPage,
                                                 .text = "Unknown"}};
inline constexpr ThisWindowControl Warhead1StartBox{
    {.key = "Edit3", .kind = ControlKind::TextBox, .caption = "Strt", .page = kWeaponryPage, .text = "-"}};
inline constexpr ThisWindowControl Warhead1EndBox{
    {.key = "Edit7", .kind = ControlKind::TextBox, .caption = "End", .page = kWeaponryPage, .text = "-"}};
inline constexpr ThisWindowControl Warhead1LinkBox{
    {.key = "Edit11", .kind = ControlKind::TextBox, .caption = "Lnk", .page = kWeaponryPage, .text = "-"}};
inline constexpr ThisWindowControl Warhead2List{{.key = "ComboBox4",
                                                 .kind = ControlKind::ComboBox,
                                                 .caption = "2. Warhead:",
                                                 .page = kWeaponryPage,
                                                 .text = "Unknown"}};
inline constexpr ThisWindowControl Warhead2StartBox{
    {.key = "Edit4", .kind = ControlKind::TextBox, .caption = "Strt", .page = kWeaponryPage, .text = "-"}};
inline constexpr ThisWindowControl Warhead2EndBox{
    {.key = "Edit8", .kind = ControlKind::TextBox, .caption = "End", .page = kWeaponryPage, .text = "-"}};
inline constexpr ThisWindowControl Warhead2LinkBox{
    {.key = "Edit12", .kind = ControlKind::TextBox, .caption = "Lnk", .page = kWeaponryPage, .text = "-"}};
PLORIK_CONTROL(WarheadLoad1Box, .kind = ControlKind::TextBox, .caption = "1. Warhead Load:", .page = kWeaponryPage,
               .text = "n/a");
PLORIK_CONTROL(WarheadLoad2Box, .kind = ControlKind::TextBox, .caption = "2. Warhead Load:", .page = kWeaponryPage,
               .text = "n/a");
inline constexpr ThisWindowControl GunConvergenceList{
    {.key = "ComboBox9", .kind = ControlKind::ComboBox, .caption = "Gun Convergence:", .page = kWeaponryPage}};
PLORIK_CONTROL(CapWpnSys, .kind = ControlKind::ComboBox, .caption = "Weapon System:", .page = kWeaponryPage,
               .items = kWeaponSystemItems);
PLORIK_CONTROL(LaserRechargeBox, .kind = ControlKind::TextBox, .caption = "Laser Recharge:", .page = kWeaponryPage,
               .text = "n/a");
PLORIK_CONTROL(TurboRange, .kind = ControlKind::TextBox, .caption = "Turbo Laser Range:", .page = kWeaponryPage,
               .text = "n/a");
PLORIK_CONTROL(SupRange, .kind = ControlKind::TextBox, .caption = "Super Laser Range:", .page = kWeaponryPage,
               .text = "n/a");
inline constexpr ThisWindowControl TurboFirePriorityBar{
    {.key = "TrackBar1", .kind = ControlKind::TrackBar, .caption = "Turbo Fire Priority:", .page = kWeaponryPage}};
PLORIK_CONTROL(TurboFirePri, .kind = ControlKind::TextBox, .page = kWeaponryPage, .text = "0");
inline constexpr ThisWindowControl SuperFirePriorityBar{
    {.key = "TrackBar2", .kind = ControlKind::TrackBar, .caption = "Super fire priority:", .page = kWeaponryPage}};
PLORIK_CONTROL(SupFirePri, .kind = ControlKind::TextBox, .page = kWeaponryPage, .text = "0");
PLORIK_CONTROL(MoreLasersLabel, .kind = ControlKind::Label, .caption = "More lasers fire", .page = kWeaponryPage);
PLORIK_CONTROL(LessOftenLabel, .kind = ControlKind::Label, .caption = "but less often", .page = kWeaponryPage);
PLORIK_CONTROL(LessLasersLabel, .kind = ControlKind::Label, .caption = "Less lasers fire", .page = kWeaponryPage);
PLORIK_CONTROL(MoreOftenLabel, .kind = ControlKind::Label, .caption = "but more often", .page = kWeaponryPage);
PLORIK_CONTROL(DoubleClicksLabel, .kind = ControlKind::Label, .caption = "Double clicks", .page = kWeaponryPage);

// The page's controls, in the order the window makes them: a control declared here is listed here.
inline constexpr const MainControl* kWeaponryPageControls[] = {
    &Laser1List,           &Laser1StartBox,   &Laser1EndBox,         &Laser1LinkBox,    &Laser1SequenceBox,
    &Laser2List,           &Laser2StartBox,   &Laser2EndBox,         &Laser2LinkBox,    &Laser2SequenceBox,
    &Laser3List,           &Laser3StartBox,   &Laser3EndBox,         &Laser3LinkBox,    &Laser3SequenceBox,
    &Warhead1List,         &Warhead1StartBox, &Warhead1EndBox,       &Warhead1LinkBox,  &Warhead2List,
    &Warhead2StartBox,     &Warhead2EndBox,   &Warhead2LinkBox,      &WarheadLoad1Box,  &WarheadLoad2Box,
    &GunConvergenceList,   &CapWpnSys,        &LaserRechargeBox,     &TurboRange,       &SupRange,
    &TurboFirePriorityBar, &TurboFirePri,     &SuperFirePriorityBar, &SupFirePri,       &MoreLasersLabel,
    &LessOftenLabel,       &LessLasersLabel,  &MoreOftenLabel,       &DoubleClicksLabel};

} // namespace plorik::controls
