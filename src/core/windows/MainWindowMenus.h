#pragma once

#include "form/ControlSpec.h"
#include "windows/MainWindowPages.h"

namespace plorik::ui {

// The menu bar and the tool bar.

inline constexpr ControlSpec Openship1{.key = "Openship1",
                                       .kind = ControlKind::MenuItem,
                                       .caption = "&Open Ship..",
                                       .page = kFileMenu,
                                       .shortcut = "Ctrl+O"};
inline constexpr ControlSpec Saveshipas1{.key = "Saveshipas1",
                                         .kind = ControlKind::MenuItem,
                                         .caption = "&Save Ship as..",
                                         .page = kFileMenu,
                                         .shortcut = "Ctrl+S"};
inline constexpr ControlSpec SaveasZT1{
    .key = "SaveasZT1", .kind = ControlKind::MenuItem, .caption = "Save as Single ZT..", .page = kFileMenu};
inline constexpr ControlSpec SelectEXEFile1{
    .key = "SelectEXEFile1", .kind = ControlKind::MenuItem, .caption = "Select EXE File..", .page = kFileMenu};
inline constexpr ControlSpec Exit1{
    .key = "Exit1", .kind = ControlKind::MenuItem, .caption = "E&xit", .page = kFileMenu};
inline constexpr ControlSpec Cut1{
    .key = "Cut1", .kind = ControlKind::MenuItem, .caption = "Cu&t", .page = kEditMenu, .shortcut = "Ctrl+X"};
inline constexpr ControlSpec Copy1{
    .key = "Copy1", .kind = ControlKind::MenuItem, .caption = "&Copy", .page = kEditMenu, .shortcut = "Ctrl+C"};
inline constexpr ControlSpec Paste1{.key = "Paste1",
                                    .kind = ControlKind::MenuItem,
                                    .caption = "&Paste",
                                    .page = kEditMenu,
                                    .shortcut = "Ctrl+V",
                                    .enabled = false};
inline constexpr ControlSpec Copyship1{
    .key = "Copyship1", .kind = ControlKind::MenuItem, .caption = "Copy Ship", .page = kEditMenu};
inline constexpr ControlSpec Pasteship1{
    .key = "Pasteship1", .kind = ControlKind::MenuItem, .caption = "Paste Ship", .page = kEditMenu, .enabled = false};
inline constexpr ControlSpec Pasteshiptypeonly1{.key = "Pasteshiptypeonly1",
                                                .kind = ControlKind::MenuItem,
                                                .caption = "Paste Shiptype Only",
                                                .page = kEditMenu,
                                                .enabled = false};
inline constexpr ControlSpec INTCockpitEditor1{.key = "INTCockpitEditor1",
                                               .kind = ControlKind::MenuItem,
                                               .caption = "INT Cockpit Editor..",
                                               .page = kEditorsMenu,
                                               .enabled = false};
inline constexpr ControlSpec WeaponsEditor1{
    .key = "WeaponsEditor1", .kind = ControlKind::MenuItem, .caption = "Weapons Editor..", .page = kEditorsMenu};
inline constexpr ControlSpec Backup1{
    .key = "Backup1", .kind = ControlKind::MenuItem, .caption = "Create Backup Image", .page = kImagesMenu};
inline constexpr ControlSpec Recreatefromimage1{
    .key = "Recreatefromimage1", .kind = ControlKind::MenuItem, .caption = "Recreate from Image", .page = kImagesMenu};
inline constexpr ControlSpec Recreatesingleslot1{.key = "Recreatesingleslot1",
                                                 .kind = ControlKind::MenuItem,
                                                 .caption = "Recreate Single Slot",
                                                 .page = kImagesMenu};
inline constexpr ControlSpec ZTpackage1{
    .key = "ZTpackage1", .kind = ControlKind::MenuItem, .caption = "Make ZT Package", .page = kImagesMenu};
inline constexpr ControlSpec XWAZTpackage1{.key = "XWAZTpackage1",
                                           .kind = ControlKind::MenuItem,
                                           .caption = "Make XWA ZT Package",
                                           .page = kImagesMenu,
                                           .enabled = false};
inline constexpr ControlSpec Contents1{
    .key = "Contents1", .kind = ControlKind::MenuItem, .caption = "&Contents", .page = kHelpMenu, .shortcut = "F1"};
inline constexpr ControlSpec Topic1{
    .key = "Topic1", .kind = ControlKind::MenuItem, .caption = "&Topic", .page = kHelpMenu};
inline constexpr ControlSpec Tutorial1{
    .key = "Tutorial1", .kind = ControlKind::MenuItem, .caption = "&Tutorial", .page = kHelpMenu};
inline constexpr ControlSpec HowtoUseHelp1{
    .key = "HowtoUseHelp1", .kind = ControlKind::MenuItem, .caption = "&How to Use Help", .page = kHelpMenu};
inline constexpr ControlSpec Introduction1{
    .key = "Introduction1", .kind = ControlKind::MenuItem, .caption = "Introduction", .page = kHelpMenu};
inline constexpr ControlSpec About1{
    .key = "About1", .kind = ControlKind::MenuItem, .caption = "&About...", .page = kHelpMenu};
inline constexpr ControlSpec OpenShipTool{
    .key = "OpenShipTool", .kind = ControlKind::ToolButton, .page = kToolBar, .hint = "Open a ship file"};
inline constexpr ControlSpec SaveShipTool{
    .key = "SaveShipTool", .kind = ControlKind::ToolButton, .page = kToolBar, .hint = "Save the slot as a ship file"};
inline constexpr ControlSpec CopyTool{
    .key = "CopyTool", .kind = ControlKind::ToolButton, .page = kToolBar, .hint = "Copy"};
inline constexpr ControlSpec CutTool{
    .key = "CutTool", .kind = ControlKind::ToolButton, .page = kToolBar, .hint = "Cut"};
inline constexpr ControlSpec PasteTool{
    .key = "PasteTool", .kind = ControlKind::ToolButton, .page = kToolBar, .hint = "Paste"};
inline constexpr ControlSpec LastTool{
    .key = "LastTool", .kind = ControlKind::ToolButton, .page = kToolBar, .hint = "Reserved"};

} // namespace plorik::ui
