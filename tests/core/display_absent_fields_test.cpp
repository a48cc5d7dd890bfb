#include "SessionFixture.h"

#include "controls/MainWindowControls.h"

using namespace plorik;
using namespace plorik::testing;

namespace {

struct KeyControls {
    const char* key;
    std::vector<ControlKey> controls;
};

const std::vector<ControlKey> kCockpitControls = {
    controls::CockpitPositionsGrid, controls::Turret1Orient1Box, controls::Turret2Orient1Box,
    controls::Turret1Orient2Box,    controls::Turret2Orient2Box, controls::Turret1ActivatedList,
    controls::Turret2ActivatedList, controls::Turret1Arc1Box,    controls::Turret2Arc1Box,
    controls::Turret1Arc2Box,       controls::Turret2Arc2Box};

const std::vector<KeyControls> kFieldKeys = {
    {"SHIELDRECHARGE", {controls::ScoreBox}},
    {"SHIELDDECHARGE", {controls::PromoPointsBox}},
    {"LASERRECHARGE", {controls::LaserRechargeBox}},
    {"SYSTEM", {controls::SystemHitsBox}},
    {"SENSITIVITY", {controls::FireSensitivityBox}},
    {"HYPERDRIVE", {controls::HyperdriveCheck}},
    {"SHIELDGENERATOR", {controls::ShieldGeneratorRadioB}},
    {"COUNTERMEASSURES", {controls::Countersbox}},
    {"POINTVAL", {controls::PVBox}},
    {"SHIELDPOWER", {controls::ShieldPowerBox}},
    {"HULLRATING", {controls::HullRateBox}},
    {"EXPPOWER", {controls::UnknownStrengthBox}},
    {"SPEED", {controls::SpeedBox}},
    {"ACC", {controls::AccBox}},
    {"DEACC", {controls::Deaccbox}},
    {"ROLL", {controls::RollBox}},
    {"PITCH", {controls::PitchBox}},
    {"GUNCONVERGENCE", {controls::GunConvergenceList}},
    {"INTFILE", {controls::CockpitBox}},
    {"COCKPITPOV", kCockpitControls},
};

const std::vector<ControlKey> kWeaponControls = {
    controls::Laser1List,      controls::Laser2List,      controls::Warhead1List,     controls::Warhead2List,
    controls::Laser1StartBox,  controls::Laser2StartBox,  controls::Warhead1StartBox, controls::Warhead2StartBox,
    controls::Laser1EndBox,    controls::Laser2EndBox,    controls::Warhead1EndBox,   controls::Warhead2EndBox,
    controls::Laser1LinkBox,   controls::Laser2LinkBox,   controls::Warhead1LinkBox,  controls::Warhead2LinkBox,
    controls::WarheadLoad1Box, controls::WarheadLoad2Box, controls::WeaponSlotsGrid};
const std::vector<ControlKey> kXwaWeaponControls = {
    controls::Laser3List,   controls::Laser1SequenceBox,    controls::Laser2SequenceBox,   controls::Laser3StartBox,
    controls::Laser3EndBox, controls::Laser3LinkBox,        controls::Laser3SequenceBox,   controls::TurboRange,
    controls::SupRange,     controls::TurboFirePriorityBar, controls::SuperFirePriorityBar};

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
    expectEnabled(Family::Xwa, "WEAPONSTATSSTART", "900", {{controls::WeaponSlotsGrid, false}});
}

TEST(DisplayAbsentFields, FieldsReachingPastPosition999AreOff)
{
    // XvT weapons from 985: W+14 is 999 (a byte that fits), W+15 is 1000.
    expectEnabled(Family::Xvt, "WEAPONSTATSSTART", "985",
                  {{controls::Laser1List, true},
                   {controls::Warhead2List, true},
                   {controls::Laser1StartBox, true},
                   {controls::Laser2LinkBox, true},
                   {controls::Warhead2StartBox, true},
                   {controls::Warhead1EndBox, true},
                   {controls::Warhead2EndBox, false},
                   {controls::Warhead1LinkBox, false},
                   {controls::Warhead2LinkBox, false},
                   {controls::WarheadLoad1Box, false},
                   {controls::WarheadLoad2Box, false},
                   {controls::WeaponSlotsGrid, false}});
    // XWA weapons from 962: the word at W+36 lies on 998 and 999, the one at W+38 would need 1000.
    expectEnabled(Family::Xwa, "WEAPONSTATSSTART", "962",
                  {{controls::Laser1List, true},
                   {controls::Warhead1List, true},
                   {controls::Warhead2List, false},
                   {controls::Laser3SequenceBox, true},
                   {controls::TurboRange, true},
                   {controls::SupRange, true},
                   {controls::TurboFirePriorityBar, true},
                   {controls::SuperFirePriorityBar, true},
                   {controls::Warhead1StartBox, false},
                   {controls::Warhead2LinkBox, false},
                   {controls::WarheadLoad1Box, false},
                   {controls::WeaponSlotsGrid, false}});
    // Cockpit from 970: C+28 lies on 998 and 999, C+30 would need 1000.
    expectEnabled(Family::Xvt, "COCKPITPOV", "970",
                  {{controls::CockpitPositionsGrid, true},
                   {controls::Turret1Orient1Box, true},
                   {controls::Turret2ActivatedList, true},
                   {controls::Turret1Arc1Box, false},
                   {controls::Turret2Arc1Box, false},
                   {controls::Turret2Arc2Box, false}});
    expectEnabled(Family::Xvt, "HULLRATING", "998", {{controls::HullRateBox, true}});
    expectEnabled(Family::Xvt, "HULLRATING", "999", {{controls::HullRateBox, false}});
    expectEnabled(Family::Xwa, "SHIELDPOWER", "996", {{controls::ShieldPowerBox, true}}); // four bytes: 996 to 999
    expectEnabled(Family::Xwa, "SHIELDPOWER", "997", {{controls::ShieldPowerBox, false}});
    expectEnabled(Family::Xvt, "SHIELDPOWER", "998", {{controls::ShieldPowerBox, true}});   // two bytes in XvT
    expectEnabled(Family::Xvt, "EXPPOWER", "997", {{controls::UnknownStrengthBox, false}}); // always four bytes
    expectEnabled(Family::Xvt, "EXPPOWER", "996", {{controls::UnknownStrengthBox, true}});
    expectEnabled(Family::Xvt, "SYSTEM", "999", {{controls::SystemHitsBox, true}});
    expectEnabled(Family::Xwa, "SHIELDRECHARGE", "999", {{controls::ScoreBox, false}}); // a word in XWA
    expectEnabled(Family::Xvt, "SHIELDRECHARGE", "999", {{controls::ScoreBox, true}});
    expectEnabled(Family::Xwa, "SPEED", "999", {{controls::SpeedBox, false}});
    expectEnabled(Family::Xvt, "POINTVAL", "999", {{controls::PVBox, false}});
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
        started.form().userPress(controls::NextSlotButton);
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
    xvt.form().userPress(controls::NextSlotButton);
    EXPECT_TRUE(xvt.messages().empty());
    EXPECT_FALSE(xvt.session->ended());

    StartedGame noConvergence(GameBuilder(Family::Xwa).withDataFile(dataWithKey(Family::Xwa, "GUNCONVERGENCE", "-1")));
    removeSection(noConvergence, "[GUN CONVERGENCE]");
    removeSection(noConvergence, "[WEAPON TYPES]");
    noConvergence.form().userPress(controls::NextSlotButton);
    EXPECT_TRUE(noConvergence.messages().empty());
    EXPECT_FALSE(noConvergence.session->ended());
    EXPECT_EQ(noConvergence.text(controls::CraftNoBox), "2");
}
