#pragma once

#include "controls/MainWindowPages.h"
#include "controls/Windows.h"
#include "form/ControlEntry.h"

namespace plorik::controls {

// The "Cockpit" page.
inline constexpr std::string_view kCockpitColumns[] = {"", "X", "Z", "Y"};
inline constexpr std::string_view kCockpitRows[] = {"Cockpit POV", "Gunner 1", "Gunner 2"};
inline constexpr std::string_view kTurretItems[] = {"0   Turret off", "317 Turret on"};

inline constexpr ThisWindowControl CockpitPositionsGrid{{.key = "StringGrid2",
                                                         .kind = ControlKind::Grid,
                                                         .page = kCockpitPage,
                                                         .rows = 4,
                                                         .columns = 4,
                                                         .columnHeadings = kCockpitColumns,
                                                         .rowHeadings = kCockpitRows}};
inline constexpr ThisWindowControl Turret1Orient1Box{{.key = "Edit37",
                                                      .kind = ControlKind::TextBox,
                                                      .caption = "Turret 1 Orient 1:",
                                                      .page = kCockpitPage,
                                                      .text = "n/a"}};
inline constexpr ThisWindowControl Turret2Orient1Box{{.key = "Edit38",
                                                      .kind = ControlKind::TextBox,
                                                      .caption = "Turret 2 Orient 1:",
                                                      .page = kCockpitPage,
                                                      .text = "n/a"}};
inline constexpr ThisWindowControl Turret1Orient2Box{{.key = "Edit39",
                                                      .kind = ControlKind::TextBox,
                                                      .caption = "Turret 1 Orient 2:",
                                                      .page = kCockpitPage,
                                                      .text = "n/a"}};
inline constexpr ThisWindowControl Turret2Orient2Box{{.key = "Edit40",
                                                      .kind = ControlKind::TextBox,
                                                      .caption = "Turret 2 Orient 2:",
                                                      .page = kCockpitPage,
                                                      .text = "n/a"}};
inline constexpr ThisWindowControl Turret1ActivatedList{{.key = "ComboBox18",
                                                         .kind = ControlKind::ComboBox,
                                                         .caption = "Turret 1 Activated:",
                                                         .page = kCockpitPage,
                                                         .text = "n/a",
                                                         .items = kTurretItems}};
inline constexpr ThisWindowControl Turret2ActivatedList{{.key = "ComboBox19",
                                                         .kind = ControlKind::ComboBox,
                                                         .caption = "Turret 2 Activated:",
                                                         .page = kCockpitPage,
                                                         .text = "n/a",
                                                         .items = kTurretItems}};
inline constexpr ThisWindowControl Turret1Arc1Box{
    {.key = "Edit43", .kind = ControlKind::TextBox, .caption = "Turret 1 Arc 1:", .page = kCockpitPage, .text = "n/a"}};
inline constexpr ThisWindowControl Turret2Arc1Box{
    {.key = "Edit44", .kind = ControlKind::TextBox, .caption = "Turret 2 Arc 1:", .page = kCockpitPage, .text = "n/a"}};
inline constexpr ThisWindowControl Turret1Arc2Box{
    {.key = "Edit45", .kind = ControlKind::TextBox, .caption = "Turret 1 Arc 2:", .page = kCockpitPage, .text = "n/a"}};
inline constexpr ThisWindowControl Turret2Arc2Box{
    {.key = "Edit46", .kind = ControlKind::TextBox, .caption = "Turret 2 Arc 2:", .page = kCockpitPage, .text = "n/a"}};
PLORIK_CONTROL(CockpitBox, .kind = ControlKind::TextBox, .caption = "&Cockpit", .page = kCockpitPage,
               .hint = "Cockpit file string", .text = "n/a");
PLORIK_CONTROL(INTEditorButton, .kind = ControlKind::Button, .caption = "INT Editor..", .page = kCockpitPage,
               .hint = "Open the INT cockpit editor", .enabled = false);

// The page's controls, in the order the window makes them: a control declared here is listed here.
inline constexpr const MainControl* kCockpitPageControls[] = {
    &CockpitPositionsGrid, &Turret1Orient1Box,    &Turret2Orient1Box, &Turret1Orient2Box, &Turret2Orient2Box,
    &Turret1ActivatedList, &Turret2ActivatedList, &Turret1Arc1Box,    &Turret2Arc1Box,    &Turret1Arc2Box,
    &Turret2Arc2Box,       &CockpitBox,           &INTEditorButton};

} // namespace plorik::controls
