#include "session/MainWindowForm.h"

#include "form/FormBuilder.h"

#include <string>

namespace plorik {

std::vector<std::string> shipTypeItems(bool xwa)
{
    return {"0  Fighter",
            "1  Shuttle",
            "2  Utility Craft",
            xwa ? "3  Freighter/Transport" : "3  Freighter/Transport/Container",
            "4  Starship",
            "5  Station",
            "6  Player Projectile",
            "7  Other Projectile",
            xwa ? "8  Accelerator ring" : "8  Unknown",
            xwa ? "9  Sat./buoy" : "9  Installation",
            "10 Normal Debris",
            "11 Small Debris",
            "12 Backdrop",
            "13 For Explosion",
            "14 for obstacle (invincible)",
            "15 for Death Star II",
            "16 for people",
            "17 Container",
            xwa ? "18 Droid" : "18 Unknown",
            xwa ? "19 Mine" : "19 Unknown",
            "20 Large Debris"};
}

void addStatisticsPage(Form& form)
{
    FormBuilder page(form, "Statistics");
    page.box("ShieldRechargeBox", "Score:");
    page.box("ShieldDechargeBox", "Promo Points:");
    page.box("SystemHitsBox", "System Hits:");
    page.box("sensitivitybox", "Fire Sensitivity:");
    page.box("Countersbox", "Counter Measures");
    page.box("PVBox", "Point Value:");
    page.check("HyperDriveRadioB", "Hyperdrive");
    page.check("ShieldGeneratorRadioB", "Shield Generator");
    page.box("ShieldPowerBox", "Shield Power:", "n/a", "SBD");
    page.box("HullRateBox", "Hull Rate:", "n/a", "RU");
    page.box("ExpPowerBox", "Unknown Strength:");
    page.box("SpeedBox", "Speed:", "n/a", "MGLT");
    page.box("AccBox", "Accel:", "n/a", "MGLT/s.");
    page.box("Deaccbox", "Decel:", "n/a", "MGLT/s.");
    page.box("RollBox", "Roll:");
    page.box("PitchBox", "Pitch:");
    page.add({.key = "ManBox", .kind = ControlKind::TextBox, .caption = "Manoeuvre:", .unit = "DPF", .readOnly = true})
        .setText("n/a");
    // A box no version positions: always off, never shown.
    Control& beam = page.box("BeamRechargeBox", "", "");
    beam.setEnabled(false);
    beam.setVisible(false);
    page.list("ComboBox10", "Ship Type:", shipTypeItems(true));
    page.check("EnabledBox", "Enabled Craft");
    page.combo("ComboBox5", "Target Type:");
    page.combo("Playmodebox", "Flight Mode:", {"Nonflyable", "Flyable", "GunnerFlyable"}, "n/a");
    page.combo("InSkirmishBox", "Skirmish Option:", {"Skirmish", "NoSkirmish"}, "n/a");
}

void addDescriptionsPage(Form& form)
{
    FormBuilder page(form, "Descriptions");
    page.box("CraftTypeBox", "Craft Type:");
    page.box("ManufactorBox", "Manufacturer:");
    page.box("UsedByBox", "In Use By:");
    page.box("CrewBox", "Crew:");
    page.box("CraftNameBox", "Craft Name:");
    page.box("PluralnameBox", "Plural Name:");
    page.memo("DescriptionBox", "Description:", "n/a");
    page.group("GenderGroup", "Gender:");
    page.radio("MaleRadioB", "Male", "Gender", true);
    page.radio("FemaleRadioB", "Female", "Gender");
    page.combo("SpecNo", "Species No.:", {}, "n/a");
    page.box("Shiplistnamebox", "Shiplist Name:");
    page.check("Known", "Known");
    page.box("IconBox", "Icon String:");
}

void addWeaponryPage(Form& form)
{
    FormBuilder page(form, "Weaponry");
    // Five weapon rows: the type list, then Strt, End, Lnk and (lasers only) Seq.
    struct Row {
        const char* type;
        const char* caption;
        const char* strt;
        const char* end;
        const char* lnk;
        const char* seq;
    };
    const Row rows[] = {
        {"ComboBox1", "1. Laser:", "Edit1", "Edit5", "Edit9", "Edit83"},
        {"ComboBox2", "2. Laser:", "Edit2", "Edit6", "Edit10", "Edit84"},
        {"ComboBox8", "3. Laser:", "Edit109", "Edit110", "Edit111", "Edit112"},
        {"ComboBox3", "1. Warhead:", "Edit3", "Edit7", "Edit11", nullptr},
        {"ComboBox4", "2. Warhead:", "Edit4", "Edit8", "Edit12", nullptr},
    };
    for (const Row& row : rows) {
        page.combo(row.type, row.caption, {}, "Unknown");
        page.box(row.strt, "Strt", "-");
        page.box(row.end, "End", "-");
        page.box(row.lnk, "Lnk", "-");
        if (row.seq)
            page.box(row.seq, "Seq.", "-");
    }
    page.box("WarheadLoad1Box", "1. Warhead Load:");
    page.box("WarheadLoad2Box", "2. Warhead Load:");
    page.combo("ComboBox9", "Gun Convergence:");
    page.combo("CapWpnSys", "Weapon System:",
               {"0   None", "1   Unknown", "2   Unknown", "4   Unknown", "8   Capital weaponry",
                "16  Sat/Platform system", "32  Unknown", "64  Unknown", "128 Unknown", "256 Unknown"});
    page.box("LaserRechargeBox", "Laser Recharge:");
    page.box("TurboRange", "Turbo Laser Range:");
    page.box("SupRange", "Super Laser Range:");
    page.trackBar("TrackBar1", "Turbo Fire Priority:", 0, 255);
    page.box("TurboFirePri", "", "0");
    page.trackBar("TrackBar2", "Super fire priority:", 0, 255);
    page.box("SupFirePri", "", "0");
    page.label("MoreLasersLabel", "More lasers fire");
    page.label("LessOftenLabel", "but less often");
    page.label("LessLasersLabel", "Less lasers fire");
    page.label("MoreOftenLabel", "but more often");
    page.label("DoubleClicksLabel", "Double clicks");
}

void addWeaponSlotsPage(Form& form)
{
    FormBuilder page(form, "Wpn. Slots");
    std::vector<std::string> headings;
    for (int row = 0; row < 12; ++row)
        headings.push_back(std::to_string(row));
    page.grid("wpn", "", 13, 5, {"", "X", "Y", "Z", "Capacity"}, headings);
}

} // namespace plorik
