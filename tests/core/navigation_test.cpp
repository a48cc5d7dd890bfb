#include "SessionFixture.h"

#include "controls/MainWindowControls.h"

using namespace plorik;
using namespace plorik::testing;

TEST(Navigation, PlusAndMinusWrapAroundTheSlots)
{
    GameBuilder builder(Family::Xvt);
    StartedGame started(builder.withDataFile(dataWithKey(Family::Xvt, "LASTCRAFT", "5")));
    Form& form = started.form();
    ASSERT_EQ(form[controls::CraftNoBox].items().size(), 5u);
    form.userPress(controls::PrevSlotButton);
    EXPECT_EQ(form[controls::CraftNoBox].text(), "5");
    EXPECT_EQ(bufferStart(*started.session, 240), builder.craftEntry(5));
    form.userPress(controls::NextSlotButton);
    EXPECT_EQ(form[controls::CraftNoBox].text(), "1");
    form.userPress(controls::NextSlotButton);
    form.userPress(controls::NextSlotButton);
    EXPECT_EQ(started.session->currentSlot(), 3);
    EXPECT_EQ(started.session->slotOffset(), 2 * 240);
    EXPECT_EQ(bufferStart(*started.session, 240), builder.craftEntry(3));
    EXPECT_TRUE(started.messages().empty());
}

TEST(Navigation, TheStatusBarNotesSlotOneAndTheXvtSlamSlot)
{
    StartedGame xvt((GameBuilder(Family::Xvt)));
    xvt.form().userEdit(controls::CraftNoBox, "12");
    EXPECT_EQ(xvt.control(controls::StatusBar).text(), " - This slot has SLAM function.");
    xvt.form().userPress(controls::NextSlotButton);
    EXPECT_EQ(xvt.control(controls::StatusBar).text(), "");
    StartedGame xwa((GameBuilder(Family::Xwa)));
    EXPECT_EQ(xwa.control(controls::StatusBar).text(), " - This slot has s-foils function.");
    xwa.form().userEdit(controls::CraftNoBox, "12");
    EXPECT_EQ(xwa.control(controls::StatusBar).text(), "");
}

TEST(Navigation, TheCraftNumberCountsItsFirstThreeCharacters)
{
    GameBuilder builder(Family::Xwa);
    StartedGame started(builder);
    Form& form = started.form();
    ASSERT_TRUE(form.userPick(controls::CraftNoBox, 6)); // "7   " and the short name
    EXPECT_EQ(started.session->currentSlot(), 7);
    EXPECT_EQ(form[controls::CraftNoBox].text(), "7");
    EXPECT_EQ(bufferStart(*started.session, 400), builder.craftEntry(7));
    form.userEdit(controls::CraftNoBox, "1234");
    EXPECT_EQ(started.session->currentSlot(), 123);
    form.userEdit(controls::CraftNoBox, "12 ");
    EXPECT_EQ(started.session->currentSlot(), 12);
    EXPECT_TRUE(started.messages().empty());
}

TEST(Navigation, OutOfRangeSlotNumbersShowTheMessageAndSlotOne)
{
    for (const std::string typed : {"0", "", "81", "-5", "abc"}) {
        StartedGame started((GameBuilder(Family::Xvt)));
        started.form().userPress(controls::NextSlotButton);
        started.form().userEdit(controls::CraftNoBox, typed);
        ASSERT_EQ(started.messages().size(), 1u) << typed;
        EXPECT_EQ(started.messages()[0], "PLORIK error:|The selected slot is out of range!");
        EXPECT_EQ(started.prompter.records()[0].message.icon, MessageIcon::Error);
        EXPECT_EQ(started.session->currentSlot(), 1) << typed;
        EXPECT_EQ(started.control(controls::CraftNoBox).text(), "1");
    }
}

TEST(Navigation, AnExecutableThatCannotBeOpenedKeepsTheOldEntryOnScreen)
{
    GameBuilder builder(Family::Xvt);
    StartedGame started(builder);
    std::filesystem::remove(started.game.executable());
    started.form().userPress(controls::NextSlotButton);
    ASSERT_EQ(started.prompter.records().size(), 1u);
    EXPECT_EQ(started.prompter.records()[0].message.caption, "PLORIK");
    EXPECT_NE(started.prompter.records()[0].message.text.find("Z_XVT__.EXE"), std::string::npos);
    // The slot moved on, but the buffer and the pages still show slot 1.
    EXPECT_EQ(started.session->slotOffset(), 240);
    EXPECT_EQ(bufferStart(*started.session, 240), builder.craftEntry(1));
    EXPECT_EQ(started.control(controls::CraftNoBox).text(), "1");
    EXPECT_FALSE(started.session->ended());
}

TEST(Navigation, AShortExecutableLeavesTheRestOfTheBufferAsItWas)
{
    GameBuilder builder(Family::Xvt);
    StartedGame started(builder);
    // Cut the executable in the middle of slot 2's entry.
    const std::string bytes = readFile(started.game.executable());
    writeFile(started.game.executable(), bytes.substr(0, 0x1000 + 240 + 100));
    started.form().userPress(controls::NextSlotButton);
    const std::vector<std::uint8_t> slot1 = builder.craftEntry(1);
    const std::vector<std::uint8_t> slot2 = builder.craftEntry(2);
    const auto buffer = bufferStart(*started.session, 240);
    EXPECT_TRUE(std::equal(slot2.begin(), slot2.begin() + 100, buffer.begin()));
    EXPECT_TRUE(std::equal(slot1.begin() + 100, slot1.end(), buffer.begin() + 100));
}

TEST(Navigation, SlotCommandsDoNothingWithoutAProfile)
{
    StartedGame started(GameBuilder(Family::Xvt).unconfigured());
    Form& form = started.form();
    EXPECT_FALSE(form.userPress(controls::NextSlotButton));
    EXPECT_FALSE(form.userEdit(controls::CraftNoBox, "3"));
    EXPECT_EQ(started.messages().size(), 1u); // only the start-up tip
}
