#include "controls/WindowForms.h"

#include "controls/CockpitEditorControls.h"
#include "controls/MainWindowControls.h"
#include "controls/WeaponEditorControls.h"

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
    return formOf(kMainWindowCaption, controls::mainWindowControls());
}

std::unique_ptr<Form> buildCockpitEditorForm()
{
    namespace c = controls::cockpit;
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
        &controls::weapons::WeaponList,         &controls::weapons::WriteWpnButton,
        &controls::weapons::WpnPropertiesGroup, &controls::weapons::WpnEnabledBox,
        &controls::weapons::PowerBox,           &controls::weapons::WpnSpeedBox,
        &controls::weapons::TimeToLiveBox,      &controls::weapons::WpnUnknownBox,
        &controls::weapons::CategoryList,       &controls::weapons::CategoryNumberBox,
        &controls::weapons::WpnOptBox,          &controls::weapons::WpnIndexBox,
        &controls::weapons::WpnTypeList};
    return formOf(controls::weapons::kWeaponEditorCaption, kControls);
}

} // namespace plorik
