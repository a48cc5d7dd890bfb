#pragma once

#include <array>
#include <string_view>

namespace plorik::controls {

// The main window's pages in tab order, its menus, and its tool bar: what the catalogue's controls
// name as their page.
inline constexpr std::string_view kStatisticsPage = "Statistics";
inline constexpr std::string_view kDescriptionsPage = "Descriptions";
inline constexpr std::string_view kWeaponryPage = "Weaponry";
inline constexpr std::string_view kWeaponSlotsPage = "Wpn. Slots";
inline constexpr std::string_view kDevelopmentPage = "Development";
inline constexpr std::string_view kOptPage = "Opt";
inline constexpr std::string_view kCockpitPage = "Cockpit";
inline constexpr std::string_view kUnknownPage = "Unknown";
inline constexpr std::array kMainWindowPages = {kStatisticsPage,  kDescriptionsPage, kWeaponryPage, kWeaponSlotsPage,
                                                kDevelopmentPage, kOptPage,          kCockpitPage,  kUnknownPage};

inline constexpr std::string_view kFileMenu = "&File";
inline constexpr std::string_view kEditMenu = "&Edit";
inline constexpr std::string_view kEditorsMenu = "E&ditors";
inline constexpr std::string_view kImagesMenu = "&Images";
inline constexpr std::string_view kHelpMenu = "&Help";
inline constexpr std::string_view kToolBar = "Tool bar";

} // namespace plorik::controls
