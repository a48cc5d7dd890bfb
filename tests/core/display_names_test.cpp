#include "EntryFields.h"

#include "SessionFixture.h"
#include "controls/MainWindowControls.h"

using namespace plorik;
using namespace plorik::testing;

namespace {

std::string number(std::int64_t value)
{
    return std::to_string(value);
}

void expectGender(StartedGame& started, bool female)
{
    EXPECT_EQ(started.control(controls::FemaleRadioB).checked(), female);
    EXPECT_EQ(started.control(controls::MaleRadioB).checked(), !female);
}

} // namespace

TEST(DisplayNames, XvtTakesTheNameFromFrontTextAndTheIdFromTheEntry)
{
    GameBuilder builder(Family::Xvt);
    StartedGame started(builder);
    for (const std::int32_t slot : {1, 2, 4, 7, 12, 69, 74, 80}) {
        SCOPED_TRACE("slot " + number(slot));
        started.show(slot);
        EXPECT_EQ(started.text(controls::CraftNameBox), builder.longName(slot));
        EXPECT_EQ(started.text(controls::TopCraftNameBox), builder.longName(slot));
        EXPECT_EQ(started.text(controls::PluralnameBox), builder.pluralName(slot));
        EXPECT_EQ(started.text(controls::CraftIDBox), builder.iffName(slot));
        expectGender(started, builder.gender(slot) == 'f');
    }
}

TEST(DisplayNames, XvtSlotsSeventyToSeventyThreeHaveTheirNamesFurtherDown)
{
    GameBuilder builder(Family::Xvt);
    StartedGame started(builder);
    for (const std::int32_t slot : {70, 71, 72, 73}) {
        started.show(slot);
        EXPECT_EQ(started.text(controls::CraftNameBox), builder.longName(slot)) << "slot " << slot;
        EXPECT_EQ(started.text(controls::TopCraftNameBox), builder.longName(slot)) << "slot " << slot;
    }
    // Slot 72's name lies on the line that would otherwise be slot 78's.
    started.show(78);
    EXPECT_EQ(started.text(controls::CraftNameBox), builder.longName(72));
}

TEST(DisplayNames, OnlyALowerCaseFMeansFemale)
{
    for (const Family family : {Family::Xvt, Family::Xwa}) {
        SCOPED_TRACE(family == Family::Xwa ? "XWA" : "XvT");
        GameBuilder builder(family);
        StartedGame started(builder);
        ASSERT_EQ(builder.gender(4), 'f');
        ASSERT_EQ(builder.gender(7), 'F');
        started.show(4);
        expectGender(started, true);
        started.show(7);
        expectGender(started, false);
        started.show(8);
        expectGender(started, true);
        started.show(9);
        expectGender(started, false);
    }
}

TEST(DisplayNames, XwaNamesComeFromStringsWithTheShortNameOnTheSlotsOwnLine)
{
    GameBuilder builder(Family::Xwa);
    StartedGame started(builder);
    for (const std::int32_t slot : {1, 2, 7, 100, 217, 218}) {
        SCOPED_TRACE("slot " + number(slot));
        started.show(slot);
        EXPECT_EQ(started.text(controls::CraftNameBox), builder.craftName(slot));
        EXPECT_EQ(started.text(controls::TopCraftNameBox), builder.craftName(slot));
        EXPECT_EQ(started.text(controls::PluralnameBox), builder.pluralName(slot));
        // The "Craft No." item of the slot shows the same short name.
        EXPECT_EQ(started.text(controls::CraftIDBox), builder.shortName(slot));
        EXPECT_NE(builder.shortName(slot), builder.iffName(slot));
    }
}

TEST(DisplayNames, XwaSlotsPastIndex217HaveNoNames)
{
    GameBuilder builder(Family::Xwa);
    StartedGame started(builder);
    for (const std::int32_t slot : {219, 225, 230}) {
        SCOPED_TRACE("slot " + number(slot));
        started.show(218);
        started.show(slot);
        for (ControlKey key :
             {controls::CraftNameBox, controls::TopCraftNameBox, controls::PluralnameBox, controls::CraftIDBox})
            EXPECT_EQ(started.text(key), "n/a") << key;
    }
}

TEST(DisplayNames, TheCraftIdFollowsWhichOfItsTwoKeysTheProfileHas)
{
    GameBuilder builder(Family::Xwa);
    StartedGame noShortNames(GameBuilder(Family::Xwa).withDataFile(dataWithKey(Family::Xwa, "SHORTNAMESLINE", "-1")));
    noShortNames.show(7);
    EXPECT_EQ(noShortNames.text(controls::CraftIDBox), builder.iffName(7));
    EXPECT_TRUE(noShortNames.control(controls::CraftIDBox).enabled());

    StartedGame noIff(GameBuilder(Family::Xwa).withDataFile(dataWithKey(Family::Xwa, "IFFNAME", "-1")));
    noIff.show(7);
    EXPECT_EQ(noIff.text(controls::CraftIDBox), builder.shortName(7));
    EXPECT_TRUE(noIff.control(controls::CraftIDBox).enabled());

    StartedGame xvtNoIff(GameBuilder(Family::Xvt).withDataFile(dataWithKey(Family::Xvt, "IFFNAME", "-1")));
    EXPECT_TRUE(xvtNoIff.control(controls::CraftIDBox).enabled()); // SHORTNAMESLINE is still given

    GameBuilder neither(Family::Xvt);
    neither.withKey("IFFNAME", "-1").withKey("SHORTNAMESLINE", "-1");
    StartedGame neitherGame(neither);
    EXPECT_FALSE(neitherGame.control(controls::CraftIDBox).enabled());
    GameBuilder neitherXwa(Family::Xwa);
    neitherXwa.withKey("IFFNAME", "-1").withKey("SHORTNAMESLINE", "-1");
    StartedGame neitherXwaGame(neitherXwa);
    EXPECT_FALSE(neitherXwaGame.control(controls::CraftIDBox).enabled());
}

TEST(DisplayNames, XwaLinesPastTheEndOfStringsReadAsEmpty)
{
    // Gender lines 11 to 228, plurals from 301, short names from 601. A line the file does not have
    // reads as empty, as the game reads it: never a placeholder that "Write" would store as a name.
    GameBuilder builder(Family::Xwa);
    builder.cutFile("strings.txt", 700);
    StartedGame started(builder);
    started.show(100); // short name on line 700
    EXPECT_EQ(started.text(controls::CraftIDBox), builder.shortName(100));
    started.show(101);
    EXPECT_EQ(started.text(controls::CraftIDBox), "");
    EXPECT_EQ(started.text(controls::CraftNameBox), builder.craftName(101));

    GameBuilder shorter(Family::Xwa);
    shorter.cutFile("strings.txt", 100);
    StartedGame cut(shorter);
    cut.show(90); // gender line 100, plural line 390
    EXPECT_EQ(cut.text(controls::CraftNameBox), shorter.craftName(90));
    EXPECT_EQ(cut.text(controls::PluralnameBox), "");
    cut.show(1);
    cut.show(92);
    EXPECT_EQ(cut.text(controls::CraftNameBox), "");
    EXPECT_EQ(cut.text(controls::TopCraftNameBox), "");
    EXPECT_EQ(cut.text(controls::PluralnameBox), "");
    EXPECT_EQ(cut.text(controls::CraftIDBox), "");
    EXPECT_TRUE(cut.messages().empty());
}

TEST(DisplayNames, XvtLinesPastTheEndOfTheirFilesReadAsEmpty)
{
    // strings.txt: gender lines 11 to 90, plurals 101 to 180. fronttxt.txt: long names from 21.
    GameBuilder builder(Family::Xvt);
    builder.cutFile("strings.txt", 150).cutFile("fronttxt.txt", 60);
    StartedGame started(builder);
    started.show(40);
    EXPECT_EQ(started.text(controls::CraftNameBox), builder.longName(40));
    EXPECT_EQ(started.text(controls::PluralnameBox), builder.pluralName(40));
    started.show(51);
    EXPECT_EQ(started.text(controls::CraftNameBox), "");
    EXPECT_EQ(started.text(controls::TopCraftNameBox), "");
    EXPECT_EQ(started.text(controls::PluralnameBox), "");
    EXPECT_EQ(started.text(controls::CraftIDBox), builder.iffName(51));
    EXPECT_TRUE(started.messages().empty());

    GameBuilder noGender(Family::Xvt);
    noGender.cutFile("strings.txt", 50);
    StartedGame genderless(noGender);
    genderless.show(40); // line 50: female
    expectGender(genderless, true);
    genderless.show(44); // line 54 is missing
    expectGender(genderless, false);
}
