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

const ControlKey kDescriptionBoxes[] = {controls::CraftTypeBox, controls::ManufactorBox, controls::UsedByBox,
                                        controls::DescriptionBox, controls::CrewBox};

void expectDescriptions(StartedGame& started, const GameBuilder& builder, std::int32_t slot)
{
    SCOPED_TRACE("slot " + number(slot));
    started.show(slot);
    EXPECT_EQ(started.text(controls::CraftTypeBox), builder.craftType(slot));
    EXPECT_EQ(started.text(controls::ManufactorBox), builder.manufacturer(slot));
    EXPECT_EQ(started.text(controls::UsedByBox), builder.inUseBy(slot));
    EXPECT_EQ(started.text(controls::DescriptionBox), builder.description(slot));
    EXPECT_EQ(started.text(controls::CrewBox), builder.crew(slot));
}

void expectAll(StartedGame& started, const std::string& text)
{
    for (ControlKey key : kDescriptionBoxes)
        EXPECT_EQ(started.text(key), text) << key;
}

} // namespace

TEST(DisplayDescriptions, XvtTakesTheRecordOfTheSlotPastCommentsAndTags)
{
    GameBuilder builder(Family::Xvt);
    StartedGame started(builder);
    // Odd slots' records are tagged; slot 9's crew is an empty line; slot 11's record follows a comment.
    for (const std::int32_t slot : {1, 2, 3, 7, 9, 10, 11, 40, 68, 69})
        expectDescriptions(started, builder, slot);
    EXPECT_EQ(builder.crew(9), "");
    EXPECT_TRUE(started.messages().empty());
}

TEST(DisplayDescriptions, XvtSlotsFromIndex69OnUseRecordsFurtherDown)
{
    GameBuilder builder(Family::Xvt);
    StartedGame started(builder);
    // Index 69 and on: record index + 20, but index 71 uses record 77 and index 72 record 91.
    for (const std::int32_t slot : {70, 71, 72, 73, 74, 78, 80})
        expectDescriptions(started, builder, slot);
}

TEST(DisplayDescriptions, XvtTakesTheFourLinesAfterTheFirstAsTheyComeInsideARecord)
{
    GameBuilder builder(Family::Xvt);
    StartedGame started(builder);
    const std::int32_t slot = GameBuilder::kCommentedRecordSlot;
    started.show(slot);
    EXPECT_EQ(started.text(controls::CraftTypeBox), builder.craftType(slot));
    EXPECT_EQ(started.text(controls::ManufactorBox), GameBuilder::recordComment());
    EXPECT_EQ(started.text(controls::UsedByBox), builder.manufacturer(slot));
    EXPECT_EQ(started.text(controls::DescriptionBox), builder.inUseBy(slot));
    EXPECT_EQ(started.text(controls::CrewBox), builder.description(slot));
    // The comment does not count: the next record is found where it is.
    expectDescriptions(started, builder, slot + 1);
}

TEST(DisplayDescriptions, XvtSlotsWhoseRecordIsPastTheEndAreNotEditable)
{
    GameBuilder builder(Family::Xvt);
    builder.cutFile("specdesc.txt", builder.descriptionRecordLine(75) - 1);
    StartedGame started(builder);
    expectDescriptions(started, builder, 74);
    started.show(75);
    expectAll(started, "**Not editable**");
    expectDescriptions(started, builder, 10);
    started.show(80);
    expectAll(started, "**Not editable**");
    EXPECT_TRUE(started.messages().empty());
}

TEST(DisplayDescriptions, XwaFindsTheRecordOfTheSlotsSpecies)
{
    GameBuilder builder(Family::Xwa);
    StartedGame started(builder);
    // Slot 4 has species 40 and slot 40 species 4; species 30's record comes before species 3's.
    ASSERT_EQ(builder.species(4), 40);
    ASSERT_EQ(builder.species(40), 4);
    ASSERT_EQ(builder.species(20), 21);
    for (const std::int32_t slot : {1, 2, 3, 4, 9, 20, 21, 30, 40, 150, 218})
        expectDescriptions(started, builder, slot);
    EXPECT_TRUE(started.messages().empty());
}

TEST(DisplayDescriptions, XwaSlotsWithoutSpeciesOrRecordShowNoEntryFound)
{
    GameBuilder builder(Family::Xwa);
    StartedGame started(builder);
    ASSERT_EQ(builder.species(5), 0);
    ASSERT_FALSE(builder.hasDescriptionRecord(11));
    expectDescriptions(started, builder, 7);
    started.show(5);
    expectAll(started, "**no entry found**");
    expectDescriptions(started, builder, 7);
    started.show(11);
    expectAll(started, "**no entry found**");
}

TEST(DisplayDescriptions, XwaRecordsPastTheEndOfTheFileAreNotFound)
{
    GameBuilder builder(Family::Xwa);
    builder.cutFile("specdesc.txt", builder.descriptionRecordLine(100) - 1);
    StartedGame started(builder);
    expectDescriptions(started, builder, 99);
    started.show(100);
    expectAll(started, "**no entry found**");
    started.show(200);
    expectAll(started, "**no entry found**");
    EXPECT_TRUE(started.messages().empty());
}

TEST(DisplayDescriptions, AnXvtProfileWithASpeciesTableUsesTheKeyedLayout)
{
    GameBuilder builder(Family::Xvt);
    builder.withKey("SPECNOOFFSET", "$C000");
    StartedGame started(builder);
    EXPECT_EQ(started.text(controls::SpecNo), "1");
    for (const std::int32_t slot : {1, 3, 4, 40, 72})
        expectDescriptions(started, builder, slot);
    started.show(5);
    expectAll(started, "**no entry found**");
    EXPECT_TRUE(started.messages().empty());
}

TEST(DisplayDescriptions, AMissingDescriptionFileStopsTheDisplayWhereItIsRead)
{
    GameBuilder builder(Family::Xvt);
    StartedGame started(builder);
    const std::string shieldOfSlot1 = started.text(controls::ShieldPowerBox);
    std::filesystem::remove(started.game.gameDir / "specdesc.txt");
    started.show(2);
    ASSERT_EQ(started.prompter.records().size(), 1u);
    EXPECT_NE(started.prompter.records()[0].message.text.find("specdesc.txt"), std::string::npos);
    // The names come before the descriptions, the shield after them.
    EXPECT_EQ(started.text(controls::CraftNameBox), builder.longName(2));
    EXPECT_EQ(started.text(controls::ShieldPowerBox), shieldOfSlot1);
    EXPECT_FALSE(started.session->ended());
}
