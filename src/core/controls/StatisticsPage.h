#pragma once

#include "controls/MainWindowPages.h"
#include "controls/Windows.h"
#include "form/ControlEntry.h"

namespace plorik::controls {

// The "Statistics" page.
inline constexpr std::string_view kShipTypeItems[] = {"0  Fighter",
                                                      "1  Shuttle",
                                                      "2  Utility Craft",
                                                      "3  Freighter/Transport",
                                                      "4  Starship",
                                                      "5  Station",
                                                      "6  Player Projectile",
                                                      "7  Other Projectile",
                                                      "8  Accelerator ring",
                                                      "9  Sat./buoy",
                                                      "10 Normal Debris",
                                                      "11 Small Debris",
                                                      "12 Backdrop",
                                                      "13 For Explosion",
                                                      "14 for obstacle (invincible)",
                                                      "15 for Death Star II",
                                                      "16 for people",
                                                      "17 Container",
                                                      "18 Droid",
                                                      "19 Mine",
                                                      "20 Large Debris"};
inline constexpr std::string_view kFlightModeItems[] = {"Nonflyable", "Flyable", "GunnerFlyable"};
inline constexpr std::string_view kSkirmishItems[] = {"Skirmish", "NoSkirmish"};

inline constexpr ThisWindowControl ScoreBox{{.key = "ShieldRechargeBox",
                                             .kind = ControlKind::TextBox,
                                             .caption = "Score:",
                                             .page = kStatisticsPage,
                                             .text = "n/a"}};
inline constexpr ThisWindowControl PromoPointsBox{{.key = "ShieldDechargeBox",
                                                   .kind = ControlKind::TextBox,
                                                   .caption = "Promo Points:",
                                                   .page = kStatisticsPage,
                                                   .text = "n/a"}};
PLORIK_CONTROL(SystemHitsBox, .kind = ControlKind::TextBox, .caption = "System Hits:", .page = kStatisticsPage,
               .text = "n/a");
inline constexpr ThisWindowControl FireSensitivityBox{{.key = "sensitivitybox",
                                                       .kind = ControlKind::TextBox,
                                                       .caption = "Fire Sensitivity:",
                                                       .page = kStatisticsPage,
                                                       .text = "n/a"}};
PLORIK_CONTROL(Countersbox, .kind = ControlKind::TextBox, .caption = "Counter Measures", .page = kStatisticsPage,
               .text = "n/a");
PLORIK_CONTROL(PVBox, .kind = ControlKind::TextBox, .caption = "Point Value:", .page = kStatisticsPage, .text = "n/a");
inline constexpr ThisWindowControl HyperdriveCheck{
    {.key = "HyperDriveRadioB", .kind = ControlKind::CheckBox, .caption = "Hyperdrive", .page = kStatisticsPage}};
PLORIK_CONTROL(ShieldGeneratorRadioB, .kind = ControlKind::CheckBox, .caption = "Shield Generator",
               .page = kStatisticsPage);
PLORIK_CONTROL(ShieldPowerBox, .kind = ControlKind::TextBox, .caption = "Shield Power:", .page = kStatisticsPage,
               .unit = "SBD", .text = "n/a");
PLORIK_CONTROL(HullRateBox, .kind = ControlKind::TextBox, .caption = "Hull Rate:", .page = kStatisticsPage,
               .unit = "RU", .text = "n/a");
inline constexpr ThisWindowControl UnknownStrengthBox{{.key = "ExpPowerBox",
                                                       .kind = ControlKind::TextBox,
                                                       .caption = "Unknown Strength:",
                                                       .page = kStatisticsPage,
                                                       .text = "n/a"}};
PLORIK_CONTROL(SpeedBox, .kind = ControlKind::TextBox, .caption = "Speed:", .page = kStatisticsPage, .unit = "MGLT",
               .text = "n/a");
PLORIK_CONTROL(AccBox, .kind = ControlKind::TextBox, .caption = "Accel:", .page = kStatisticsPage, .unit = "MGLT/s.",
               .text = "n/a");
PLORIK_CONTROL(Deaccbox, .kind = ControlKind::TextBox, .caption = "Decel:", .page = kStatisticsPage, .unit = "MGLT/s.",
               .text = "n/a");
PLORIK_CONTROL(RollBox, .kind = ControlKind::TextBox, .caption = "Roll:", .page = kStatisticsPage, .text = "n/a");
PLORIK_CONTROL(PitchBox, .kind = ControlKind::TextBox, .caption = "Pitch:", .page = kStatisticsPage, .text = "n/a");
PLORIK_CONTROL(ManBox, .kind = ControlKind::TextBox, .caption = "Manoeuvre:", .page = kStatisticsPage, .unit = "DPF",
               .readOnly = true, .text = "n/a");
PLORIK_CONTROL(BeamRechargeBox, .kind = ControlKind::TextBox, .page = kStatisticsPage, .enabled = false,
               .visible = false);
inline constexpr ThisWindowControl ShipTypeList{{.key = "ComboBox10",
                                                 .kind = ControlKind::DropDownList,
                                                 .caption = "Ship Type:",
                                                 .page = kStatisticsPage,
                                                 .items = kShipTypeItems}};
PLORIK_CONTROL(EnabledBox, .kind = ControlKind::CheckBox, .caption = "Enabled Craft", .page = kStatisticsPage);
inline constexpr ThisWindowControl TargetTypeList{
    {.key = "ComboBox5", .kind = ControlKind::ComboBox, .caption = "Target Type:", .page = kStatisticsPage}};
PLORIK_CONTROL(Playmodebox, .kind = ControlKind::ComboBox, .caption = "Flight Mode:", .page = kStatisticsPage,
               .text = "n/a", .items = kFlightModeItems);
PLORIK_CONTROL(InSkirmishBox, .kind = ControlKind::ComboBox, .caption = "Skirmish Option:", .page = kStatisticsPage,
               .text = "n/a", .items = kSkirmishItems);

// The page's controls, in the order the window makes them: a control declared here is listed here.
inline constexpr const MainControl* kStatisticsPageControls[] = {&ScoreBox,
                                                                 &PromoPointsBox,
                                                                 &SystemHitsBox,
                                                                 &FireSensitivityBox,
                                                                 &Countersbox,
                                                                 &PVBox,
                                                                 &HyperdriveCheck,
                                                                 &ShieldGeneratorRadioB,
                                                                 &ShieldPowerBox,
                                                                 &HullRateBox,
                                                                 &UnknownStrengthBox,
                                                                 &SpeedBox,
                                                                 &AccBox,
                                                                 &Deaccbox,
                                                                 &RollBox,
                                                                 &PitchBox,
                                                                 &ManBox,
                                                                 &BeamRechargeBox,
                                                                 &ShipTypeList,
                                                                 &EnabledBox,
                                                                 &TargetTypeList,
                                                                 &Playmodebox,
                                                                 &InSkirmishBox};

} // namespace plorik::controls
