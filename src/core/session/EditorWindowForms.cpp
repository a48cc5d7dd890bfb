#include "session/EditorWindowForms.h"

#include "form/FormBuilder.h"

namespace plorik {

std::unique_ptr<Form> buildCockpitEditorForm()
{
    auto form = std::make_unique<Form>(kCockpitEditorCaption);
    FormBuilder window(*form, "");
    window.group("IntFileGroup", "&INT file editor");
    return form;
}

std::unique_ptr<Form> buildWeaponEditorForm()
{
    auto form = std::make_unique<Form>(kWeaponEditorCaption);
    FormBuilder window(*form, "");
    window.listBox("WeaponList", "Weapon:");
    window.button("WriteWpnButton", "Write Wpn.");
    window.group("WpnPropertiesGroup", "Wpn. Properties: ");
    window.check("WpnEnabledBox", "Enabled");
    window.box("PowerBox", "Power:", "");
    window.box("WpnSpeedBox", "Speed:", "", "MGLT");
    window.box("TimeToLiveBox", "Time to live:", "", "Sec.");
    window.box("WpnUnknownBox", "Unknown:", "");
    window.list("CategoryList", "Category:");
    window.box("CategoryNumberBox", "", "");
    window.box("WpnOptBox", "OPT:", "");
    window.box("WpnIndexBox", "Index:", "");
    window.list("WpnTypeList", "Type:",
                {"0  Fighter",
                 "1  Shuttle",
                 "2  Utility Craft",
                 "3  Freighter",
                 "4  Starship",
                 "5  Installation",
                 "6  Unknown",
                 "7  Projectile",
                 "8  Accelerator ring",
                 "9  Satallite/buoy",
                 "10 Unknown",
                 "11 Unknown",
                 "12 Unknown",
                 "13 Unknown projectile",
                 "14 Unknown",
                 "15 Unknown",
                 "16 Unknown",
                 "17 Container",
                 "18 Droid",
                 "19 Mine"});
    return form;
}

} // namespace plorik
