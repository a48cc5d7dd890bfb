#include "windows/WindowForms.h"

#include "windows/CockpitEditorControls.h"
#include "windows/MainWindowControls.h"
#include "windows/WeaponEditorControls.h"

namespace plorik {

namespace {

std::unique_ptr<Form> formOf(std::string_view caption, std::span<const ControlSpec* const> controls)
{
    auto form = std::make_unique<Form>(std::string(caption));
    for (const ControlSpec* control : controls)
        form->add(*control);
    return form;
}

} // namespace

std::unique_ptr<Form> buildMainWindowForm()
{
    return formOf(kMainWindowCaption, ui::mainWindowControls());
}

std::unique_ptr<Form> buildCockpitEditorForm()
{
    static constexpr const ControlSpec* kControls[] = {&ui::cockpit::IntFileGroup};
    return formOf(ui::cockpit::kCockpitEditorCaption, kControls);
}

std::unique_ptr<Form> buildWeaponEditorForm()
{
    static constexpr const ControlSpec* kControls[] = {
        &ui::weapons::WeaponList,        &ui::weapons::WriteWpnButton, &ui::weapons::WpnPropertiesGroup,
        &ui::weapons::WpnEnabledBox,     &ui::weapons::PowerBox,       &ui::weapons::WpnSpeedBox,
        &ui::weapons::TimeToLiveBox,     &ui::weapons::WpnUnknownBox,  &ui::weapons::CategoryList,
        &ui::weapons::CategoryNumberBox, &ui::weapons::WpnOptBox,      &ui::weapons::WpnIndexBox,
        &ui::weapons::WpnTypeList};
    return formOf(ui::weapons::kWeaponEditorCaption, kControls);
}

} // namespace plorik
