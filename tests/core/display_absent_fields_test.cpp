#include "SessionFixture.h"

#include "windows/MainWindowControls.h"

using namespace plorik;
using namespace plorik::testing;

namespace {

struct KeyControls {
    const char* key;
    std::vector<ControlKey> controls;
};

const std::vector<ControlKey> kCockpitControls = {ui::StringGrid2, ui::Edit37,     ui::Edit38,     ui::Edit39,
                                                  ui::Edit40,      ui::ComboBox18, ui::ComboBox19, ui::Edit43,
                                                  ui::Edit44,      ui::Edit45,     ui::Edit46};

const std::vector<KeyControls> kFieldKeys = {
    {"SHIELDRECHARGE", {ui::ShieldRechargeBox}},
    {"SHIELDDECHARGE", {ui::ShieldDechargeBox}},
    {"LASERRECHARGE", {ui::LaserRechargeBox}},
    {"SYSTEM", {ui::SystemHitsBox}},
    {"SENSITIVITY", {ui::sensitivitybox}},
    {"HYPERDRIVE", {ui::HyperDriveRadioB}},
    {"SHIELDGENERATOR", {ui::ShieldGeneratorRadioB}},
    {"COUNTERMEASSURES", {ui::Countersbox}},
    {"POINTVAL", {ui::PVBox}},
    {"SHIELDPOWER", {ui::ShieldPowerBox}},
    {"HULLRATING", {ui::HullRateBox}},
    {"EXPPOWER", {ui::ExpPowerBox}},
    {"SPEED", {ui::SpeedBox}},
    {"ACC", {ui::AccBox}},
    {"DEACC", {ui::Deaccbox}},
    {"ROLL", {ui::RollBox}},
    {"PITCH", {ui::PitchBox}},
    {"GUNCONVERGENCE", {ui::ComboBox9}},
    {"INTFILE", {ui::CockpitBox}},
    {"COCKPITPOV", kCockpitControls},
};

const std::vector<ControlKey> kWeaponControls = {
    ui::ComboBox1, ui::ComboBox2, ui::ComboBox3,       ui::ComboBox4,       ui::Edit1, ui::Edit2, ui::Edit3,
    ui::Edit4,     ui::Edit5,     ui::Edit6,           ui::Edit7,           ui::Edit8, ui::Edit9, ui::Edit10,
    ui::Edit11,    ui::Edit12,    ui::WarheadLoad1Box, ui::WarheadLoad2Box, ui::wpn};
const std::vector<ControlKey> kXwaWeaponControls = {ui::ComboBox8, ui::Edit83,    ui::Edit84,   ui::Edit109,
                                                    ui::Edit110,   ui::Edit111,   ui::Edit112,  ui::TurboRange,
                                                    ui::SupRange,  ui::TrackBar1, ui::TrackBar2};

std::string familyName(Family family)
{
    return family == Family::Xwa ? "XWA" : "XvT";
}

// Whether each control is on: a start with the key at `value`, slot 2 shown.
void expectEnabled(Family family, const std::string& key, const std::string& value,
                   const std::vector<std::pair<ControlKey, bool>>& expected)
{
    SCOPED_TRACE(familyName(family) + " " + key + " = " + value);
    StartedGame started(GameBuilder(family).withDataFile(dataWithKey(family, key, value)));
    started.show(2);
    for (const auto& [control, enabled] : expected)
        EXPECT_EQ(started.control(control).enabled(), enabled) << control;
    EXPECT_TRUE(started.messages().empty());
    EXPECT_FALSE(started.session->ended());
}

std::vector<std::pair<ControlKey, bool>> all(const std::vector<ControlKey>& controls, bool enabled)
{
    std::vector<std::pair<ControlKey, bool>> expected;
    for (ControlKey control : controls)
        expected.emplace_back(control, enabled);
    return expected;
}

void removeSection(const StartedGame& started, const std::string& header)
{
    const std::filesystem::path data = started.game.programDir / "data.txt";
    writeFile(data, withoutSection(readFile(data), header));
}

} // namespace

TEST(DisplayAbsentFields, EachAbsentKeySwitchesOffItsControls)
{
    for (const Family family : {Family::Xvt, Family::Xwa}) {
        StartedGame full((GameBuilder(family)));
        for (const KeyControls& field : kFieldKeys) {
            for (ControlKey control : field.controls)
                EXPECT_TRUE(full.control(control).enabled()) << familyName(family) << " " << control;
            expectEnabled(family, field.key, "-1", all(field.controls, false));
        }
    }
}

TEST(DisplayAbsentFields, WithoutWeaponStatsEveryWeaponFieldIsOff)
{
    expectEnabled(Family::Xvt, "WEAPONSTATSSTART", "-1", all(kWeaponControls, false));
    std::vector<ControlKey> xwa = kWeaponControls;
    xwa.insert(xwa.end(), kXwaWeaponControls.begin(), kXwaWeaponControls.end());
    expectEnabled(Family::Xwa, "WEAPONSTATSSTART", "-1", all(xwa, false));
    expectEnabled(Family::Xwa, "WEAPONSTATSSTART", "900", {{ui::wpn, false}});
}

TEST(DisplayAbsentFields, FieldsReachingPastPosition999AreOff)
{
    // XvT weapons from 985: W+14 is 999 (a byte that fits), W+15 is 1000.
    expectEnabled(Family::Xvt, "WEAPONSTATSSTART", "985",
                  {{ui::ComboBox1, true},
                   {ui::ComboBox4, true},
                   {ui::Edit1, true},
                   {ui::Edit10, true},
                   {ui::Edit4, true},
                   {ui::Edit7, true},
                   {ui::Edit8, false},
                   {ui::Edit11, false},
                   {ui::Edit12, false},
                   {ui::WarheadLoad1Box, false},
                   {ui::WarheadLoad2Box, false},
                   {ui::wpn, false}});
    // XWA weapons from 962: the word at W+36 lies on 998 and 999, the one at W+38 would need 1000.
    expectEnabled(Family::Xwa, "WEAPONSTATSSTART", "962",
                  {{ui::ComboBox1, true},
                   {ui::ComboBox3, true},
                   {ui::ComboBox4, false},
                   {ui::Edit112, true},
                   {ui::TurboRange, true},
                   {ui::SupRange, true},
                   {ui::TrackBar1, true},
                   {ui::TrackBar2, true},
                   {ui::Edit3, false},
                   {ui::Edit12, false},
                   {ui::WarheadLoad1Box, false},
                   {ui::wpn, false}});
    // Cockpit from 970: C+28 lies on 998 and 999, C+30 would need 1000.
    expectEnabled(Family::Xvt, "COCKPITPOV", "970",
                  {{ui::StringGrid2, true},
                   {ui::Edit37, true},
                   {ui::ComboBox19, true},
                   {ui::Edit43, false},
                   {ui::Edit44, false},
                   {ui::Edit46, false}});
    expectEnabled(Family::Xvt, "HULLRATING", "998", {{ui::HullRateBox, true}});
    expectEnabled(Family::Xvt, "HULLRATING", "999", {{ui::HullRateBox, false}});
    expectEnabled(Family::Xwa, "SHIELDPOWER", "996", {{ui::ShieldPowerBox, true}}); // four bytes: 996 to 999
    expectEnabled(Family::Xwa, "SHIELDPOWER", "997", {{ui::ShieldPowerBox, false}});
    expectEnabled(Family::Xvt, "SHIELDPOWER", "998", {{ui::ShieldPowerBox, true}}); // two bytes in XvT
    expectEnabled(Family::Xvt, "EXPPOWER", "997", {{ui::ExpPowerBox, false}});      // always four bytes
    expectEnabled(Family::Xvt, "EXPPOWER", "996", {{ui::ExpPowerBox, true}});
    expectEnabled(Family::Xvt, "SYSTEM", "999", {{ui::SystemHitsBox, true}});
    expectEnabled(Family::Xwa, "SHIELDRECHARGE", "999", {{ui::ShieldRechargeBox, false}}); // a word in XWA
    expectEnabled(Family::Xvt, "SHIELDRECHARGE", "999", {{ui::ShieldRechargeBox, true}});
    expectEnabled(Family::Xwa, "SPEED", "999", {{ui::SpeedBox, false}});
    expectEnabled(Family::Xvt, "POINTVAL", "999", {{ui::PVBox, false}});
}

TEST(DisplayAbsentFields, LookupSectionsMissingAtDisplayTimeEndTheProgram)
{
    struct Case {
        Family family;
        const char* header;
    };
    for (const Case& c : {Case{Family::Xvt, "[WEAPON TYPES]"}, Case{Family::Xwa, "[XWA WEAPON TYPES]"},
                          Case{Family::Xvt, "[GUN CONVERGENCE]"}, Case{Family::Xwa, "[GUN CONVERGENCE]"}}) {
        SCOPED_TRACE(familyName(c.family) + " " + c.header);
        StartedGame started((GameBuilder(c.family)));
        ASSERT_TRUE(started.messages().empty());
        removeSection(started, c.header);
        started.form().userPress(ui::NextSlotButton);
        ASSERT_EQ(started.messages().size(), 1u);
        EXPECT_EQ(started.messages()[0], std::string("PLORIK error:|Missing ") + c.header + " section in DATA.TXT");
        EXPECT_EQ(started.prompter.records()[0].message.icon, MessageIcon::Error);
        EXPECT_TRUE(started.session->ended());
    }
}

TEST(DisplayAbsentFields, OnlyTheSectionsTheProfileNeedsAreLookedUp)
{
    StartedGame xvt((GameBuilder(Family::Xvt)));
    removeSection(xvt, "[XWA WEAPON TYPES]");
    xvt.form().userPress(ui::NextSlotButton);
    EXPECT_TRUE(xvt.messages().empty());
    EXPECT_FALSE(xvt.session->ended());

    StartedGame noConvergence(GameBuilder(Family::Xwa).withDataFile(dataWithKey(Family::Xwa, "GUNCONVERGENCE", "-1")));
    removeSection(noConvergence, "[GUN CONVERGENCE]");
    removeSection(noConvergence, "[WEAPON TYPES]");
    noConvergence.form().userPress(ui::NextSlotButton);
    EXPECT_TRUE(noConvergence.messages().empty());
    EXPECT_FALSE(noConvergence.session->ended());
    EXPECT_EQ(noConvergence.text(ui::CraftNoBox), "2");
}
