#pragma once

#include "controls/CockpitPage.h"
#include "controls/DescriptionsPage.h"
#include "controls/DevelopmentPage.h"
#include "controls/MainWindowFrame.h"
#include "controls/MainWindowMenus.h"
#include "controls/MainWindowPages.h"
#include "controls/OptPage.h"
#include "controls/StatisticsPage.h"
#include "controls/UnknownPage.h"
#include "controls/WeaponSlotsPage.h"
#include "controls/WeaponryPage.h"
#include "controls/Windows.h"
#include "form/ControlEntry.h"

#include <span>

namespace plorik::controls {

// The main window's catalogue: every control, in the order the window is made.
std::span<const MainControl* const> mainWindowControls();

} // namespace plorik::controls
