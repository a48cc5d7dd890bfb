#pragma once

#include "controls/MainWindowPages.h"
#include "controls/Windows.h"
#include "form/ControlEntry.h"

namespace plorik::controls {

// The "Descriptions" page.

PLORIK_CONTROL(CraftTypeBox, .kind = ControlKind::TextBox, .caption = "Craft Type:", .page = kDescriptionsPage,
               .text = "n/a");
PLORIK_CONTROL(ManufactorBox, .kind = ControlKind::TextBox, .caption = "Manufacturer:", .page = kDescriptionsPage,
               .text = "n/a");
PLORIK_CONTROL(UsedByBox, .kind = ControlKind::TextBox, .caption = "In Use By:", .page = kDescriptionsPage,
               .text = "n/a");
PLORIK_CONTROL(CrewBox, .kind = ControlKind::TextBox, .caption = "Crew:", .page = kDescriptionsPage, .text = "n/a");
PLORIK_CONTROL(CraftNameBox, .kind = ControlKind::TextBox, .caption = "Craft Name:", .page = kDescriptionsPage,
               .text = "n/a");
PLORIK_CONTROL(PluralnameBox, .kind = ControlKind::TextBox, .caption = "Plural Name:", .page = kDescriptionsPage,
               .text = "n/a");
PLORIK_CONTROL(DescriptionBox, .kind = ControlKind::Memo, .caption = "Description:", .page = kDescriptionsPage,
               .text = "n/a");
PLORIK_CONTROL(GenderGroup, .kind = ControlKind::Group, .caption = "Gender:", .page = kDescriptionsPage);
PLORIK_CONTROL(MaleRadioB, .kind = ControlKind::RadioButton, .caption = "Male", .page = kDescriptionsPage,
               .radioGroup = "Gender", .checked = true);
PLORIK_CONTROL(FemaleRadioB, .kind = ControlKind::RadioButton, .caption = "Female", .page = kDescriptionsPage,
               .radioGroup = "Gender");
PLORIK_CONTROL(SpecNo, .kind = ControlKind::ComboBox, .caption = "Species No.:", .page = kDescriptionsPage,
               .text = "n/a");
PLORIK_CONTROL(Shiplistnamebox, .kind = ControlKind::TextBox, .caption = "Shiplist Name:", .page = kDescriptionsPage,
               .text = "n/a");
PLORIK_CONTROL(Known, .kind = ControlKind::CheckBox, .caption = "Known", .page = kDescriptionsPage);
PLORIK_CONTROL(IconBox, .kind = ControlKind::TextBox, .caption = "Icon String:", .page = kDescriptionsPage,
               .text = "n/a");

// The page's controls, in the order the window makes them: a control declared here is listed here.
inline constexpr const MainControl* kDescriptionsPageControls[] = {
    &CraftTypeBox, &ManufactorBox, &UsedByBox,    &CrewBox, &CraftNameBox,    &PluralnameBox, &DescriptionBox,
    &GenderGroup,  &MaleRadioB,    &FemaleRadioB, &SpecNo,  &Shiplistnamebox, &Known,         &IconBox};

} // namespace plorik::controls
