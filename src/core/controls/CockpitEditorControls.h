#pragma once

#include "controls/Windows.h"
#include "form/ControlEntry.h"

#include <array>

namespace plorik::controls::cockpit {

// The "PLORIK Cockpit editor" window.
inline constexpr std::string_view kCockpitEditorCaption = "PLORIK Cockpit editor";
inline constexpr std::string_view kBrowseHint = "Right click to bring up browse funcion";
inline constexpr std::string_view kResolutionItems[] = {"640", "480", "320"};

PLORIK_CONTROL(IntFileGroup, .kind = ControlKind::Group, .caption = "&INT file editor");
PLORIK_CONTROL(CockpitFileBox, .kind = ControlKind::ComboBox, .caption = "Cockpit:");
PLORIK_CONTROL(ResolutionList, .kind = ControlKind::DropDownList, .caption = "Resolution:", .items = kResolutionItems,
               .index = 0);
PLORIK_CONTROL(NormalRingLabel, .kind = ControlKind::Label, .caption = "Normal:");
PLORIK_CONTROL(HighRingLabel, .kind = ControlKind::Label, .caption = "High:");

// An image name box with its context menu, and (IMAGE_BOX) the value box beside it: Name##Box,
// Name##Value, and the menu items Name##Browse, Name##ImpMirror, Name##RebMirror, Name##Standard.
#define PLORIK_IMAGE_NAME_BOX(Name, Caption)                                                                           \
    inline constexpr ThisWindowControl Name##Box{                                                                      \
        {.key = #Name "Box", .kind = ControlKind::TextBox, .caption = Caption, .hint = kBrowseHint}};                  \
    inline constexpr ThisWindowControl Name##Browse{                                                                   \
        {.key = #Name "Browse", .kind = ControlKind::MenuItem, .caption = "&Browse..", .contextMenuOf = #Name "Box"}}; \
    inline constexpr ThisWindowControl Name##ImpMirror{{.key = #Name "ImpMirror",                                      \
                                                        .kind = ControlKind::MenuItem,                                 \
                                                        .caption = "ImpMirror",                                        \
                                                        .contextMenuOf = #Name "Box"}};                                \
    inline constexpr ThisWindowControl Name##RebMirror{{.key = #Name "RebMirror",                                      \
                                                        .kind = ControlKind::MenuItem,                                 \
                                                        .caption = "RebMirror",                                        \
                                                        .contextMenuOf = #Name "Box"}};                                \
    inline constexpr ThisWindowControl Name##Standard{{.key = #Name "Standard",                                        \
                                                       .kind = ControlKind::MenuItem,                                  \
                                                       .caption = "Standard",                                          \
                                                       .contextMenuOf = #Name "Box"}};
#define PLORIK_IMAGE_BOX(Name, Caption)                                                                                \
    PLORIK_IMAGE_NAME_BOX(Name, Caption)                                                                               \
    inline constexpr ThisWindowControl Name##Value{{.key = #Name "Value",                                              \
                                                    .kind = ControlKind::TextBox,                                      \
                                                    .caption = Caption " value",                                       \
                                                    .hint = kBrowseHint,                                               \
                                                    .readOnly = true}};

PLORIK_IMAGE_BOX(NormalTop, "Normal: top")
PLORIK_IMAGE_BOX(NormalTopRight, "Normal: top right")
PLORIK_IMAGE_BOX(NormalRight, "Normal: right")
PLORIK_IMAGE_BOX(NormalBottomRight, "Normal: bottom right")
PLORIK_IMAGE_BOX(NormalBottom, "Normal: bottom")
PLORIK_IMAGE_BOX(NormalBottomLeft, "Normal: bottom left")
PLORIK_IMAGE_BOX(NormalLeft, "Normal: left")
PLORIK_IMAGE_BOX(NormalTopLeft, "Normal: top left")
PLORIK_IMAGE_BOX(HighTop, "High: top")
PLORIK_IMAGE_BOX(HighTopRight, "High: top right")
PLORIK_IMAGE_BOX(HighRight, "High: right")
PLORIK_IMAGE_BOX(HighBottomRight, "High: bottom right")
PLORIK_IMAGE_BOX(HighBottom, "High: bottom")
PLORIK_IMAGE_BOX(HighBottomLeft, "High: bottom left")
PLORIK_IMAGE_BOX(HighLeft, "High: left")
PLORIK_IMAGE_BOX(HighTopLeft, "High: top left")
PLORIK_IMAGE_BOX(Up, "Up:")
PLORIK_IMAGE_BOX(Camera, "Camera:")
PLORIK_IMAGE_BOX(Hud, "Hud:")
PLORIK_IMAGE_BOX(Follow, "Follow:")
PLORIK_IMAGE_BOX(Map, "Map:")
PLORIK_IMAGE_NAME_BOX(Panel, "Panel:")

#undef PLORIK_IMAGE_BOX
#undef PLORIK_IMAGE_NAME_BOX

PLORIK_CONTROL(CockpitPartsBox, .kind = ControlKind::ComboBox, .caption = "Cockpit parts:");
PLORIK_CONTROL(PartXBox, .kind = ControlKind::TextBox, .caption = "X");
PLORIK_CONTROL(PartYBox, .kind = ControlKind::TextBox, .caption = "Y");
// The caption beside the variable box names the chosen part's setting.
PLORIK_CONTROL(VariableCaption, .kind = ControlKind::Label, .caption = "Variable");
PLORIK_CONTROL(VariableBox, .kind = ControlKind::ComboBox, .caption = "Variable", .enabled = false);
PLORIK_CONTROL(SaveCPButton, .kind = ControlKind::Button, .caption = "Save CP");

// A name box and its context menu.
struct ImageNameBox {
    const CockpitControl* box;
    const CockpitControl* browse;
    const CockpitControl* impMirror;
    const CockpitControl* rebMirror;
    const CockpitControl* standard;
};
// An image name record of the INT file as the window shows it: its name box and its value box.
struct ImageRecordBoxes {
    ImageNameBox name;
    const CockpitControl* value;
};

#define PLORIK_IMAGE_NAME(Name)                                                                                        \
    ImageNameBox                                                                                                       \
    {                                                                                                                  \
        &Name##Box, &Name##Browse, &Name##ImpMirror, &Name##RebMirror, &Name##Standard                                 \
    }
#define PLORIK_IMAGE_RECORD(Name)                                                                                      \
    ImageRecordBoxes                                                                                                   \
    {                                                                                                                  \
        PLORIK_IMAGE_NAME(Name), &Name##Value                                                                          \
    }

// In the order of the INT file's name records.
inline constexpr std::array<ImageRecordBoxes, 21> kImageRecords = {
    PLORIK_IMAGE_RECORD(NormalTop),    PLORIK_IMAGE_RECORD(NormalTopRight),
    PLORIK_IMAGE_RECORD(NormalRight),  PLORIK_IMAGE_RECORD(NormalBottomRight),
    PLORIK_IMAGE_RECORD(NormalBottom), PLORIK_IMAGE_RECORD(NormalBottomLeft),
    PLORIK_IMAGE_RECORD(NormalLeft),   PLORIK_IMAGE_RECORD(NormalTopLeft),
    PLORIK_IMAGE_RECORD(HighTop),      PLORIK_IMAGE_RECORD(HighTopRight),
    PLORIK_IMAGE_RECORD(HighRight),    PLORIK_IMAGE_RECORD(HighBottomRight),
    PLORIK_IMAGE_RECORD(HighBottom),   PLORIK_IMAGE_RECORD(HighBottomLeft),
    PLORIK_IMAGE_RECORD(HighLeft),     PLORIK_IMAGE_RECORD(HighTopLeft),
    PLORIK_IMAGE_RECORD(Up),           PLORIK_IMAGE_RECORD(Camera),
    PLORIK_IMAGE_RECORD(Hud),          PLORIK_IMAGE_RECORD(Follow),
    PLORIK_IMAGE_RECORD(Map)};
inline constexpr ImageNameBox kPanelName = PLORIK_IMAGE_NAME(Panel);

#undef PLORIK_IMAGE_RECORD
#undef PLORIK_IMAGE_NAME

} // namespace plorik::controls::cockpit
