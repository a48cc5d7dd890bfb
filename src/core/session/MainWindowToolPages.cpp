#include "session/MainWindowForm.h"

#include "form/FormBuilder.h"

namespace plorik {

void addDevelopmentPage(Form& form)
{
    FormBuilder page(form, "Development");
    page.group("CompareGroup", "&Compare:");
    page.list("ComboBox11", "Work on:", {"Shipslot block", "Shiptype block"}, 0);
    page.box("ValueBox", "Value:", "");
    page.button("FindButton", "Find", "Search for the specified value in the current slot");
    page.button("CompareButton", "Compare", "Compare the value with entries from last search");
    page.memo("FeedbackBox", "Feedback:", "", true);

    page.group("PatchGroup", "&Patch:");
    page.box("OrigSlotBox", "Original Craft Slot:", "");
    page.memo("Memo1", "Patch Comment:", "");

    page.group("HexGroup", "He&x");
    page.list("DisplayBox", "Display:", {"Nothing", "Ship Type Block", "Shipslot Block", "Weapon OPT Block"}, 0);
    page.label("HexOffsetLabel", "Offset: *");
    // The byte grid only shows.
    page.add({.key = "HexGrid", .kind = ControlKind::Grid, .caption = "", .readOnly = true}).setGridSize(2, 9);
}

void addOptPage(Form& form)
{
    FormBuilder page(form, "Opt");
    page.add({.key = "DBOPTFile",
              .kind = ControlKind::TextBox,
              .caption = "OPT File:",
              .hint = "The OPT file used in the game"})
        .setText("n/a");
    page.readOnlyBox("optlistfile", "OPT List File:");
    page.readOnlyBox("optindex", "OPT Index:");
    // The one item of the "OPT File:" box's context menu.
    page.add(
        {.key = "AddNewOpt1", .kind = ControlKind::MenuItem, .caption = "Add New Opt", .contextMenuOf = "DBOPTFile"});

    page.group("OptInfoGroup", "Opt Information: ");
    page.listBox("MeshList", "Mesh:");
    page.memo("MeshInfoBox", "Mesh Info:", "", true);
    page.grid("HitzoneGrid", "Collision Box and Mesh Type:", 5, 4, {"", "X", "Y", "Z"},
              {"Span", "Center", "Min", "Max"});
    page.list("MeshTypeBox", "Mesh type:",
              {"0: Default",          "1: MainHull ",      "2: Wing ",         "3: Fuselage ",     "4: GunTurret ",
               "5: Smallgun ",        "6: Engine ",        "7: Bridge ",       "8: ShieldGen ",    "9: EnergyGen ",
               "10: Launcher ",       "11: CommSys ",      "12: BeamSys ",     "13: CommandBeam ", "14: DockingPlat ",
               "15: LandingPlat ",    "16: Hangar ",       "17: CargoPod ",    "18: MiscHull ",    "19: Antenna ",
               "20: RotWing ",        "21: RotGunTurret ", "22: RotLauncher ", "23: RotCommSys ",  "24: RotBeamSys ",
               "25: RotCommandBeam ", "26: Hatch ",        "27: Custom2 ",     "28: WeaponSys1 ",  "29: WeaponSys2 ",
               "30: PowerReg ",       "31: Reactor"});
    page.listBox("HardpointList", "Mesh Hardpoints:");
    page.list("HardpointTypeBox", "Hardpoint type:",
              {"0: None",
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
               "39: AI Hangar"});
    page.box("HardpointX", "X", "");
    page.box("HardpointY", "Y", "");
    page.box("HardpointZ", "Z", "");
    page.button("WriteMeshTypeButton", "Write Mesh Type");
    page.button("WriteHardpointButton", "Write Hardpoint");
}

void addCockpitPage(Form& form)
{
    FormBuilder page(form, "Cockpit");
    page.grid("StringGrid2", "", 4, 4, {"", "X", "Z", "Y"}, {"Cockpit POV", "Gunner 1", "Gunner 2"});
    page.box("Edit37", "Turret 1 Orient 1:");
    page.box("Edit38", "Turret 2 Orient 1:");
    page.box("Edit39", "Turret 1 Orient 2:");
    page.box("Edit40", "Turret 2 Orient 2:");
    page.combo("ComboBox18", "Turret 1 Activated:", {"0   Turret off", "317 Turret on"}, "n/a");
    page.combo("ComboBox19", "Turret 2 Activated:", {"0   Turret off", "317 Turret on"}, "n/a");
    page.box("Edit43", "Turret 1 Arc 1:");
    page.box("Edit44", "Turret 2 Arc 1:");
    page.box("Edit45", "Turret 1 Arc 2:");
    page.box("Edit46", "Turret 2 Arc 2:");
    page.box("CockpitBox", "&Cockpit");
    Control& editor = page.button("INTEditorButton", "INT Editor..", "Open the INT cockpit editor");
    editor.setEnabled(false); // switched on by a successful identification
}

void addUnknownPage(Form& form)
{
    FormBuilder page(form, "Unknown");
    // Only the "value:" column is the user's; the others come from data.txt.
    page.grid("StringGrid3", "", 10, 5, {"Description:", "Data type:", "value:", "Location:", "Offset:"})
        .setEditableColumns({2});
}

} // namespace plorik
