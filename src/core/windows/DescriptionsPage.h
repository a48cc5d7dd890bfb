#pragma once

#include "form/ControlEntry.h"
#include "windows/MainWindowPages.h"

namespace plorik::ui {

// The "Descriptions" page.

inline constexpr ControlEntry CraftTypeBox{.key = "CraftTypeBox",
                                           .kind = ControlKind::TextBox,
                                           .caption = "Craft Type:",
                                           .page = kDescriptionsPage,
                                           .text = "n/a"};
inline constexpr ControlEntry ManufactorBox{.key = "ManufactorBox",
                                            .kind = ControlKind::TextBox,
                                            .caption = "Manufacturer:",
                                            .page = kDescriptionsPage,
                                            .text = "n/a"};
inline constexpr ControlEntry UsedByBox{.key = "UsedByBox",
                                        .kind = ControlKind::TextBox,
                                        .caption = "In Use By:",
                                        .page = kDescriptionsPage,
                                        .text = "n/a"};
inline constexpr ControlEntry CrewBox{
    .key = "CrewBox", .kind = ControlKind::TextBox, .caption = "Crew:", .page = kDescriptionsPage, .text = "n/a"};
inline constexpr ControlEntry CraftNameBox{.key = "CraftNameBox",
                                           .kind = ControlKind::TextBox,
                                           .caption = "Craft Name:",
                                           .page = kDescriptionsPage,
                                           .text = "n/a"};
inline constexpr ControlEntry PluralnameBox{.key = "PluralnameBox",
                                            .kind = ControlKind::TextBox,
                                            .caption = "Plural Name:",
                                            .page = kDescriptionsPage,
                                            .text = "n/a"};
inline constexpr ControlEntry DescriptionBox{.key = "DescriptionBox",
                                             .kind = ControlKind::Memo,
                                             .caption = "Description:",
                                             .page = kDescriptionsPage,
                                             .text = "n/a"};
inline constexpr ControlEntry GenderGroup{
    .key = "GenderGroup", .kind = ControlKind::Group, .caption = "Gender:", .page = kDescriptionsPage};
inline constexpr ControlEntry MaleRadioB{.key = "MaleRadioB",
                                         .kind = ControlKind::RadioButton,
                                         .caption = "Male",
                                         .page = kDescriptionsPage,
                                         .radioGroup = "Gender",
                                         .checked = true};
inline constexpr ControlEntry FemaleRadioB{.key = "FemaleRadioB",
                                           .kind = ControlKind::RadioButton,
                                           .caption = "Female",
                                           .page = kDescriptionsPage,
                                           .radioGroup = "Gender"};
inline constexpr ControlEntry SpecNo{.key = "SpecNo",
                                     .kind = ControlKind::ComboBox,
                                     .caption = "Species No.:",
                                     .page = kDescriptionsPage,
                                     .text = "n/a"};
inline constexpr ControlEntry Shiplistnamebox{.key = "Shiplistnamebox",
                                              .kind = ControlKind::TextBox,
                                              .caption = "Shiplist Name:",
                                              .page = kDescriptionsPage,
                                              .text = "n/a"};
inline constexpr ControlEntry Known{
    .key = "Known", .kind = ControlKind::CheckBox, .caption = "Known", .page = kDescriptionsPage};
inline constexpr ControlEntry IconBox{.key = "IconBox",
                                      .kind = ControlKind::TextBox,
                                      .caption = "Icon String:",
                                      .page = kDescriptionsPage,
                                      .text = "n/a"};

} // namespace plorik::ui
