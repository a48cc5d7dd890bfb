#pragma once

#include "controls/MainWindowPages.h"
#include "controls/Windows.h"
#include "form/ControlEntry.h"

namespace plorik::controls {

// The "Development" page: the value search, the patch fields and the hex view.
inline constexpr std::string_view kWorkOnItems[] = {"Shipslot block", "Shiptype block"};
inline constexpr std::string_view kDisplayItems[] = {"Nothing", "Ship Type Block", "Shipslot Block",
                                                     "Weapon OPT Block"};

PLORIK_CONTROL(CompareGroup, .kind = ControlKind::Group, .caption = "&Compare:", .page = kDevelopmentPage);
inline constexpr ThisWindowControl WorkOnList{{.key = "ComboBox11",
                                               .kind = ControlKind::DropDownList,
                                               .caption = "Work on:",
                                               .page = kDevelopmentPage,
                                               .text = "Shipslot block",
                                               .items = kWorkOnItems,
                                               .index = 0}};
PLORIK_CONTROL(ValueBox, .kind = ControlKind::TextBox, .caption = "Value:", .page = kDevelopmentPage);
PLORIK_CONTROL(FindButton, .kind = ControlKind::Button, .caption = "Find", .page = kDevelopmentPage,
               .hint = "Search for the specified value in the current slot");
PLORIK_CONTROL(CompareButton, .kind = ControlKind::Button, .caption = "Compare", .page = kDevelopmentPage,
               .hint = "Compare the value with entries from last search");
PLORIK_CONTROL(FeedbackBox, .kind = ControlKind::Memo, .caption = "Feedback:", .page = kDevelopmentPage,
               .readOnly = true);
PLORIK_CONTROL(PatchGroup, .kind = ControlKind::Group, .caption = "&Patch:", .page = kDevelopmentPage);
PLORIK_CONTROL(OrigSlotBox, .kind = ControlKind::TextBox, .caption = "Original Craft Slot:", .page = kDevelopmentPage);
inline constexpr ThisWindowControl PatchCommentMemo{
    {.key = "Memo1", .kind = ControlKind::Memo, .caption = "Patch Comment:", .page = kDevelopmentPage}};
PLORIK_CONTROL(HexGroup, .kind = ControlKind::Group, .caption = "He&x", .page = kDevelopmentPage);
PLORIK_CONTROL(DisplayBox, .kind = ControlKind::DropDownList, .caption = "Display:", .page = kDevelopmentPage,
               .text = "Nothing", .items = kDisplayItems, .index = 0);
PLORIK_CONTROL(HexOffsetLabel, .kind = ControlKind::Label, .caption = "Offset: *", .page = kDevelopmentPage);
PLORIK_CONTROL(HexGrid, .kind = ControlKind::Grid, .page = kDevelopmentPage, .readOnly = true, .rows = 2, .columns = 9);

// The page's controls, in the order the window makes them: a control declared here is listed here.
inline constexpr const MainControl* kDevelopmentPageControls[] = {
    &CompareGroup, &WorkOnList,       &ValueBox, &FindButton, &CompareButton,  &FeedbackBox, &PatchGroup,
    &OrigSlotBox,  &PatchCommentMemo, &HexGroup, &DisplayBox, &HexOffsetLabel, &HexGrid};

} // namespace plorik::controls
