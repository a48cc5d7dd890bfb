#pragma once

#include "form/Form.h"

#include <memory>
#include <string_view>

namespace plorik {

inline constexpr std::string_view kMainWindowCaption = "PLORIK Version 4.2 updated 05 April, 2019";

// Each window's form with every control of its catalogue in its design-time state.
std::unique_ptr<Form> buildMainWindowForm();
std::unique_ptr<Form> buildCockpitEditorForm();
std::unique_ptr<Form> buildWeaponEditorForm();

} // namespace plorik
