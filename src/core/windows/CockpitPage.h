#pragma once

#include "form/ControlEntry.h"
#include "windows/MainWindowPages.h"

namespace plorik::ui {

// The "Cockpit" page.
inline constexpr std::string_view kCockpitColumns[] = {"", "X", "Z", "Y"};
inline constexpr std::string_view kCockpitRows[] = {"Cockpit POV", "Gunner 1", "Gunner 2"};
inline constexpr std::string_view kTurretItems[] = {"0   Turret off", "317 Turret on"};

inline constexpr ControlEntry StringGrid2{.key = "StringGrid2",
                                          .kind = ControlKind::Grid,
                                          .page = kCockpitPage,
                                          .rows = 4,
                                          .columns = 4,
                                          .columnHeadings = kCockpitColumns,
                                          .rowHeadings = kCockpitRows};
inline constexpr ControlEntry Edit37{.key = "Edit37",
                                     .kind = ControlKind::TextBox,
                                     .caption = "Turret 1 Orient 1:",
                                     .page = kCockpitPage,
                                     .text = "n/a"};
inline constexpr ControlEntry Edit38{.key = "Edit38",
                                     .kind = ControlKind::TextBox,
                                     .caption = "Turret 2 Orient 1:",
                                     .page = kCockpitPage,
                                     .text = "n/a"};
inline constexpr ControlEntry Edit39{.key = "Edit39",
                                     .kind = ControlKind::TextBox,
                                     .caption = "Turret 1 Orient 2:",
                                     .page = kCockpitPage,
                                     .text = "n/a"};
inline constexpr ControlEntry Edit40{.key = "Edit40",
                                     .kind = ControlKind::TextBox,
                                     .caption = "Turret 2 Orient 2:",
                                     .page = kCockpitPage,
                                     .text = "n/a"};
inline constexpr ControlEntry ComboBox18{.key = "ComboBox18",
                                         .kind = ControlKind::ComboBox,
                                         .caption = "Turret 1 Activated:",
                                         .page = kCockpitPage,
                                         .text = "n/a",
                                         .items = kTurretItems};
inline constexpr ControlEntry ComboBox19{.key = "ComboBox19",
                                         .kind = ControlKind::ComboBox,
                                         .caption = "Turret 2 Activated:",
                                         .page = kCockpitPage,
                                         .text = "n/a",
                                         .items = kTurretItems};
inline constexpr ControlEntry Edit43{
    .key = "Edit43", .kind = ControlKind::TextBox, .caption = "Turret 1 Arc 1:", .page = kCockpitPage, .text = "n/a"};
inline constexpr ControlEntry Edit44{
    .key = "Edit44", .kind = ControlKind::TextBox, .caption = "Turret 2 Arc 1:", .page = kCockpitPage, .text = "n/a"};
inline constexpr ControlEntry Edit45{
    .key = "Edit45", .kind = ControlKind::TextBox, .caption = "Turret 1 Arc 2:", .page = kCockpitPage, .text = "n/a"};
inline constexpr ControlEntry Edit46{
    .key = "Edit46", .kind = ControlKind::TextBox, .caption = "Turret 2 Arc 2:", .page = kCockpitPage, .text = "n/a"};
inline constexpr ControlEntry CockpitBox{.key = "CockpitBox",
                                         .kind = ControlKind::TextBox,
                                         .caption = "&Cockpit",
                                         .page = kCockpitPage,
                                         .hint = "Cockpit file string",
                                         .text = "n/a"};
inline constexpr ControlEntry INTEditorButton{.key = "INTEditorButton",
                                              .kind = ControlKind::Button,
                                              .caption = "INT Editor..",
                                              .page = kCockpitPage,
                                              .hint = "Open the INT cockpit editor",
                                              .enabled = false};

} // namespace plorik::ui
