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

const ControlKey kShipListControls[] = {controls::Playmodebox, controls::InSkirmishBox, controls::Shiplistnamebox,
                                        controls::Known};
const std::string kDefaultIcon = "6  ,9  ,13 ,20 ,4  ,13 ,32 ,43 ";

std::vector<std::string> speciesItems(const GameBuilder& builder)
{
    std::vector<std::string> items;
    for (const std::int32_t species : builder.shipListSpecies())
        items.push_back(number(species) + "  " + builder.shipListName(species));
    return items;
}

void expectShipList(StartedGame& started, const GameBuilder& builder, std::int32_t slot)
{
    SCOPED_TRACE("slot " + number(slot));
    started.show(slot);
    const std::int32_t species = builder.species(slot);
    ASSERT_TRUE(builder.hasShipListLine(species));
    EXPECT_EQ(started.text(controls::SpecNo), number(species));
    EXPECT_EQ(started.text(controls::Shiplistnamebox), builder.shipListName(species));
    EXPECT_EQ(started.text(controls::Playmodebox), builder.playMode(species));
    EXPECT_EQ(started.control(controls::Known).checked(), builder.known(species) == "Known");
    EXPECT_EQ(started.text(controls::InSkirmishBox), builder.skirmish(species));
    EXPECT_EQ(started.text(controls::IconBox), builder.iconString(species));
}

void expectNoShipListLine(StartedGame& started)
{
    EXPECT_EQ(started.text(controls::Shiplistnamebox), "n/a");
    EXPECT_EQ(started.text(controls::Playmodebox), "n/a");
    EXPECT_EQ(started.text(controls::InSkirmishBox), "n/a");
    EXPECT_FALSE(started.control(controls::Known).checked());
    EXPECT_EQ(started.text(controls::IconBox), kDefaultIcon);
}

} // namespace

TEST(DisplaySpecies, TheSpeciesIsTheFirstTableEntryHoldingTheSlot)
{
    GameBuilder builder(Family::Xwa);
    StartedGame started(builder);
    for (const auto& [slot, species] :
         {std::pair{1, "1"}, std::pair{7, "7"}, std::pair{4, "40"}, std::pair{40, "4"}, std::pair{20, "21"},
          std::pair{21, "20"}, std::pair{5, "n/a"}, std::pair{6, "6"}, std::pair{200, "200"}}) {
        started.show(slot);
        EXPECT_EQ(started.text(controls::SpecNo), species) << "slot " << slot;
    }
    EXPECT_TRUE(started.control(controls::SpecNo).enabled());
}

TEST(DisplaySpecies, TheSpeciesListHoldsEveryTaggedLineOfTheShipList)
{
    GameBuilder builder(Family::Xwa);
    StartedGame started(builder);
    const std::vector<std::string> expected = speciesItems(builder);
    EXPECT_EQ(started.control(controls::SpecNo).items(), expected);
    EXPECT_EQ(expected.at(4), "5  *DontUseMe");
    started.show(9);
    EXPECT_EQ(started.control(controls::SpecNo).items(), expected); // refilled, not added to
}

TEST(DisplaySpecies, XwaShowsTheFieldsOfTheSpeciesLine)
{
    GameBuilder builder(Family::Xwa);
    StartedGame started(builder);
    // 1: "Unknown"; 3 comes after 30 in the file; 4 owns species 40; 6: "known" in lower case;
    // 7: prefix SPECIES; 10: prefix CRAFT; 15: prefix SHIP; 51 follows a line without a tag;
    // 150 follows the empty line.
    for (const std::int32_t slot : {1, 2, 3, 4, 6, 7, 10, 15, 20, 51, 150})
        expectShipList(started, builder, slot);
    for (ControlKey key : kShipListControls)
        EXPECT_TRUE(started.control(key).enabled()) << key;
    EXPECT_TRUE(started.control(controls::IconBox).enabled());
    EXPECT_TRUE(started.control(controls::Shiplistwrite).enabled());
    EXPECT_TRUE(started.control(controls::Shiplistwrite).checked());
}

TEST(DisplaySpecies, TheSeparatorEndsAfterTenCharactersAndLongLinesAreCut)
{
    GameBuilder builder(Family::Xwa);
    StartedGame started(builder);
    ASSERT_EQ(builder.separator(8), "," + std::string(12, '\t'));
    started.show(8);
    EXPECT_EQ(started.text(controls::IconBox), std::string(3, '\t') + builder.iconString(8));
    EXPECT_EQ(started.text(controls::Shiplistnamebox), builder.shipListName(8));

    const std::string line = builder.shipListLine(9);
    ASSERT_GT(line.size(), 255u);
    const std::size_t iconStart = line.size() - builder.iconString(9).size();
    started.show(9);
    EXPECT_EQ(started.text(controls::IconBox), line.substr(iconStart, 255 - iconStart));
    EXPECT_EQ(started.text(controls::Shiplistnamebox), builder.shipListName(9));
}

TEST(DisplaySpecies, SlotsWithoutAShipListLineShowTheDefaults)
{
    GameBuilder builder(Family::Xwa);
    StartedGame started(builder);
    ASSERT_FALSE(builder.hasShipListLine(13));
    expectShipList(started, builder, 12);
    started.show(13);
    EXPECT_EQ(started.text(controls::SpecNo), "13");
    expectNoShipListLine(started);
    expectShipList(started, builder, 12);
    started.show(5); // no species at all
    expectNoShipListLine(started);
    started.show(221); // species past the last line
    expectNoShipListLine(started);
    EXPECT_TRUE(started.messages().empty());
}

TEST(DisplaySpecies, XvtHasNoSpeciesAndNoShipList)
{
    StartedGame started((GameBuilder(Family::Xvt)));
    started.show(7);
    EXPECT_FALSE(started.control(controls::SpecNo).enabled());
    for (ControlKey key : kShipListControls)
        EXPECT_FALSE(started.control(key).enabled()) << key;
    EXPECT_EQ(started.text(controls::IconBox), "n/a");
    EXPECT_FALSE(started.control(controls::IconBox).enabled());
    EXPECT_FALSE(started.control(controls::Shiplistwrite).checked());
    EXPECT_FALSE(started.control(controls::Shiplistwrite).enabled());
    EXPECT_TRUE(started.messages().empty());
}

TEST(DisplaySpecies, AnXvtProfileWithASpeciesTableListsSpeciesButKeepsTheShipListOff)
{
    GameBuilder builder(Family::Xvt);
    builder.withKey("SPECNOOFFSET", "$C000");
    StartedGame started(builder);
    started.show(4);
    EXPECT_TRUE(started.control(controls::SpecNo).enabled());
    EXPECT_EQ(started.text(controls::SpecNo), "40");
    EXPECT_EQ(started.control(controls::SpecNo).items(), speciesItems(builder));
    for (ControlKey key : kShipListControls)
        EXPECT_FALSE(started.control(key).enabled()) << key;
    EXPECT_EQ(started.text(controls::IconBox), "n/a");
    EXPECT_FALSE(started.control(controls::Shiplistwrite).checked());
    EXPECT_FALSE(started.control(controls::Shiplistwrite).enabled());
}

TEST(DisplaySpecies, AnXwaProfileWithoutASpeciesTableSwitchesTheSpeciesControlsOff)
{
    StartedGame started(GameBuilder(Family::Xwa).withDataFile(dataWithKey(Family::Xwa, "SPECNOOFFSET", "-1")));
    EXPECT_FALSE(started.control(controls::SpecNo).enabled());
    for (ControlKey key : kShipListControls)
        EXPECT_FALSE(started.control(key).enabled()) << key;
    EXPECT_EQ(started.text(controls::IconBox), "n/a");
    EXPECT_FALSE(started.control(controls::Shiplistwrite).enabled());
}
