#pragma once

#include "controls/Windows.h"

#include <memory>
#include <string_view>

namespace plorik {

inline constexpr std::string_view kMainWindowCaption = "PLORIK Version 4.2 updated 05 April, 2019";

// Each window's form with every control of its catalogue in its design-time state.
std::unique_ptr<MainForm> buildMainWindowForm();
std::unique_ptr<CockpitForm> buildCockpitEditorForm();
std::unique_ptr<WeaponForm> buildWeaponEditorForm();

} // namespace plorik
