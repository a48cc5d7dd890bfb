#pragma once

#include "controls/MainWindowPages.h"
#include "controls/Windows.h"
#include "form/ControlEntry.h"

namespace plorik::controls {

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

PLORIK_CONTROL(DBOPTFile, .kind = ControlKind::TextBox, .caption = "OPT File:", .page = kOptPage,
               .hint = "The OPT file used in the game", .text = "n/a");
inline constexpr ThisWindowControl OptListFileBox{{.key = "optlistfile",
                                                   .kind = ControlKind::TextBox,
                                                   .caption = "OPT List File:",
                                                   .page = kOptPage,
                                                   .readOnly = true,
                                                   .text = "n/a"}};
inline constexpr ThisWindowControl OptIndexBox{{.key = "optindex",
                                                .kind = ControlKind::TextBox,
                                                .caption = "OPT Index:",
                                                .page = kOptPage,
                                                .readOnly = true,
                                                .text = "n/a"}};
inline constexpr ThisWindowControl AddNewOptItem{{.key = "AddNewOpt1",
                                                  .kind = ControlKind::MenuItem,
                                                  .caption = "Add New Opt",
                                                  .page = kOptPage,
                                                  .contextMenuOf = "DBOPTFile"}};
PLORIK_CONTROL(OptInfoGroup, .kind = ControlKind::Group, .caption = "Opt Information: ", .page = kOptPage);
PLORIK_CONTROL(MeshList, .kind = ControlKind::ListBox, .caption = "Mesh:", .page = kOptPage);
PLORIK_CONTROL(MeshInfoBox, .kind = ControlKind::Memo, .caption = "Mesh Info:", .page = kOptPage, .readOnly = true);
PLORIK_CONTROL(HitzoneGrid, .kind = ControlKind::Grid, .caption = "Collision Box and Mesh Type:", .page = kOptPage,
               .rows = 5, .columns = 4, .columnHeadings = kHitzoneColumns, .rowHeadings = kHitzoneRows);
PLORIK_CONTROL(MeshTypeBox, .kind = ControlKind::DropDownList, .caption = "Mesh type:", .page = kOptPage,
               .items = kMeshTypeItems);
PLORIK_CONTROL(HardpointList, .kind = ControlKind::ListBox, .caption = "Mesh Hardpoints:", .page = kOptPage);
PLORIK_CONTROL(HardpointTypeBox, .kind = ControlKind::DropDownList, .caption = "Hardpoint type:", .page = kOptPage,
               .items = kHardpointTypeItems);
PLORIK_CONTROL(HardpointX, .kind = ControlKind::TextBox, .caption = "X", .page = kOptPage);
PLORIK_CONTROL(HardpointY, .kind = ControlKind::TextBox, .caption = "Y", .page = kOptPage);
PLORIK_CONTROL(HardpointZ, .kind = ControlKind::TextBox, .caption = "Z", .page = kOptPage);
PLORIK_CONTROL(WriteMeshTypeButton, .kind = ControlKind::Button, .caption = "Write Mesh Type", .page = kOptPage);
PLORIK_CONTROL(WriteHardpointButton, .kind = ControlKind::Button, .caption = "Write Hardpoint", .page = kOptPage);

// The page's controls, in the order the window makes them: a control declared here is listed here.
inline constexpr const MainControl* kOptPageControls[] = {
    &DBOPTFile,   &OptListFileBox, &OptIndexBox,         &AddNewOptItem,       &OptInfoGroup,     &MeshList,
    &MeshInfoBox, &HitzoneGrid,    &MeshTypeBox,         &HardpointList,       &HardpointTypeBox, &HardpointX,
    &HardpointY,  &HardpointZ,     &WriteMeshTypeButton, &WriteHardpointButton};

} // namespace plorik::controls
