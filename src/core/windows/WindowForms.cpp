#include "windows/WindowForms.h"

#include "windows/CockpitEditorControls.h"
#include "windows/MainWindowControls.h"
#include "windows/WeaponEditorControls.h"

namespace plorik {

namespace {

std::unique_ptr<Form> formOf(std::string_view caption, std::span<const ControlEntry* const> controls)
{
    auto form = std::make_unique<Form>(std::string(caption));
    for (const ControlEntry* control : controls)
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
    namespace c = ui::cockpit;
    static constexpr const ControlEntry* kHead[] = {&c::IntFileGroup, &c::CockpitFileBox, &c::ResolutionList,
                                                    &c::NormalRingLabel, &c::HighRingLabel};
    static constexpr const ControlEntry* kParts[] = {&c::CockpitPartsBox, &c::PartXBox,    &c::PartYBox,
                                                     &c::VariableCaption, &c::VariableBox, &c::SaveCPButton};
    auto form = formOf(c::kCockpitEditorCaption, kHead);
    // Each name box before its menu items.
    const auto addName = [&form](const c::ImageNameBox& name) {
        for (const ControlEntry* control : {name.box, name.browse, name.impMirror, name.rebMirror, name.standard})
            form->add(*control);
    };
    for (const c::ImageRecordBoxes& record : c::kImageRecords) {
        addName(record.name);
        form->add(*record.value);
    }
    addName(c::kPanelName);
    for (const ControlEntry* control : kParts)
        form->add(*control);
    return form;
}

std::unique_ptr<Form> buildWeaponEditorForm()
{
    static constexpr const ControlEntry* kControls[] = {
        &ui::weapons::WeaponList,        &ui::weapons::WriteWpnButton, &ui::weapons::WpnPropertiesGroup,
        &ui::weapons::WpnEnabledBox,     &ui::weapons::PowerBox,       &ui::weapons::WpnSpeedBox,
        &ui::weapons::TimeToLiveBox,     &ui::weapons::WpnUnknownBox,  &ui::weapons::CategoryList,
        &ui::weapons::CategoryNumberBox, &ui::weapons::WpnOptBox,      &ui::weapons::WpnIndexBox,
        &ui::weapons::WpnTypeList};
    return formOf(ui::weapons::kWeaponEditorCaption, kControls);
}

} // namespace plorik
