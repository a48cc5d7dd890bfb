#pragma once

#include "form/ControlEntry.h"
#include "windows/MainWindowPages.h"

namespace plorik::ui {

// The "Opt" page: the model references and the model information. The mesh types keep their
// trailing blanks, as the game's tools write them.
inline constexpr std::string_view kMeshTypeItems[] = {
    "0: Default",          "1: MainHull ",      "2: Wing ",         "3: Fuselage ",     "4: GunTurret ",
    "5: Smallgun ",        "6: Engine ",        "7: Bridge ",       "8: ShieldGen ",    "9: EnergyGen ",
    "10: Launcher ",       "11: CommSys ",      "12: BeamSys ",     "13: CommandBeam ", "14: DockingPlat ",
    "15: LandingPlat ",    "16: Hangar ",       "17: CargoPod ",    "18: MiscHull ",    "19: Antenna ",
    "20: RotWing ",        "21: RotGunTurret ", "22: RotLauncher ", "23: RotCommSys ",  "24: RotBeamSys ",
    "25: RotCommandBeam ", "26: Hatch ",        "27: Custom2 ",     "28: WeaponSys1 ",  "29: WeaponSys2 ",
    "30: PowerReg ",       "31: Reactor"};
inline constexpr std::string_view kHardpointTypeItems[] = {"0: None",
                                                           "1: RebelLaser",
                                                           "2: TurboRebelLaser",
                                                           "3: EmpireLaser",
                                                           "4: TurboEmpireLaser",
                                                           "5: IonCannon",
                                                           "6: TurboIonCannon",
                                                           "7: Torpedo",
                                                           "8: Missile",
                                                           "9: SuperRebelLaser",
                                                           "10: SuperEmpierLaser",
                                                           "11: SuperIonCannon",
                                                           "12: SuperTorpedo",
                                                           "13: SuperMissile",
                                                           "14: DumbBomb",
                                                           "15: FiredBomb",
                                                           "16: Magpulse",
                                                           "17: TurboMagpulse",
                                                           "18: SuperMagpulse",
                                                           "19: Gunnerpoint.",
                                                           "20: CockpitSparks",
                                                           "21: DockingPoint",
                                                           "22: Towing",
                                                           "23: Accstart",
                                                           "24: Accend",
                                                           "25: InsideHangar",
                                                           "26: OutsideHangar",
                                                           "27: DockFromBig",
                                                           "28: DockFromSmall",
                                                           "29: DockToBig",
                                                           "30: DockToSmall",
                                                           "31: Cockpit",
                                                           "32: Engineglow",
                                                           "33: Unknown",
                                                           "34: Unknown",
                                                           "35: Unknown",
                                                           "36: Unknown",
                                                           "37: Unknown",
                                                           "38: Unknown",
                                                           "39: AI Hangar"};
inline constexpr std::string_view kHitzoneColumns[] = {"", "X", "Y", "Z"};
inline constexpr std::string_view kHitzoneRows[] = {"Span", "Center", "Min", "Max"};

inline constexpr ControlEntry DBOPTFile{.key = "DBOPTFile",
                                        .kind = ControlKind::TextBox,
                                        .caption = "OPT File:",
                                        .page = kOptPage,
                                        .hint = "The OPT file used in the game",
                                        .text = "n/a"};
inline constexpr ControlEntry optlistfile{.key = "optlistfile",
                                          .kind = ControlKind::TextBox,
                                          .caption = "OPT List File:",
                                          .page = kOptPage,
                                          .readOnly = true,
                                          .text = "n/a"};
inline constexpr ControlEntry optindex{.key = "optindex",
                                       .kind = ControlKind::TextBox,
                                       .caption = "OPT Index:",
                                       .page = kOptPage,
                                       .readOnly = true,
                                       .text = "n/a"};
inline constexpr ControlEntry AddNewOpt1{.key = "AddNewOpt1",
                                         .kind = ControlKind::MenuItem,
                                         .caption = "Add New Opt",
                                         .page = kOptPage,
                                         .contextMenuOf = "DBOPTFile"};
inline constexpr ControlEntry OptInfoGroup{
    .key = "OptInfoGroup", .kind = ControlKind::Group, .caption = "Opt Information: ", .page = kOptPage};
inline constexpr ControlEntry MeshList{
    .key = "MeshList", .kind = ControlKind::ListBox, .caption = "Mesh:", .page = kOptPage};
inline constexpr ControlEntry MeshInfoBox{
    .key = "MeshInfoBox", .kind = ControlKind::Memo, .caption = "Mesh Info:", .page = kOptPage, .readOnly = true};
inline constexpr ControlEntry HitzoneGrid{.key = "HitzoneGrid",
                                          .kind = ControlKind::Grid,
                                          .caption = "Collision Box and Mesh Type:",
                                          .page = kOptPage,
                                          .rows = 5,
                                          .columns = 4,
                                          .columnHeadings = kHitzoneColumns,
                                          .rowHeadings = kHitzoneRows};
inline constexpr ControlEntry MeshTypeBox{.key = "MeshTypeBox",
                                          .kind = ControlKind::DropDownList,
                                          .caption = "Mesh type:",
                                          .page = kOptPage,
                                          .items = kMeshTypeItems};
inline constexpr ControlEntry HardpointList{
    .key = "HardpointList", .kind = ControlKind::ListBox, .caption = "Mesh Hardpoints:", .page = kOptPage};
inline constexpr ControlEntry HardpointTypeBox{.key = "HardpointTypeBox",
                                               .kind = ControlKind::DropDownList,
                                               .caption = "Hardpoint type:",
                                               .page = kOptPage,
                                               .items = kHardpointTypeItems};
inline constexpr ControlEntry HardpointX{
    .key = "HardpointX", .kind = ControlKind::TextBox, .caption = "X", .page = kOptPage};
inline constexpr ControlEntry HardpointY{
    .key = "HardpointY", .kind = ControlKind::TextBox, .caption = "Y", .page = kOptPage};
inline constexpr ControlEntry HardpointZ{
    .key = "HardpointZ", .kind = ControlKind::TextBox, .caption = "Z", .page = kOptPage};
inline constexpr ControlEntry WriteMeshTypeButton{
    .key = "WriteMeshTypeButton", .kind = ControlKind::Button, .caption = "Write Mesh Type", .page = kOptPage};
inline constexpr ControlEntry WriteHardpointButton{
    .key = "WriteHardpointButton", .kind = ControlKind::Button, .caption = "Write Hardpoint", .page = kOptPage};

} // namespace plorik::ui
