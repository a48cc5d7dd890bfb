#pragma once

#include "form/ControlSpec.h"
#include "windows/MainWindowPages.h"

namespace plorik::ui {

// The "Descriptions" page.

inline constexpr ControlSpec CraftTypeBox{.key = "CraftTypeBox",
                                          .kind = ControlKind::TextBox,
                                          .caption = "Craft Type:",
                                          .page = kDescriptionsPage,
                                          .text = "n/a"};
inline constexpr ControlSpec ManufactorBox{.key = "ManufactorBox",
                                           .kind = ControlKind::TextBox,
                                           .caption = "Manufacturer:",
                                           .page = kDescriptionsPage,
                                           .text = "n/a"};
inline constexpr ControlSpec UsedByBox{.key = "UsedByBox",
                                       .kind = ControlKind::TextBox,
                                       .caption = "In Use By:",
                                       .page = kDescriptionsPage,
                                       .text = "n/a"};
inline constexpr ControlSpec CrewBox{
    .key = "CrewBox", .kind = ControlKind::TextBox, .caption = "Crew:", .page = kDescriptionsPage, .text = "n/a"};
inline constexpr ControlSpec CraftNameBox{.key = "CraftNameBox",
                                          .kind = ControlKind::TextBox,
                                          .caption = "Craft Name:",
                                          .page = kDescriptionsPage,
                                          .text = "n/a"};
inline constexpr ControlSpec PluralnameBox{.key = "PluralnameBox",
                                           .kind = ControlKind::TextBox,
                                           .caption = "Plural Name:",
                                           .page = kDescriptionsPage,
                                           .text = "n/a"};
inline constexpr ControlSpec DescriptionBox{.key = "DescriptionBox",
                                            .kind = ControlKind::Memo,
                                            .caption = "Description:",
                                            .page = kDescriptionsPage,
                                            .text = "n/a"};
inline constexpr ControlSpec GenderGroup{
    .key = "GenderGroup", .kind = ControlKind::Group, .caption = "Gender:", .page = kDescriptionsPage};
inline constexpr ControlSpec MaleRadioB{.key = "MaleRadioB",
                                        .kind = ControlKind::RadioButton,
                                        .caption = "Male",
                                        .page = kDescriptionsPage,
                                        .radioGroup = "Gender",
                                        .checked = true};
inline constexpr ControlSpec FemaleRadioB{.key = "FemaleRadioB",
                                          .kind = ControlKind::RadioButton,
                                          .caption = "Female",
                                          .page = kDescriptionsPage,
                                          .radioGroup = "Gender"};
inline constexpr ControlSpec SpecNo{.key = "SpecNo",
                                    .kind = ControlKind::ComboBox,
                                    .caption = "Species No.:",
                                    .page = kDescriptionsPage,
                                    .text = "n/a"};
inline constexpr ControlSpec Shiplistnamebox{.key = "Shiplistnamebox",
                                             .kind = ControlKind::TextBox,
                                             .caption = "Shiplist Name:",
                                             .page = kDescriptionsPage,
                                             .text = "n/a"};
inline constexpr ControlSpec Known{
    .key = "Known", .kind = ControlKind::CheckBox, .caption = "Known", .page = kDescriptionsPage};
inline constexpr ControlSpec IconBox{.key = "IconBox",
                                     .kind = ControlKind::TextBox,
                                     .caption = "Icon String:",
                                     .page = kDescriptionsPage,
                                     .text = "n/a"};

} // namespace plorik::ui
