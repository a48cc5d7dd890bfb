// What the user sees after "Write": the slot shown again carries the values written.
#include "WriteFixture.h"

using namespace plorik;
using namespace plorik::testing;

namespace {

struct Shown {
    const char* key;
    const char* text;
};

void type(Form& form, const std::vector<Shown>& edits)
{
    for (const Shown& edit : edits)
        ASSERT_TRUE(form.userEdit(edit.key, edit.text)) << edit.key;
}

void expectShown(WriteGame& game, const std::vector<Shown>& shown)
{
    for (const Shown& each : shown)
        EXPECT_EQ(game.control(each.key).text(), each.text) << each.key;
}

// Leaves the slot and comes back, so that every control is filled from the files again.
void showAgain(WriteGame& game, std::int32_t slot)
{
    ASSERT_TRUE(game.form().userEdit("CraftNoBox", std::to_string(slot == 1 ? 2 : 1)));
    ASSERT_TRUE(game.form().userEdit("CraftNoBox", std::to_string(slot)));
}

} // namespace

TEST(WriteRoundTrip, XvtSlotShowsWhatWasWritten)
{
    WriteGame game{GameBuilder(Family::Xvt)};
    game.startAt(3);
    const std::vector<Shown> edits = {
        {"CraftIDBox", "RT-3"},
        {"ShieldRechargeBox", "17"},
        {"SystemHitsBox", "4"},
        {"PVBox", "-250"},
        {"ShieldPowerBox", "120"},
        {"HullRateBox", "25"},
        {"ExpPowerBox", "123"},
        {"SpeedBox", "100"},
        {"AccBox", "40"},
        {"Deaccbox", "20"},
        {"RollBox", "12"},
        {"PitchBox", "34"},
        {"CockpitBox", "CPITRT"},
        {"Edit1", "9"},
        {"WarheadLoad2Box", "6"},
        {"CraftNameBox", "Round Trip"},
        {"PluralnameBox", "Round Trips"},
        {"CraftTypeBox", "Tester"},
        {"ManufactorBox", "Loop Works"},
        {"UsedByBox", "Everyone"},
        {"DescriptionBox", "Goes and comes back."},
        {"CrewBox", "2"},
        {"DBOPTFile", "ROUND.opt"},
    };
    type(game.form(), edits);
    ASSERT_TRUE(game.form().userPick("ComboBox1", 5));
    ASSERT_TRUE(game.form().userCheck("FemaleRadioB", true));
    ASSERT_TRUE(game.form().userCheck("EnabledBox", false));
    ASSERT_TRUE(game.form().userEditCell("wpn", 3, 2, "-44"));
    ASSERT_TRUE(game.form().userEditCell("StringGrid2", 1, 3, "321"));
    ASSERT_TRUE(game.form().userEditCell("StringGrid3", 1, 2, "7"));
    game.write();
    EXPECT_EQ(game.messages(), std::vector<std::string>{});

    showAgain(game, 3);
    expectShown(game, edits);
    expectShown(game, {{"ManBox", "80"}, {"CraftnameBox2", "Round Trip"}, {"ComboBox1", "5  Turbolaser"}});
    EXPECT_TRUE(game.control("FemaleRadioB").checked());
    EXPECT_FALSE(game.control("MaleRadioB").checked());
    EXPECT_FALSE(game.control("EnabledBox").checked());
    EXPECT_EQ(game.control("wpn").cell(3, 2), "-44");
    EXPECT_EQ(game.control("StringGrid2").cell(1, 3), "321");
    EXPECT_EQ(game.control("StringGrid3").cell(1, 2), "7");
}

TEST(WriteRoundTrip, XwaSlotShowsWhatWasWrittenIncludingItsNewShipListLine)
{
    // Slot 13's species has no ship list line yet.
    WriteGame game{GameBuilder(Family::Xwa)};
    game.startAt(13);
    const std::vector<Shown> edits = {
        {"CraftIDBox", "EMB"},
        {"ShieldRechargeBox", "1000"},
        {"LaserRechargeBox", "700"},
        {"ShieldPowerBox", "3200"},
        {"HullRateBox", "1600"},
        {"SpeedBox", "100"},
        {"CockpitBox", "EmberCockpit"},
        {"TurboRange", "8"},
        {"Edit83", "3"},
        {"CraftNameBox", "Ember"},
        {"PluralnameBox", "Embers"},
        {"CraftTypeBox", "Corvette"},
        {"DescriptionBox", "Small and quick."},
        {"Shiplistnamebox", "Ember Class"},
        {"IconBox", "1  ,2  ,3  "},
        {"Edit37", "-12"},
    };
    type(game.form(), edits);
    ASSERT_TRUE(game.form().userPick("ComboBox10", 4));
    ASSERT_TRUE(game.form().userPick("Playmodebox", 1));
    ASSERT_TRUE(game.form().userPick("InSkirmishBox", 0));
    ASSERT_TRUE(game.form().userCheck("Known", true));
    ASSERT_TRUE(game.form().userSlide("TrackBar2", 77));
    ASSERT_TRUE(game.form().userEditCell("StringGrid3", 2, 2, "-2.5"));
    game.write();
    EXPECT_EQ(game.messages(), std::vector<std::string>{});

    showAgain(game, 13);
    expectShown(game, edits);
    expectShown(game, {{"SpecNo", "13"},
                       {"Playmodebox", "Flyable"},
                       {"InSkirmishBox", "Skirmish"},
                       {"SupFirePri", "77"},
                       {"ComboBox10", "4  Starship"}});
    EXPECT_TRUE(game.control("Known").checked());
    EXPECT_EQ(game.control("TrackBar2").position(), 77);
    EXPECT_EQ(game.control("StringGrid3").cell(2, 2), "-2.5");
    const auto& items = game.control("SpecNo").items();
    EXPECT_NE(std::find(items.begin(), items.end(), "13  Ember Class"), items.end());
}
