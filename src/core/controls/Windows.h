#pragma once

// The three windows and their typed controls, keys and forms. Each catalogue namespace names its
// window's control type ThisWindowControl, which PLORIK_CONTROL declares its constants with.

#include "form/WindowForm.h"

namespace plorik {

namespace controls {
struct MainWindowTag;
struct CockpitEditorTag;
struct WeaponEditorTag;
} // namespace controls

using MainControl = WindowControl<controls::MainWindowTag>;
using MainKey = WindowKey<controls::MainWindowTag>;
using MainForm = WindowForm<controls::MainWindowTag>;
using CockpitControl = WindowControl<controls::CockpitEditorTag>;
using CockpitKey = WindowKey<controls::CockpitEditorTag>;
using CockpitForm = WindowForm<controls::CockpitEditorTag>;
using WeaponControl = WindowControl<controls::WeaponEditorTag>;
using WeaponKey = WindowKey<controls::WeaponEditorTag>;
using WeaponForm = WindowForm<controls::WeaponEditorTag>;

namespace controls {
using ThisWindowControl = MainControl;
}
namespace controls::cockpit {
using ThisWindowControl = CockpitControl;
}
namespace controls::weapons {
using ThisWindowControl = WeaponControl;
}

} // namespace plorik
