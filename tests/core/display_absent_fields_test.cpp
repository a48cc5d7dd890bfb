#include "SessionFixture.h"

using namespace plorik;
using namespace plorik::testing;

namespace {

struct KeyControls {
    const char* key;
    std::vector<std::string> controls;
};

const std::vector<std::string> kCockpitControls = {"StringGrid2", "Edit37", "Edit38", "Edit39", "Edit40", "ComboBox18",
                                                   "ComboBox19",  "Edit43", "Edit44", "Edit45", "Edit46"};

const std::vector<KeyControls> kFieldKeys = {
    {"SHIELDRECHARGE", {"ShieldRechargeBox"}},
    {"SHIELDDECHARGE", {"ShieldDechargeBox"}},
    {"LASERRECHARGE", {"LaserRechargeBox"}},
    {"SYSTEM", {"SystemHitsBox"}},
    {"SENSITIVITY", {"sensitivitybox"}},
    {"HYPERDRIVE", {"HyperDriveRadioB"}},
    {"SHIELDGENERATOR", {"ShieldGeneratorRadioB"}},
    {"COUNTERMEASSURES", {"Countersbox"}},
    {"POINTVAL", {"PVBox"}},
    {"SHIELDPOWER", {"ShieldPowerBox"}},
    {"HULLRATING", {"HullRateBox"}},
    {"EXPPOWER", {"ExpPowerBox"}},
    {"SPEED", {"SpeedBox"}},
    {"ACC", {"AccBox"}},
    {"DEACC", {"Deaccbox"}},
    {"ROLL", {"RollBox"}},
    {"PITCH", {"PitchBox"}},
    {"GUNCONVERGENCE", {"ComboBox9"}},
    {"INTFILE", {"CockpitBox"}},
    {"COCKPITPOV", kCockpitControls},
};

const std::vector<std::string> kWeaponControls = {
    "ComboBox1", "ComboBox2", "ComboBox3",       "ComboBox4",       "Edit1", "Edit2", "Edit3",
    "Edit4",     "Edit5",     "Edit6",           "Edit7",           "Edit8", "Edit9", "Edit10",
    "Edit11",    "Edit12",    "WarheadLoad1Box", "WarheadLoad2Box", "wpn"};
const std::vector<std::string> kXwaWeaponControls = {"ComboBox8", "Edit83",    "Edit84",   "Edit109",
                                                     "Edit110",   "Edit111",   "Edit112",  "TurboRange",
                                                     "SupRange",  "TrackBar1", "TrackBar2"};

std::string familyName(Family family)
{
    return family == Family::Xwa ? "XWA" : "XvT";
}

// Whether each control is on: a start with the key at `value`, slot 2 shown.
void expectEnabled(Family family, const std::string& key, const std::string& value,
                   const std::vector<std::pair<std::string, bool>>& expected)
{
    SCOPED_TRACE(familyName(family) + " " + key + " = " + value);
    StartedGame started(GameBuilder(family).withDataFile(dataWithKey(family, key, value)));
    started.show(2);
    for (const auto& [control, enabled] : expected)
        EXPECT_EQ(started.control(control).enabled(), enabled) << control;
    EXPECT_TRUE(started.messages().empty());
    EXPECT_FALSE(started.session->ended());
}

std::vector<std::pair<std::string, bool>> all(const std::vector<std::string>& controls, bool enabled)
{
    std::vector<std::pair<std::string, bool>> expected;
    for (const std::string& control : controls)
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
            for (const std::string& control : field.controls)
                EXPECT_TRUE(full.control(control).enabled()) << familyName(family) << " " << control;
            expectEnabled(family, field.key, "-1", all(field.controls, false));
        }
    }
}

TEST(DisplayAbsentFields, WithoutWeaponStatsEveryWeaponFieldIsOff)
{
    expectEnabled(Family::Xvt, "WEAPONSTATSSTART", "-1", all(kWeaponControls, false));
    std::vector<std::string> xwa = kWeaponControls;
    xwa.insert(xwa.end(), kXwaWeaponControls.begin(), kXwaWeaponControls.end());
    expectEnabled(Family::Xwa, "WEAPONSTATSSTART", "-1", all(xwa, false));
    expectEnabled(Family::Xwa, "WEAPONSTATSSTART", "900", {{"wpn", false}});
}

TEST(DisplayAbsentFields, FieldsReachingPastPosition999AreOff)
{
    // XvT weapons from 985: W+14 is 999 (a byte that fits), W+15 is 1000.
    expectEnabled(Family::Xvt, "WEAPONSTATSSTART", "985",
                  {{"ComboBox1", true},
                   {"ComboBox4", true},
                   {"Edit1", true},
                   {"Edit10", true},
                   {"Edit4", true},
                   {"Edit7", true},
                   {"Edit8", false},
                   {"Edit11", false},
                   {"Edit12", false},
                   {"WarheadLoad1Box", false},
                   {"WarheadLoad2Box", false},
                   {"wpn", false}});
    // XWA weapons from 962: the word at W+36 lies on 998 and 999, the one at W+38 would need 1000.
    expectEnabled(Family::Xwa, "WEAPONSTATSSTART", "962",
                  {{"ComboBox1", true},
                   {"ComboBox3", true},
                   {"ComboBox4", false},
                   {"Edit112", true},
                   {"TurboRange", true},
                   {"SupRange", true},
                   {"TrackBar1", true},
                   {"TrackBar2", true},
                   {"Edit3", false},
                   {"Edit12", false},
                   {"WarheadLoad1Box", false},
                   {"wpn", false}});
    // Cockpit from 970: C+28 lies on 998 and 999, C+30 would need 1000.
    expectEnabled(Family::Xvt, "COCKPITPOV", "970",
                  {{"StringGrid2", true},
                   {"Edit37", true},
                   {"ComboBox19", true},
                   {"Edit43", false},
                   {"Edit44", false},
                   {"Edit46", false}});
    expectEnabled(Family::Xvt, "HULLRATING", "998", {{"HullRateBox", true}});
    expectEnabled(Family::Xvt, "HULLRATING", "999", {{"HullRateBox", false}});
    expectEnabled(Family::Xwa, "SHIELDPOWER", "996", {{"ShieldPowerBox", true}}); // four bytes: 996 to 999
    expectEnabled(Family::Xwa, "SHIELDPOWER", "997", {{"ShieldPowerBox", false}});
    expectEnabled(Family::Xvt, "SHIELDPOWER", "998", {{"ShieldPowerBox", true}}); // two bytes in XvT
    expectEnabled(Family::Xvt, "EXPPOWER", "997", {{"ExpPowerBox", false}});      // always four bytes
    expectEnabled(Family::Xvt, "EXPPOWER", "996", {{"ExpPowerBox", true}});
    expectEnabled(Family::Xvt, "SYSTEM", "999", {{"SystemHitsBox", true}});
    expectEnabled(Family::Xwa, "SHIELDRECHARGE", "999", {{"ShieldRechargeBox", false}}); // a word in XWA
    expectEnabled(Family::Xvt, "SHIELDRECHARGE", "999", {{"ShieldRechargeBox", true}});
    expectEnabled(Family::Xwa, "SPEED", "999", {{"SpeedBox", false}});
    expectEnabled(Family::Xvt, "POINTVAL", "999", {{"PVBox", false}});
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
        started.form().userPress("NextSlotButton");
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
    xvt.form().userPress("NextSlotButton");
    EXPECT_TRUE(xvt.messages().empty());
    EXPECT_FALSE(xvt.session->ended());

    StartedGame noConvergence(GameBuilder(Family::Xwa).withDataFile(dataWithKey(Family::Xwa, "GUNCONVERGENCE", "-1")));
    removeSection(noConvergence, "[GUN CONVERGENCE]");
    removeSection(noConvergence, "[WEAPON TYPES]");
    noConvergence.form().userPress("NextSlotButton");
    EXPECT_TRUE(noConvergence.messages().empty());
    EXPECT_FALSE(noConvergence.session->ended());
    EXPECT_EQ(noConvergence.text("CraftNoBox"), "2");
}
