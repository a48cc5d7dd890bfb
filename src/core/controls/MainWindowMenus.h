#pragma once

#include "controls/MainWindowPages.h"
#include "controls/Windows.h"
#include "form/ControlEntry.h"

namespace plorik::controls {

// The menu bar and the tool bar.

inline constexpr ThisWindowControl OpenShipItem{{.key = "Openship1",
                                                 .kind = ControlKind::MenuItem,
                                                 .caption = "&Open Ship..",
                                                 .page = kFileMenu,
                                                 .shortcut = "Ctrl+O"}};
inline constexpr ThisWindowControl SaveShipAsItem{{.key = "Saveshipas1",
                                                   .kind = ControlKind::MenuItem,
                                                   .caption = "&Save Ship as..",
                                                   .page = kFileMenu,
                                                   .shortcut = "Ctrl+S"}};
inline constexpr ThisWindowControl SaveAsZtItem{
    {.key = "SaveasZT1", .kind = ControlKind::MenuItem, .caption = "Save as Single ZT..", .page = kFileMenu}};
PLORIK_CONTROL(ExportTableItem, .kind = ControlKind::MenuItem, .caption = "Export Table..", .page = kFileMenu);
PLORIK_CONTROL(ImportTableItem, .kind = ControlKind::MenuItem, .caption = "Import Table..", .page = kFileMenu);
// The slot's values into, and from, the text files X-Wing Alliance's hooks read beside its models.
PLORIK_CONTROL(ExportHookFileItem, .kind = ControlKind::MenuItem, .caption = "Export Hook File..", .page = kFileMenu,
               .enabled = false);
PLORIK_CONTROL(ImportHookFileItem, .kind = ControlKind::MenuItem, .caption = "Import Hook File..", .page = kFileMenu,
               .enabled = false);
inline constexpr ThisWindowControl SelectExeFileItem{
    {.key = "SelectEXEFile1", .kind = ControlKind::MenuItem, .caption = "Select EXE File..", .page = kFileMenu}};
inline constexpr ThisWindowControl ExitItem{
    {.key = "Exit1", .kind = ControlKind::MenuItem, .caption = "E&xit", .page = kFileMenu}};
PLORIK_CONTROL(UndoWriteItem, .kind = ControlKind::MenuItem, .caption = "Undo Write", .page = kEditMenu,
               .shortcut = "Ctrl+Z");
inline constexpr ThisWindowControl CutItem{
    {.key = "Cut1", .kind = ControlKind::MenuItem, .caption = "Cu&t", .page = kEditMenu, .shortcut = "Ctrl+X"}};
inline constexpr ThisWindowControl CopyItem{
    {.key = "Copy1", .kind = ControlKind::MenuItem, .caption = "&Copy", .page = kEditMenu, .shortcut = "Ctrl+C"}};
inline constexpr ThisWindowControl PasteItem{{.key = "Paste1",
                                              .kind = ControlKind::MenuItem,
                                              .caption = "&Paste",
                                              .page = kEditMenu,
                                              .shortcut = "Ctrl+V",
                                              .enabled = false}};
inline constexpr ThisWindowControl CopyShipItem{
    {.key = "Copyship1", .kind = ControlKind::MenuItem, .caption = "Copy Ship", .page = kEditMenu}};
inline constexpr ThisWindowControl PasteShipItem{
    {.key = "Pasteship1", .kind = ControlKind::MenuItem, .caption = "Paste Ship", .page = kEditMenu, .enabled = false}};
inline constexpr ThisWindowControl PasteShipTypeOnlyItem{{.key = "Pasteshiptypeonly1",
                                                          .kind = ControlKind::MenuItem,
                                                          .caption = "Paste Shiptype Only",
                                                          .page = kEditMenu,
                                                          .enabled = false}};
inline constexpr ThisWindowControl IntCockpitEditorItem{{.key = "INTCockpitEditor1",
                                                         .kind = ControlKind::MenuItem,
                                                         .caption = "INT Cockpit Editor..",
                                                         .page = kEditorsMenu,
                                                         .enabled = false}};
inline constexpr ThisWindowControl WeaponsEditorItem{
    {.key = "WeaponsEditor1", .kind = ControlKind::MenuItem, .caption = "Weapons Editor..", .page = kEditorsMenu}};
inline constexpr ThisWindowControl CreateBackupImageItem{
    {.key = "Backup1", .kind = ControlKind::MenuItem, .caption = "Create Backup Image", .page = kImagesMenu}};
inline constexpr ThisWindowControl RecreateFromImageItem{{.key = "Recreatefromimage1",
                                                          .kind = ControlKind::MenuItem,
                                                          .caption = "Recreate from Image",
                                                          .page = kImagesMenu}};
inline constexpr ThisWindowControl RecreateSingleSlotItem{{.key = "Recreatesingleslot1",
                                                           .kind = ControlKind::MenuItem,
                                                           .caption = "Recreate Single Slot",
                                                           .page = kImagesMenu}};
inline constexpr ThisWindowControl ZtPackageItem{
    {.key = "ZTpackage1", .kind = ControlKind::MenuItem, .caption = "Make ZT Package", .page = kImagesMenu}};
inline constexpr ThisWindowControl XwaZtPackageItem{{.key = "XWAZTpackage1",
                                                     .kind = ControlKind::MenuItem,
                                                     .caption = "Make XWA ZT Package",
                                                     .page = kImagesMenu,
                                                     .enabled = false}};
// The change report against the backup image, in a dialog of its own.
PLORIK_CONTROL(ShowChangesItem, .kind = ControlKind::MenuItem, .caption = "Show Changes", .page = kImagesMenu);
// A checkable item: the pages mark the fields that differ from the backup image.
PLORIK_CONTROL(MarkChangesItem, .kind = ControlKind::MenuItem, .caption = "Mark Changes", .page = kImagesMenu);
inline constexpr ThisWindowControl ContentsItem{
    {.key = "Contents1", .kind = ControlKind::MenuItem, .caption = "&Contents", .page = kHelpMenu, .shortcut = "F1"}};
inline constexpr ThisWindowControl TopicItem{
    {.key = "Topic1", .kind = ControlKind::MenuItem, .caption = "&Topic", .page = kHelpMenu}};
inline constexpr ThisWindowControl TutorialItem{
    {.key = "Tutorial1", .kind = ControlKind::MenuItem, .caption = "&Tutorial", .page = kHelpMenu}};
inline constexpr ThisWindowControl HowToUseHelpItem{
    {.key = "HowtoUseHelp1", .kind = ControlKind::MenuItem, .caption = "&How to Use Help", .page = kHelpMenu}};
inline constexpr ThisWindowControl IntroductionItem{
    {.key = "Introduction1", .kind = ControlKind::MenuItem, .caption = "Introduction", .page = kHelpMenu}};
inline constexpr ThisWindowControl AboutItem{
    {.key = "About1", .kind = ControlKind::MenuItem, .caption = "&About...", .page = kHelpMenu}};
PLORIK_CONTROL(OpenShipTool, .kind = ControlKind::ToolButton, .page = kToolBar, .hint = "Open a ship file");
PLORIK_CONTROL(SaveShipTool, .kind = ControlKind::ToolButton, .page = kToolBar, .hint = "Save the slot as a ship file");
PLORIK_CONTROL(CopyTool, .kind = ControlKind::ToolButton, .page = kToolBar, .hint = "Copy");
PLORIK_CONTROL(CutTool, .kind = ControlKind::ToolButton, .page = kToolBar, .hint = "Cut");
PLORIK_CONTROL(PasteTool, .kind = ControlKind::ToolButton, .page = kToolBar, .hint = "Paste");
PLORIK_CONTROL(LastTool, .kind = ControlKind::ToolButton, .page = kToolBar, .hint = "Reserved");

// The menu items and tool buttons, in the order the window makes them: a control declared here is listed here.
inline constexpr const MainControl* kMainWindowMenuControls[] = {&OpenShipItem,
                                                                 &SaveShipAsItem,
                                                                 &SaveAsZtItem,
                                                                 &ExportTableItem,
                                                                 &ImportTableItem,
                                                                 &ExportHookFileItem,
                                                                 &ImportHookFileItem,
                                                                 &SelectExeFileItem,
                                                                 &ExitItem,
                                                                 &UndoWriteItem,
                                                                 &CutItem,
                                                                 &CopyItem,
                                                                 &PasteItem,
                                                                 &CopyShipItem,
                                                                 &PasteShipItem,
                                                                 &PasteShipTypeOnlyItem,
                                                                 &IntCockpitEditorItem,
                                                                 &WeaponsEditorItem,
                                                                 &CreateBackupImageItem,
                                                                 &RecreateFromImageItem,
                                                                 &RecreateSingleSlotItem,
                                                                 &ZtPackageItem,
                                                                 &XwaZtPackageItem,
                                                                 &ShowChangesItem,
                                                                 &MarkChangesItem,
                                                                 &ContentsItem,
                                                                 &TopicItem,
                                                                 &TutorialItem,
                                                                 &HowToUseHelpItem,
                                                                 &IntroductionItem,
                                                                 &AboutItem,
                                                                 &OpenShipTool,
                                                                 &SaveShipTool,
                                                                 &CopyTool,
                                                                 &CutTool,
                                                                 &PasteTool,
                                                                 &LastTool};

} // namespace plorik::controls
