#include "DemoLayout.h"
#include "EntryFields.h"
#include "OptFixture.h"

using namespace plorik;
using namespace plorik::testing;

namespace {

// The searched bytes of a slot: its craft entry, or its ship type bytes from the entry's base (3
// bytes after its start) as the executable holds them.
std::vector<std::uint8_t> block(const GameBuilder& builder, const BuiltGame& game, bool shipType, std::int32_t slot)
{
    if (!shipType)
        return builder.craftEntry(slot);
    const DemoLayout layout(builder.entry());
    const std::int64_t length = layout.value("SHIPTYPELEN");
    return fileBytes(game.executable(), layout.value("SHIPTYPESTART") + (slot - 1) * length,
                     static_cast<std::size_t>(length));
}

// What "Feedback:" says after a "Compare" for `value` whose "Find" for `found` ran on `before`.
std::string compared(const std::vector<std::uint8_t>& before, std::int32_t found, const std::vector<std::uint8_t>& now,
                     std::int32_t value, std::size_t first)
{
    std::string text = "Match: ";
    for (std::size_t i = 0; i < now.size(); ++i) {
        if (before[i] == found && now[i] == (value & 0xFF))
            text += "\r\noffset: " + std::to_string(first + i);
    }
    return text;
}

std::size_t count(const std::vector<std::uint8_t>& bytes, std::int32_t value)
{
    return static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), value));
}

} // namespace

TEST(ValueSearch, FindThenCompareOnAnotherSlotListsTheOffsetsThatHoldTheNewValue)
{
    for (const Family family : {Family::Xvt, Family::Xwa}) {
        for (const bool shipType : {false, true}) {
            SCOPED_TRACE(std::string(family == Family::Xwa ? "XWA " : "XvT ") + (shipType ? "ship type" : "slot"));
            GameBuilder builder(family);
            // Slot 3 holds 199 where slot 4 holds 200 at offsets 0, 17 and the entry's last byte.
            const std::size_t last = builder.craftEntry(3).size() - 1;
            for (const std::int64_t offset : {std::int64_t{0}, std::int64_t{17}, static_cast<std::int64_t>(last)}) {
                builder.withCraftBytes(3, "IFFNAME", {199}, offset);
                builder.withCraftBytes(4, "IFFNAME", {200}, offset);
            }
            StartedGame started(builder);
            const auto before = block(builder, started.game, shipType, 3);
            const auto now = block(builder, started.game, shipType, 4);
            // A value of each block: the planted one, or the ship type byte that is the next entry's.
            const std::int32_t found = shipType ? before.back() : 199;
            const std::int32_t value = shipType ? now.back() : 200;
            started.form().userPick(controls::WorkOnList, shipType ? 1 : 0);
            started.show(3);
            started.form().userEdit(controls::ValueBox, std::to_string(found));
            ASSERT_TRUE(started.form().userPress(controls::FindButton));
            EXPECT_EQ(started.text(controls::FeedbackBox), std::to_string(count(before, found)) + " matches found");

            started.show(4);
            started.form().userEdit(controls::ValueBox, std::to_string(value));
            ASSERT_TRUE(started.form().userPress(controls::CompareButton));
            const std::string expected = compared(before, found, now, value, shipType ? 1 : 0);
            EXPECT_EQ(started.text(controls::FeedbackBox), expected);
            if (shipType) { // the last searched byte is reported as the length, counted from 1
                EXPECT_NE(expected.find("\r\noffset: " + std::to_string(before.size())), std::string::npos);
            } else {
                EXPECT_EQ(expected, "Match: \r\noffset: 0\r\noffset: 17\r\noffset: " + std::to_string(last));
            }
            EXPECT_TRUE(started.messages().empty());
        }
    }
}

TEST(ValueSearch, ValuesKeepTheirLowBitsAndTheMatchListKeepsItsBlock)
{
    GameBuilder builder(Family::Xvt);
    builder.withCraftBytes(2, "IFFNAME", {44}, 30).withCraftBytes(2, "IFFNAME", {44}, 6);
    StartedGame started(builder);
    Form& form = started.form();
    // Before any "Find" the list is empty.
    form.userEdit(controls::ValueBox, "7");
    form.userPress(controls::CompareButton);
    EXPECT_EQ(started.text(controls::FeedbackBox), "Match: ");

    // "Find" keeps 16 bits, so 300 matches no byte; "Compare" keeps 8, so 300 compares as 44.
    form.userEdit(controls::ValueBox, "300");
    form.userPress(controls::FindButton);
    EXPECT_EQ(started.text(controls::FeedbackBox), "0 matches found");
    started.show(2);
    form.userEdit(controls::ValueBox, "44");
    form.userPress(controls::FindButton);
    form.userEdit(controls::ValueBox, "300");
    form.userPress(controls::CompareButton);
    const std::string slotBlockMatches = started.text(controls::FeedbackBox);
    EXPECT_NE(slotBlockMatches.find("\r\noffset: 30"), std::string::npos);
    EXPECT_EQ(slotBlockMatches, compared(builder.craftEntry(2), 44, builder.craftEntry(2), 44, 0));

    // The offsets found in the craft entry are compared with the ship type bytes when "Work on:"
    // changes in between.
    form.userPick(controls::WorkOnList, 1);
    const auto shipTypeBytes = block(builder, started.game, true, 2);
    const std::int32_t shipByte = shipTypeBytes[5];
    form.userEdit(controls::ValueBox, std::to_string(shipByte));
    form.userPress(controls::CompareButton);
    std::string expected = "Match: ";
    const auto entry = builder.craftEntry(2);
    for (std::size_t k = 1; k <= shipTypeBytes.size(); ++k) {
        if (shipTypeBytes[k - 1] == shipByte && entry[k] == 44)
            expected += "\r\noffset: " + std::to_string(k);
    }
    EXPECT_EQ(started.text(controls::FeedbackBox), expected);
    EXPECT_NE(expected.find("\r\noffset: 6"), std::string::npos);
    EXPECT_TRUE(started.messages().empty());
}

TEST(ValueSearch, MoreThan500MatchesKeepTheEarlierListAndFeedback)
{
    GameBuilder builder(Family::Xvt);
    builder.withKey("LASTCRAFT", "4").withKey("ENTRYLENGTH", "999");
    builder.withCraftBytes(1, "IFFNAME", std::vector<std::uint8_t>(501, 171), 400);
    builder.withCraftBytes(1, "IFFNAME", {9}, 100);
    StartedGame started(builder);
    Form& form = started.form();
    form.userEdit(controls::ValueBox, "9");
    form.userPress(controls::FindButton);
    const std::string found = started.text(controls::FeedbackBox);
    form.userEdit(controls::ValueBox, "171");
    form.userPress(controls::FindButton);
    EXPECT_EQ(
        started.messages(),
        std::vector<std::string>{"PLORIK error:|More than 500 offsets hold the value 171. Search for a rarer value."});
    EXPECT_EQ(started.text(controls::FeedbackBox), found);
    form.userEdit(controls::ValueBox, "9");
    form.userPress(controls::CompareButton);
    EXPECT_NE(started.text(controls::FeedbackBox).find("\r\noffset: 100"), std::string::npos);
    EXPECT_EQ(started.text(controls::FeedbackBox).find("\r\noffset: 400"), std::string::npos);
}
