#pragma once

#include "controls/MainWindowPages.h"
#include "controls/Windows.h"
#include "form/ControlEntry.h"

namespace plorik::controls {

// Around the pages: the slot controls, the version and folder boxes, the logo, the status bar.

PLORIK_CONTROL(CraftNoBox, .kind = ControlKind::ComboBox, .caption = "Craft No.");
PLORIK_CONTROL(PrevSlotButton, .kind = ControlKind::Button, .caption = "&-", .hint = "Previous slot");
PLORIK_CONTROL(NextSlotButton, .kind = ControlKind::Button, .caption = "&+", .hint = "Next slot");
inline constexpr ThisWindowControl WriteButton{{.key = "Button3",
                                                .kind = ControlKind::Button,
                                                .caption = "Write",
                                                .hint = "Write the slot to the executable and the game files"}};
PLORIK_CONTROL(Shiplistwrite, .kind = ControlKind::CheckBox, .caption = "Write to Shiplist.txt", .checked = true);
inline constexpr ThisWindowControl TopCraftNameBox{
    {.key = "CraftnameBox2", .kind = ControlKind::TextBox, .readOnly = true, .text = "-"}};
PLORIK_CONTROL(CraftIDBox, .kind = ControlKind::TextBox, .caption = "Craft ID:", .text = "n/a");
PLORIK_CONTROL(GameVersionBox, .kind = ControlKind::Memo, .caption = "Game Version:", .readOnly = true,
               .text = "None selected");
PLORIK_CONTROL(GameDirBox, .kind = ControlKind::TextBox, .caption = "Current Game Dir:", .readOnly = true,
               .text = "n/a");
PLORIK_CONTROL(LogoImage, .kind = ControlKind::Picture, .hint = "Visit the PLORIK project page");
PLORIK_CONTROL(StatusBar, .kind = ControlKind::StatusBar);

// The controls around the pages, in the order the window makes them: a control declared here is listed here.
inline constexpr const MainControl* kMainWindowFrameControls[] = {
    &CraftNoBox, &PrevSlotButton, &NextSlotButton, &WriteButton, &Shiplistwrite, &TopCraftNameBox,
    &CraftIDBox, &GameVersionBox, &GameDirBox,     &LogoImage,   &StatusBar};

} // namespace plorik::controls
