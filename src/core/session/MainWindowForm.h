#pragma once

#include "form/Form.h"

#include <memory>
#include <string>
#include <vector>

namespace plorik {

inline constexpr const char* kMainWindowCaption = "PLORIK Version 4.2 updated 05 April, 2019";

// The main window's pages, in tab order.
const std::vector<std::string>& mainWindowPages();

// Every control of the main window with its design-time state: the controls around the pages, the
// menus, the tool bar and the status bar, and the eight pages.
std::unique_ptr<Form> buildMainWindowForm();

// The parts, one file each.
void addMainWindowFrame(Form& form);
void addMainWindowMenus(Form& form);
void addStatisticsPage(Form& form);
void addDescriptionsPage(Form& form);
void addWeaponryPage(Form& form);
void addWeaponSlotsPage(Form& form);
void addDevelopmentPage(Form& form);
void addOptPage(Form& form);
void addCockpitPage(Form& form);
void addUnknownPage(Form& form);

// The "Ship Type:" items; items 3, 8, 9, 18 and 19 differ by family and are set by the display.
std::vector<std::string> shipTypeItems(bool xwa);

} // namespace plorik
