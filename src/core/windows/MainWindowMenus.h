#pragma once

#include "form/ControlEntry.h"
#include "windows/MainWindowPages.h"

namespace plorik::ui {

// The menu bar and the tool bar.

inline constexpr ControlEntry Openship1{.key = "Openship1",
                                        .kind = ControlKind::MenuItem,
                                        .caption = "&Open Ship..",
                                        .page = kFileMenu,
                                        .shortcut = "Ctrl+O"};
inline constexpr ControlEntry Saveshipas1{.key = "Saveshipas1",
                                          .kind = ControlKind::MenuItem,
                                          .caption = "&Save Ship as..",
                                          .page = kFileMenu,
                                          .shortcut = "Ctrl+S"};
inline constexpr ControlEntry SaveasZT1{
    .key = "SaveasZT1", .kind = ControlKind::MenuItem, .caption = "Save as Single ZT..", .page = kFileMenu};
inline constexpr ControlEntry SelectEXEFile1{
    .key = "SelectEXEFile1", .kind = ControlKind::MenuItem, .caption = "Select EXE File..", .page = kFileMenu};
inline constexpr ControlEntry Exit1{
    .key = "Exit1", .kind = ControlKind::MenuItem, .caption = "E&xit", .page = kFileMenu};
inline constexpr ControlEntry UndoWrite1{.key = "UndoWrite1",
                                         .kind = ControlKind::MenuItem,
                                         .caption = "Undo Write",
                                         .page = kEditMenu,
                                         .shortcut = "Ctrl+Z"};
inline constexpr ControlEntry Cut1{
    .key = "Cut1", .kind = ControlKind::MenuItem, .caption = "Cu&t", .page = kEditMenu, .shortcut = "Ctrl+X"};
inline constexpr ControlEntry Copy1{
    .key = "Copy1", .kind = ControlKind::MenuItem, .caption = "&Copy", .page = kEditMenu, .shortcut = "Ctrl+C"};
inline constexpr ControlEntry Paste1{.key = "Paste1",
                                     .kind = ControlKind::MenuItem,
                                     .caption = "&Paste",
                                     .page = kEditMenu,
                                     .shortcut = "Ctrl+V",
                                     .enabled = false};
inline constexpr ControlEntry Copyship1{
    .key = "Copyship1", .kind = ControlKind::MenuItem, .caption = "Copy Ship", .page = kEditMenu};
inline constexpr ControlEntry Pasteship1{
    .key = "Pasteship1", .kind = ControlKind::MenuItem, .caption = "Paste Ship", .page = kEditMenu, .enabled = false};
inline constexpr ControlEntry Pasteshiptypeonly1{.key = "Pasteshiptypeonly1",
                                                 .kind = ControlKind::MenuItem,
                                                 .caption = "Paste Shiptype Only",
                                                 .page = kEditMenu,
                                                 .enabled = false};
inline constexpr ControlEntry INTCockpitEditor1{.key = "INTCockpitEditor1",
                                                .kind = ControlKind::MenuItem,
                                                .caption = "INT Cockpit Editor..",
                                                .page = kEditorsMenu,
                                                .enabled = false};
inline constexpr ControlEntry WeaponsEditor1{
    .key = "WeaponsEditor1", .kind = ControlKind::MenuItem, .caption = "Weapons Editor..", .page = kEditorsMenu};
inline constexpr ControlEntry Backup1{
    .key = "Backup1", .kind = ControlKind::MenuItem, .caption = "Create Backup Image", .page = kImagesMenu};
inline constexpr ControlEntry Recreatefromimage1{
    .key = "Recreatefromimage1", .kind = ControlKind::MenuItem, .caption = "Recreate from Image", .page = kImagesMenu};
inline constexpr ControlEntry Recreatesingleslot1{.key = "Recreatesingleslot1",
                                                  .kind = ControlKind::MenuItem,
                                                  .caption = "Recreate Single Slot",
                                                  .page = kImagesMenu};
inline constexpr ControlEntry ZTpackage1{
    .key = "ZTpackage1", .kind = ControlKind::MenuItem, .caption = "Make ZT Package", .page = kImagesMenu};
inline constexpr ControlEntry XWAZTpackage1{.key = "XWAZTpackage1",
                                            .kind = ControlKind::MenuItem,
                                            .caption = "Make XWA ZT Package",
                                            .page = kImagesMenu,
                                            .enabled = false};
inline constexpr ControlEntry Contents1{
    .key = "Contents1", .kind = ControlKind::MenuItem, .caption = "&Contents", .page = kHelpMenu, .shortcut = "F1"};
inline constexpr ControlEntry Topic1{
    .key = "Topic1", .kind = ControlKind::MenuItem, .caption = "&Topic", .page = kHelpMenu};
inline constexpr ControlEntry Tutorial1{
    .key = "Tutorial1", .kind = ControlKind::MenuItem, .caption = "&Tutorial", .page = kHelpMenu};
inline constexpr ControlEntry HowtoUseHelp1{
    .key = "HowtoUseHelp1", .kind = ControlKind::MenuItem, .caption = "&How to Use Help", .page = kHelpMenu};
inline constexpr ControlEntry Introduction1{
    .key = "Introduction1", .kind = ControlKind::MenuItem, .caption = "Introduction", .page = kHelpMenu};
inline constexpr ControlEntry About1{
    .key = "About1", .kind = ControlKind::MenuItem, .caption = "&About...", .page = kHelpMenu};
inline constexpr ControlEntry OpenShipTool{
    .key = "OpenShipTool", .kind = ControlKind::ToolButton, .page = kToolBar, .hint = "Open a ship file"};
inline constexpr ControlEntry SaveShipTool{
    .key = "SaveShipTool", .kind = ControlKind::ToolButton, .page = kToolBar, .hint = "Save the slot as a ship file"};
inline constexpr ControlEntry CopyTool{
    .key = "CopyTool", .kind = ControlKind::ToolButton, .page = kToolBar, .hint = "Copy"};
inline constexpr ControlEntry CutTool{
    .key = "CutTool", .kind = ControlKind::ToolButton, .page = kToolBar, .hint = "Cut"};
inline constexpr ControlEntry PasteTool{
    .key = "PasteTool", .kind = ControlKind::ToolButton, .page = kToolBar, .hint = "Paste"};
inline constexpr ControlEntry LastTool{
    .key = "LastTool", .kind = ControlKind::ToolButton, .page = kToolBar, .hint = "Reserved"};

} // namespace plorik::ui
