#pragma once

#include "form/Form.h"

#include <memory>

namespace plorik {

inline constexpr const char* kCockpitEditorCaption = "PLORIK Cockpit editor";
inline constexpr const char* kWeaponEditorCaption = "PLORIK Weapon editor";

// The cockpit editor window (its controls come with the editor itself).
std::unique_ptr<Form> buildCockpitEditorForm();
// The weapon editor window.
std::unique_ptr<Form> buildWeaponEditorForm();

} // namespace plorik
