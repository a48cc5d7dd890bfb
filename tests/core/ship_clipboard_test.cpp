// The ship clipboard: "Copy Ship" remembers a slot, the pastes copy what that slot holds in the
// executable at the moment of pasting, exactly the stated bytes, and show the slot again.
#include "WriteFixture.h"

#include "controls/MainWindowControls.h"

using namespace plorik;
using namespace plorik::testing;

namespace {

void copyRegion(std::string& exe, std::int64_t from, std::int64_t to, std::size_t length)
{
    exe.replace(static_cast<std::size_t>(to), length, exe, static_cast<std::size_t>(from), length);
}

} // namespace

TEST(ShipClipboard, PastesCopyExactlyTheStatedBytesAndShowTheSlotAgain)
{
    struct Case {
        Family family;
        ControlKey command;
        bool craftEntry;
        std::size_t shipTypeBytes;
    };
    for (const Case& each :
         {Case{Family::Xvt, controls::PasteShipItem, true, 18}, Case{Family::Xwa, controls::PasteShipItem, true, 18},
          Case{Family::Xwa, controls::PasteShipTypeOnlyItem, false, 24}}) {
        SCOPED_TRACE(std::string(each.command.name()) + (each.family == Family::Xwa ? " XWA" : " XvT"));
        WriteGame game{GameBuilder(each.family)};
        game.startAt(3);
        ASSERT_TRUE(game.form().userPress(controls::CopyShipItem));
        game.form().userEdit(controls::CraftNoBox, "7");
        ASSERT_TRUE(game.form().userEdit(controls::SystemHitsBox, "123")); // not written: lost by the paste
        std::string expected = game.exe();
        if (each.craftEntry)
            copyRegion(expected, game.craftAt(3), game.craftAt(7), static_cast<std::size_t>(game.key("ENTRYLENGTH")));
        copyRegion(expected, game.shipTypeAt(3) - 3, game.shipTypeAt(7) - 3, each.shipTypeBytes);
        game.prompter.clearRecords();
        game.prompter.addAnswer("yes");
        ASSERT_TRUE(game.form().userPress(each.command));
        ASSERT_EQ(game.prompter.records().size(), 1u);
        const Message& asked = game.prompter.records().front().message;
        EXPECT_EQ(asked.caption, "Confirm paste action:");
        EXPECT_EQ(asked.buttons, MessageButtons::YesNo);
        EXPECT_EQ(asked.defaultButton, Answer::No);
        EXPECT_EQ(differences(game.exe(), expected), std::vector<std::size_t>{});
        EXPECT_EQ(game.session->currentSlot(), 7);
        const std::size_t systemHits = static_cast<std::size_t>(game.key("SYSTEM"));
        EXPECT_EQ(game.control(controls::SystemHitsBox).text(),
                  std::to_string(
                      static_cast<std::uint8_t>(expected[static_cast<std::size_t>(game.craftAt(7)) + systemHits])));
    }
}

TEST(ShipClipboard, ThePasteReadsTheCopiedSlotAsItIsThenAndNoMeansNothing)
{
    WriteGame game{GameBuilder(Family::Xvt)};
    game.startAt(3);
    ASSERT_TRUE(game.form().userPress(controls::CopyShipItem));
    ASSERT_TRUE(game.form().userEdit(controls::SystemHitsBox, "77"));
    game.write();
    game.form().userEdit(controls::CraftNoBox, "7");
    const std::string before = game.exe();
    game.prompter.addAnswer("no");
    game.form().userPress(controls::PasteShipItem);
    EXPECT_EQ(game.exe(), before);
    game.prompter.addAnswer("yes");
    game.form().userPress(controls::PasteShipItem);
    EXPECT_EQ(game.exe()[static_cast<std::size_t>(game.craftAt(7) + game.key("SYSTEM"))], 77);
    EXPECT_EQ(game.control(controls::SystemHitsBox).text(), "77");
}

TEST(ShipClipboard, PasteCommandsComeOnWithACopyShiptypeOnlyWithShipTypeEntriesOfXwa)
{
    struct Case {
        GameBuilder builder;
        bool shipTypeOnly;
    };
    for (Case& each : std::vector<Case>{{GameBuilder(Family::Xvt), false},
                                        {GameBuilder(Family::Xwa), true},
                                        {GameBuilder(Family::Xwa).withKey("Shiptypestart", "-1"), false}}) {
        WriteGame game{each.builder};
        game.startAt(2);
        EXPECT_FALSE(game.control(controls::PasteShipItem).enabled());
        EXPECT_FALSE(game.control(controls::PasteShipTypeOnlyItem).enabled());
        ASSERT_TRUE(game.form().userPress(controls::CopyShipItem));
        EXPECT_TRUE(game.control(controls::PasteShipItem).enabled());
        EXPECT_EQ(game.control(controls::PasteShipTypeOnlyItem).enabled(), each.shipTypeOnly);
    }
    // Without ship type entries "Paste Ship" copies the craft entry alone.
    WriteGame game{GameBuilder(Family::Xwa).withKey("Shiptypestart", "-1")};
    game.startAt(2);
    game.form().userPress(controls::CopyShipItem);
    game.form().userEdit(controls::CraftNoBox, "9");
    std::string expected = game.exe();
    copyRegion(expected, game.craftAt(2), game.craftAt(9), 400);
    game.prompter.addAnswer("yes");
    game.form().userPress(controls::PasteShipItem);
    EXPECT_EQ(differences(game.exe(), expected), std::vector<std::size_t>{});
}
