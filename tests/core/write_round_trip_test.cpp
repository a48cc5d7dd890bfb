// What the user sees after "Write": the slot shown again carries the values written.
#include "WriteFixture.h"

#include "windows/MainWindowControls.h"

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
    ASSERT_TRUE(game.form().userEdit(ui::CraftNoBox, std::to_string(slot == 1 ? 2 : 1)));
    ASSERT_TRUE(game.form().userEdit(ui::CraftNoBox, std::to_string(slot)));
}

} // namespace

TEST(WriteRoundTrip, XvtSlotShowsWhatWasWritten)
{
    WriteGame game{GameBuilder(Family::Xvt)};
    game.startAt(3);
    const std::vector<Shown> edits = {
        {ui::CraftIDBox, "RT-3"},
        {ui::ShieldRechargeBox, "17"},
        {ui::SystemHitsBox, "4"},
        {ui::PVBox, "-250"},
        {ui::ShieldPowerBox, "120"},
        {ui::HullRateBox, "25"},
        {ui::ExpPowerBox, "123"},
        {ui::SpeedBox, "100"},
        {ui::AccBox, "40"},
        {ui::Deaccbox, "20"},
        {ui::RollBox, "12"},
        {ui::PitchBox, "34"},
        {ui::CockpitBox, "CPITRT"},
        {ui::Edit1, "9"},
        {ui::WarheadLoad2Box, "6"},
        {ui::CraftNameBox, "Round Trip"},
        {ui::PluralnameBox, "Round Trips"},
        {ui::CraftTypeBox, "Tester"},
        {ui::ManufactorBox, "Loop Works"},
        {ui::UsedByBox, "Everyone"},
        {ui::DescriptionBox, "Goes and comes back."},
        {ui::CrewBox, "2"},
        {ui::DBOPTFile, "ROUND.opt"},
    };
    type(game.form(), edits);
    ASSERT_TRUE(game.form().userPick(ui::ComboBox1, 5));
    ASSERT_TRUE(game.form().userCheck(ui::FemaleRadioB, true));
    ASSERT_TRUE(game.form().userCheck(ui::EnabledBox, false));
    ASSERT_TRUE(game.form().userEditCell(ui::wpn, 3, 2, "-44"));
    ASSERT_TRUE(game.form().userEditCell(ui::StringGrid2, 1, 3, "321"));
    ASSERT_TRUE(game.form().userEditCell(ui::StringGrid3, 1, 2, "7"));
    game.write();
    EXPECT_EQ(game.messages(), std::vector<std::string>{});

    showAgain(game, 3);
    expectShown(game, edits);
    expectShown(game, {{ui::ManBox, "80"}, {ui::CraftnameBox2, "Round Trip"}, {ui::ComboBox1, "5  Turbolaser"}});
    EXPECT_TRUE(game.control(ui::FemaleRadioB).checked());
    EXPECT_FALSE(game.control(ui::MaleRadioB).checked());
    EXPECT_FALSE(game.control(ui::EnabledBox).checked());
    EXPECT_EQ(game.control(ui::wpn).cell(3, 2), "-44");
    EXPECT_EQ(game.control(ui::StringGrid2).cell(1, 3), "321");
    EXPECT_EQ(game.control(ui::StringGrid3).cell(1, 2), "7");
}

TEST(WriteRoundTrip, XwaSlotShowsWhatWasWrittenIncludingItsNewShipListLine)
{
    // Slot 13's species has no ship list line yet.
    WriteGame game{GameBuilder(Family::Xwa)};
    game.startAt(13);
    const std::vector<Shown> edits = {
        {ui::CraftIDBox, "EMB"},
        {ui::ShieldRechargeBox, "1000"},
        {ui::LaserRechargeBox, "700"},
        {ui::ShieldPowerBox, "3200"},
        {ui::HullRateBox, "1600"},
        {ui::SpeedBox, "100"},
        {ui::CockpitBox, "EmberCockpit"},
        {ui::TurboRange, "8"},
        {ui::Edit83, "3"},
        {ui::CraftNameBox, "Ember"},
        {ui::PluralnameBox, "Embers"},
        {ui::CraftTypeBox, "Corvette"},
        {ui::DescriptionBox, "Small and quick."},
        {ui::Shiplistnamebox, "Ember Class"},
        {ui::IconBox, "1  ,2  ,3  "},
        {ui::Edit37, "-12"},
    };
    type(game.form(), edits);
    ASSERT_TRUE(game.form().userPick(ui::ComboBox10, 4));
    ASSERT_TRUE(game.form().userPick(ui::Playmodebox, 1));
    ASSERT_TRUE(game.form().userPick(ui::InSkirmishBox, 0));
    ASSERT_TRUE(game.form().userCheck(ui::Known, true));
    ASSERT_TRUE(game.form().userSlide(ui::TrackBar2, 77));
    ASSERT_TRUE(game.form().userEditCell(ui::StringGrid3, 2, 2, "-2.5"));
    game.write();
    EXPECT_EQ(game.messages(), std::vector<std::string>{});

    showAgain(game, 13);
    expectShown(game, edits);
    expectShown(game, {{ui::SpecNo, "13"},
                       {ui::Playmodebox, "Flyable"},
                       {ui::InSkirmishBox, "Skirmish"},
                       {ui::SupFirePri, "77"},
                       {ui::ComboBox10, "4  Starship"}});
    EXPECT_TRUE(game.control(ui::Known).checked());
    EXPECT_EQ(game.control(ui::TrackBar2).position(), 77);
    EXPECT_EQ(game.control(ui::StringGrid3).cell(2, 2), "-2.5");
    const auto& items = game.control(ui::SpecNo).items();
    EXPECT_NE(std::find(items.begin(), items.end(), "13  Ember Class"), items.end());
}
