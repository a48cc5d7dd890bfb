#pragma once

#include "form/ControlEntry.h"
#include "windows/CockpitPage.h"
#include "windows/DescriptionsPage.h"
#include "windows/DevelopmentPage.h"
#include "windows/MainWindowFrame.h"
#include "windows/MainWindowMenus.h"
#include "windows/MainWindowPages.h"
#include "windows/OptPage.h"
#include "windows/StatisticsPage.h"
#include "windows/UnknownPage.h"
#include "windows/WeaponSlotsPage.h"
#include "windows/WeaponryPage.h"

#include <span>

namespace plorik::ui {

// The main window's catalogue: every control, in the order the window is made.
std::span<const ControlEntry* const> mainWindowControls();

} // namespace plorik::ui
