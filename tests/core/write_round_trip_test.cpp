// What the user sees after "Write": the slot shown again carries the values written.
#include "WriteFixture.h"

#include "controls/MainWindowControls.h"

using namespace plorik;
using namespace plorik::testing;

namespace {

struct Shown {
    ControlKey key;
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
    ASSERT_TRUE(game.form().userEdit(controls::CraftNoBox, std::to_string(slot == 1 ? 2 : 1)));
    ASSERT_TRUE(game.form().userEdit(controls::CraftNoBox, std::to_string(slot)));
}

} // namespace

TEST(WriteRoundTrip, XvtSlotShowsWhatWasWritten)
{
    WriteGame game{GameBuilder(Family::Xvt)};
    game.startAt(3);
    const std::vector<Shown> edits = {
        {controls::CraftIDBox, "RT-3"},
        {controls::ScoreBox, "17"},
        {controls::SystemHitsBox, "4"},
        {controls::PVBox, "-250"},
        {controls::ShieldPowerBox, "120"},
        {controls::HullRateBox, "25"},
        {controls::UnknownStrengthBox, "123"},
        {controls::SpeedBox, "100"},
        {controls::AccBox, "40"},
        {controls::Deaccbox, "20"},
        {controls::RollBox, "12"},
        {controls::PitchBox, "34"},
        {controls::CockpitBox, "CPITRT"},
        {controls::Laser1StartBox, "9"},
        {controls::WarheadLoad2Box, "6"},
        {controls::CraftNameBox, "Round Trip"},
        {controls::PluralnameBox, "Round Trips"},
        {controls::CraftTypeBox, "Tester"},
        {controls::ManufactorBox, "Loop Works"},
        {controls::UsedByBox, "Everyone"},
        {controls::DescriptionBox, "Goes and comes back."},
        {controls::CrewBox, "2"},
        {controls::DBOPTFile, "ROUND.opt"},
    };
    type(game.form(), edits);
    ASSERT_TRUE(game.form().userPick(controls::Laser1List, 5));
    ASSERT_TRUE(game.form().userCheck(controls::FemaleRadioB, true));
    ASSERT_TRUE(game.form().userCheck(controls::EnabledBox, false));
    ASSERT_TRUE(game.form().userEditCell(controls::WeaponSlotsGrid, 3, 2, "-44"));
    ASSERT_TRUE(game.form().userEditCell(controls::CockpitPositionsGrid, 1, 3, "321"));
    ASSERT_TRUE(game.form().userEditCell(controls::FreeValuesGrid, 1, 2, "7"));
    game.write();
    EXPECT_EQ(game.messages(), std::vector<std::string>{});

    showAgain(game, 3);
    expectShown(game, edits);
    expectShown(
        game,
        {{controls::ManBox, "80"}, {controls::TopCraftNameBox, "Round Trip"}, {controls::Laser1List, "5  Turbolaser"}});
    EXPECT_TRUE(game.control(controls::FemaleRadioB).checked());
    EXPECT_FALSE(game.control(controls::MaleRadioB).checked());
    EXPECT_FALSE(game.control(controls::EnabledBox).checked());
    EXPECT_EQ(game.control(controls::WeaponSlotsGrid).cell(3, 2), "-44");
    EXPECT_EQ(game.control(controls::CockpitPositionsGrid).cell(1, 3), "321");
    EXPECT_EQ(game.control(controls::FreeValuesGrid).cell(1, 2), "7");
}

TEST(WriteRoundTrip, XwaSlotShowsWhatWasWrittenIncludingItsNewShipListLine)
{
    // Slot 13's species has no ship list line yet.
    WriteGame game{GameBuilder(Family::Xwa)};
    game.startAt(13);
    const std::vector<Shown> edits = {
        {controls::CraftIDBox, "EMB"},
        {controls::ScoreBox, "1000"},
        {controls::LaserRechargeBox, "700"},
        {controls::ShieldPowerBox, "3200"},
        {controls::HullRateBox, "1600"},
        {controls::SpeedBox, "100"},
        {controls::CockpitBox, "EmberCockpit"},
        {controls::TurboRange, "8"},
        {controls::Laser1SequenceBox, "3"},
        {controls::CraftNameBox, "Ember"},
        {controls::PluralnameBox, "Embers"},
        {controls::CraftTypeBox, "Corvette"},
        {controls::DescriptionBox, "Small and quick."},
        {controls::Shiplistnamebox, "Ember Class"},
        {controls::IconBox, "1  ,2  ,3  "},
        {controls::Turret1Orient1Box, "-12"},
    };
    type(game.form(), edits);
    ASSERT_TRUE(game.form().userPick(controls::ShipTypeList, 4));
    ASSERT_TRUE(game.form().userPick(controls::Playmodebox, 1));
    ASSERT_TRUE(game.form().userPick(controls::InSkirmishBox, 0));
    ASSERT_TRUE(game.form().userCheck(controls::Known, true));
    ASSERT_TRUE(game.form().userSlide(controls::SuperFirePriorityBar, 77));
    ASSERT_TRUE(game.form().userEditCell(controls::FreeValuesGrid, 2, 2, "-2.5"));
    game.write();
    EXPECT_EQ(game.messages(), std::vector<std::string>{});

    showAgain(game, 13);
    expectShown(game, edits);
    expectShown(game, {{controls::SpecNo, "13"},
                       {controls::Playmodebox, "Flyable"},
                       {controls::InSkirmishBox, "Skirmish"},
                       {controls::SupFirePri, "77"},
                       {controls::ShipTypeList, "4  Starship"}});
    EXPECT_TRUE(game.control(controls::Known).checked());
    EXPECT_EQ(game.control(controls::SuperFirePriorityBar).position(), 77);
    EXPECT_EQ(game.control(controls::FreeValuesGrid).cell(2, 2), "-2.5");
    const auto& items = game.control(controls::SpecNo).items();
    EXPECT_NE(std::find(items.begin(), items.end(), "13  Ember Class"), items.end());
}
