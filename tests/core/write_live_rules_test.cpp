// The boxes that follow other controls while the user edits: "Manoeuvre:", the fire priority boxes
// beside their track bars, and the icon string of the species chosen.
#include "WriteFixture.h"

#include "controls/MainWindowControls.h"

using namespace plorik;
using namespace plorik::testing;

TEST(LiveRuleManoeuvre, RollPlusTwicePitchWithOutOfRangeAndNegativePartsAsZero)
{
    WriteGame game{GameBuilder(Family::Xvt)};
    game.startAt(3);
    // The display already follows the slot: roll 43 and pitch 33.
    EXPECT_EQ(game.control(controls::ManBox).text(), "109");
    Form& form = game.form();
    const struct {
        const char* roll;
        const char* pitch;
        const char* shown;
    } cases[] = {
        {"40", "30", "100"}, {"300", "10", "20"}, {"255", "255", "765"}, {"10", "256", "10"}, {"-5", "10", "20"},
        {"7", "-3", "7"},    {"12.9", "0", "12"}, {"", "4", "8"},        {"abc", "x", "0"},   {"1e2", "0.5", "100"},
    };
    for (const auto& each : cases) {
        ASSERT_TRUE(form.userEdit(controls::RollBox, each.roll));
        ASSERT_TRUE(form.userEdit(controls::PitchBox, each.pitch));
        EXPECT_EQ(game.control(controls::ManBox).text(), each.shown) << each.roll << " / " << each.pitch;
    }
    // Each box alone updates it too.
    ASSERT_TRUE(form.userEdit(controls::PitchBox, "2"));
    EXPECT_EQ(game.control(controls::ManBox).text(), "104");
    ASSERT_TRUE(form.userEdit(controls::RollBox, "1"));
    EXPECT_EQ(game.control(controls::ManBox).text(), "5");
    EXPECT_TRUE(game.messages().empty());
}

TEST(LiveRuleTrackBars, TheBoxBesideEachTrackBarShowsItsPosition)
{
    WriteGame xwa{GameBuilder(Family::Xwa)};
    xwa.startAt(4);
    Form& form = xwa.form();
    ASSERT_TRUE(form.userSlide(controls::TurboFirePriorityBar, 200));
    EXPECT_EQ(xwa.control(controls::TurboFirePri).text(), "200");
    EXPECT_EQ(xwa.control(controls::SupFirePri).text(),
              std::to_string(xwa.control(controls::SuperFirePriorityBar).position()));
    ASSERT_TRUE(form.userSlide(controls::SuperFirePriorityBar, 0));
    EXPECT_EQ(xwa.control(controls::SupFirePri).text(), "0");
    ASSERT_TRUE(form.userSlide(controls::SuperFirePriorityBar, 255));
    EXPECT_EQ(xwa.control(controls::SupFirePri).text(), "255");

    WriteGame xvt{GameBuilder(Family::Xvt)};
    xvt.startAt(4);
    EXPECT_FALSE(xvt.form().userSlide(controls::TurboFirePriorityBar, 9)) << "no track bars for this family";
}

TEST(LiveRuleSpecies, ChoosingASpeciesShowsItsIconStringAndNothingElse)
{
    GameBuilder builder(Family::Xwa);
    WriteGame game{builder};
    game.startAt(12);
    Form& form = game.form();
    const std::string name = game.control(controls::Shiplistnamebox).text();
    const std::string mode = game.control(controls::Playmodebox).text();
    const std::string skirmish = game.control(controls::InSkirmishBox).text();
    const bool known = game.control(controls::Known).checked();

    // 30 is listed before 3: the number decides, not how the text begins.
    ASSERT_TRUE(form.userEdit(controls::SpecNo, "3"));
    EXPECT_EQ(game.control(controls::IconBox).text(), builder.iconString(3));
    ASSERT_TRUE(form.userEdit(controls::SpecNo, "30  Sable Stealth Class"));
    EXPECT_EQ(game.control(controls::IconBox).text(), builder.iconString(30));
    EXPECT_EQ(game.control(controls::Shiplistnamebox).text(), name);
    EXPECT_EQ(game.control(controls::Playmodebox).text(), mode);
    EXPECT_EQ(game.control(controls::InSkirmishBox).text(), skirmish);
    EXPECT_EQ(game.control(controls::Known).checked(), known);

    // Picking from the list works the same way; a species without a line changes nothing.
    const auto& items = game.control(controls::SpecNo).items();
    const auto twenty =
        std::find_if(items.begin(), items.end(), [](const std::string& item) { return item.rfind("20  ", 0) == 0; });
    ASSERT_NE(twenty, items.end());
    ASSERT_TRUE(form.userPick(controls::SpecNo, static_cast<int>(twenty - items.begin())));
    EXPECT_EQ(game.control(controls::IconBox).text(), builder.iconString(20));
    ASSERT_TRUE(form.userEdit(controls::SpecNo, "13"));
    EXPECT_EQ(game.control(controls::IconBox).text(), builder.iconString(20));
    // The icon string of a line longer than a line holds is what the line's first 255 characters leave.
    ASSERT_TRUE(form.userEdit(controls::SpecNo, "9"));
    const std::string line = builder.shipListLine(9).substr(0, 255);
    const std::string icon = builder.iconString(9);
    EXPECT_EQ(game.control(controls::IconBox).text(), line.substr(line.find(icon.substr(0, 10))));
    EXPECT_TRUE(game.messages().empty());
}

TEST(LiveRuleSpecies, XvtIgnoresTheSpeciesBox)
{
    // An XvT layout with a species table: the ship list fields stay off whatever is typed.
    WriteGame game{GameBuilder(Family::Xvt).withKey("SPECNOOFFSET", "$F000")};
    game.startAt(3);
    ASSERT_TRUE(game.control(controls::SpecNo).enabled());
    ASSERT_TRUE(game.form().userEdit(controls::SpecNo, "12"));
    EXPECT_EQ(game.control(controls::IconBox).text(), "n/a");
    EXPECT_TRUE(game.messages().empty());
}
