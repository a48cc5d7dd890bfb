#include "session/Session.h"

#include "controls/WeaponEditorControls.h"
#include "weapons/WeaponEditor.h"

namespace plorik {

void Session::wireWeaponEditor()
{
    namespace w = controls::weapons;
    Form& weapons = *m_weapons;
    // The editor exists once the start-up has loaded a profile; before that its commands do nothing.
    const auto command = [this](void (WeaponEditor::*handler)()) {
        return [this, handler] {
            run([this, handler] {
                if (m_weaponEditor)
                    ((*m_weaponEditor).*handler)();
            });
        };
    };
    weapons.onChange(w::WeaponList, command(&WeaponEditor::show));
    weapons.onChange(w::CategoryList, command(&WeaponEditor::categoryChosen));
    weapons.onPress(w::WriteWpnButton, [this] {
        run([this] {
            if (!m_weaponEditor)
                return;
            if (const auto lock = lockGameFolder())
                m_weaponEditor->write();
        });
    });
}

void Session::createWeaponEditor()
{
    if (!m_profile)
        return;
    fillWeaponEditorLists();
    m_weaponEditor = std::make_unique<WeaponEditor>(
        WeaponEditorContext{*m_weapons, m_prompter, *m_profile, m_gameDir, executablePath(),
                            recorder(std::string(controls::weapons::WriteWpnButton.caption))});
    m_weaponEditor->show();
}

} // namespace plorik
