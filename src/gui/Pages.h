#pragma once

#include "WidgetBinder.h"

class QWidget;

namespace plorik::gui {

// The main window's pages, one builder each; every control of a page gets its widget here.
QWidget* buildStatisticsPage(WidgetBinder& binder);
QWidget* buildDescriptionsPage(WidgetBinder& binder);
QWidget* buildWeaponryPage(WidgetBinder& binder);
QWidget* buildWeaponSlotsPage(WidgetBinder& binder);
QWidget* buildDevelopmentPage(WidgetBinder& binder);
QWidget* buildOptPage(WidgetBinder& binder);
QWidget* buildCockpitPage(WidgetBinder& binder);
QWidget* buildUnknownPage(WidgetBinder& binder);

} // namespace plorik::gui
