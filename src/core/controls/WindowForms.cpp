#include "controls/WindowForms.h"

#include "controls/CockpitEditorControls.h"
#include "controls/MainWindowControls.h"
#include "controls/WeaponEditorControls.h"

namespace plorik {

namespace {

template <class Window>
std::unique_ptr<WindowForm<Window>> formOf(std::string_view caption,
                                           std::span<const WindowControl<Window>* const> controls)
{
    auto form = std::make_unique<WindowForm<Window>>(std::string(caption));
    for (const WindowControl<Window>* control : controls)
        form->add(*control);
    return form;
}

} // namespace

std::unique_ptr<MainForm> buildMainWindowForm()
{
    return formOf<controls::MainWindowTag>(kMainWindowCaption, controls::mainWindowControls());
}

std::unique_ptr<CockpitForm> buildCockpitEditorForm()
{
    namespace c = controls::cockpit;
    static constexpr const CockpitControl* kHead[] = {&c::IntFileGroup, &c::CockpitFileBox, &c::ResolutionList,
                                                      &c::NormalRingLabel, &c::HighRingLabel};
    static constexpr const CockpitControl* kParts[] = {&c::CockpitPartsBox, &c::PartXBox,    &c::PartYBox,
                                                       &c::VariableCaption, &c::VariableBox, &c::SaveCPButton};
    auto form = formOf<controls::CockpitEditorTag>(c::kCockpitEditorCaption, kHead);
    // Each name box before its menu items.
    const auto addName = [&form](const c::ImageNameBox& name) {
        for (const CockpitControl* control : {name.box, name.browse, name.impMirror, name.rebMirror, name.standard})
            form->add(*control);
    };
    for (const c::ImageRecordBoxes& record : c::kImageRecords) {
        addName(record.name);
        form->add(*record.value);
    }
    addName(c::kPanelName);
    for (const CockpitControl* control : kParts)
        form->add(*control);
    return form;
}

std::unique_ptr<WeaponForm> buildWeaponEditorForm()
{
    static constexpr const WeaponControl* kControls[] = {
        &controls::weapons::WeaponList,         &controls::weapons::WriteWpnButton,
        &controls::weapons::WpnPropertiesGroup, &controls::weapons::WpnEnabledBox,
        &controls::weapons::PowerBox,           &controls::weapons::WpnSpeedBox,
        &controls::weapons::TimeToLiveBox,      &controls::weapons::WpnUnknownBox,
        &controls::weapons::CategoryList,       &controls::weapons::CategoryNumberBox,
        &controls::weapons::WpnOptBox,          &controls::weapons::WpnIndexBox,
        &controls::weapons::WpnTypeList};
    return formOf<controls::WeaponEditorTag>(controls::weapons::kWeaponEditorCaption, kControls);
}

} // namespace plorik
