#include "changes/WeaponComparison.h"

#include "changes/FormChanges.h"
#include "controls/WeaponEditorControls.h"
#include "controls/WindowForms.h"
#include "weapons/WeaponEditor.h"

#include <algorithm>
#include <memory>

namespace plorik {

namespace {

std::unique_ptr<WeaponForm> scratchWeaponForm(const WeaponForm& window)
{
    std::unique_ptr<WeaponForm> form = buildWeaponEditorForm();
    Form& copy = *form; // every control, by its own key
    for (const auto& control : window.controls())
        copy[control->key()] = *control;
    return form;
}

void show(WeaponForm& form, const WeaponComparison& comparison, const ComparedExecutable& side, int weapon)
{
    form[controls::weapons::WeaponList].setIndex(weapon);
    WeaponEditor({form, comparison.prompter, comparison.profile, comparison.gameDir, side.path, {}, &side.laid}).show();
}

} // namespace

std::vector<WeaponChanges> compareWeapons(const WeaponComparison& comparison)
{
    if (comparison.profile.absent(Key::WeaponOffset))
        return {};
    const std::unique_ptr<WeaponForm> before = scratchWeaponForm(comparison.window);
    const std::unique_ptr<WeaponForm> after = scratchWeaponForm(comparison.window);
    const std::vector<std::string>& names = comparison.window[controls::weapons::WeaponList].items();
    std::vector<WeaponChanges> changes;
    // A weapon index is a byte: the list's items past 255 name no weapon of the block.
    for (int weapon = 0; weapon < std::min<int>(static_cast<int>(names.size()), 256); ++weapon) {
        show(*before, comparison, comparison.before, weapon);
        show(*after, comparison, comparison.after, weapon);
        std::vector<FieldChange> fields = formChanges(*before, *after, false);
        if (!fields.empty())
            changes.push_back({weapon, names[static_cast<std::size_t>(weapon)], std::move(fields)});
    }
    return changes;
}

} // namespace plorik
