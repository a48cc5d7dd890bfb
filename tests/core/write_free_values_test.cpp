// "Write" and the free values of the Unknown page: each changed row's value goes to its location as
// its type says; a value that is not a number of its type refuses the write before anything is
// written.
#include "WriteFixture.h"

#include "controls/MainWindowControls.h"

#include <bit>
#include <limits>

using namespace plorik;
using namespace plorik::testing;

namespace {

using Bytes = std::vector<std::uint8_t>;

void row(GameBuilder& builder, int number, const std::string& type, const std::string& location,
         const std::string& offset)
{
    const std::string key = "UNKNOWN" + std::to_string(number);
    builder.withKey(key + "NAME", "Row " + std::to_string(number));
    builder.withKey(key + "TYPE", type);
    builder.withKey(key + "MAINOFFSET", location);
    builder.withKey(key + "SLOTOFFSET", offset);
}

// The XvT demo with more rows: after the entry's own free byte and word, every type once, a type
// the program does not know, a location it does not know, and a second ship type byte.
GameBuilder everyType()
{
    GameBuilder builder(Family::Xvt);
    row(builder, 4, "Integer", "Shipslot", "228");
    row(builder, 5, "LongInt", "Shipslot", "230");
    row(builder, 6, "Float", "Shipslot", "234");
    row(builder, 7, "Char", "Shipslot", "238");
    row(builder, 8, "Double", "Shipslot", "239");
    row(builder, 9, "Byte", "Elsewhere", "5");
    return builder;
}

Bytes floatBytes(float value)
{
    const auto bits = std::bit_cast<std::uint32_t>(value);
    return {static_cast<std::uint8_t>(bits), static_cast<std::uint8_t>(bits >> 8),
            static_cast<std::uint8_t>(bits >> 16), static_cast<std::uint8_t>(bits >> 24)};
}

} // namespace

TEST(WriteFreeValues, EveryTypeGoesToItsLocation)
{
    WriteGame game{everyType()};
    game.startAt(5);
    Control& grid = game.control(controls::FreeValuesGrid);
    ASSERT_EQ(grid.cell(9, 3), "$Error in data.txt");
    const std::string before = game.exe();
    const char* values[] = {"", "201", "258", "19", "-2", "-100000", "-0.75", "qrs", "77", "66"};
    for (std::size_t r = 1; r <= 9; ++r)
        ASSERT_TRUE(game.form().userEditCell(controls::FreeValuesGrid, r, 2, values[r])) << r;
    game.write();
    EXPECT_EQ(game.messages(), std::vector<std::string>{});

    std::string expected = before.substr(static_cast<std::size_t>(game.craftAt(5) + 224), 16);
    patch(expected, 0, {201});
    patch(expected, 2, {0x02, 0x01});
    patch(expected, 4, {0xFE, 0xFF});
    patch(expected, 6, {0x60, 0x79, 0xFE, 0xFF});
    patch(expected, 10, floatBytes(-0.75f));
    patch(expected, 14, {'q'});
    EXPECT_EQ(game.exe().substr(static_cast<std::size_t>(game.craftAt(5) + 224), 16), expected)
        << "the last byte, of an unknown type, stays";
    // "Shiptype" offsets count from the entry's first byte, three before the type.
    EXPECT_EQ(game.exe()[static_cast<std::size_t>(game.shipTypeAt(5))], 19);
    EXPECT_EQ(game.exe()[static_cast<std::size_t>(game.craftAt(5) + 5)],
              before[static_cast<std::size_t>(game.craftAt(5) + 5)]);
    EXPECT_EQ(grid.cell(9, 3), "$Error in data.txt");
    EXPECT_EQ(grid.cell(9, 2), "66");
}

TEST(WriteFreeValues, AnEmptyCharWritesZero)
{
    WriteGame game{GameBuilder(Family::Xwa)};
    game.startAt(6);
    ASSERT_EQ(game.control(controls::FreeValuesGrid).cell(3, 1), "Char");
    ASSERT_TRUE(game.form().userEditCell(controls::FreeValuesGrid, 3, 2, ""));
    game.write();
    EXPECT_EQ(game.exe()[static_cast<std::size_t>(game.craftAt(6) + 384)], 0);
}

TEST(WriteFreeValues, AValueThatIsNotANumberOfItsTypeRefusesTheWholeWrite)
{
    struct Case {
        std::size_t row;
        const char* text;
    };
    // Rows of the demo XvT layout: 1 Byte, 2 Word; of the extended one: 4 Integer, 5 LongInt, 6 Float.
    const Case cases[] = {{1, "12.5"}, {1, "abc"}, {1, ""},    {1, "256"}, {1, "-129"}, {2, "7x"},  {2, "65536"},
                          {4, "1.0"},  {5, "--3"}, {6, "2,5"}, {6, "abc"}, {6, ""},     {6, "1e39"}};
    for (const Case& each : cases) {
        SCOPED_TRACE(std::to_string(each.row) + ": '" + each.text + "'");
        WriteGame game{everyType()};
        game.startAt(2);
        const auto before = snapshot(game.game.gameDir);
        ASSERT_TRUE(game.form().userEdit(controls::SystemHitsBox, "77"));
        ASSERT_TRUE(game.form().userEditCell(controls::FreeValuesGrid, 7, 2, "Q"));
        ASSERT_TRUE(game.form().userEditCell(controls::FreeValuesGrid, each.row, 2, each.text));
        game.write();
        ASSERT_EQ(game.prompter.records().size(), 1u);
        const Message& refusal = game.prompter.records().front().message;
        EXPECT_EQ(refusal.caption, "PLORIK error:");
        EXPECT_EQ(refusal.icon, MessageIcon::Error);
        EXPECT_NE(refusal.text.find("row " + std::to_string(each.row)), std::string::npos) << refusal.text;
        EXPECT_NE(refusal.text.find("Nothing was written."), std::string::npos) << refusal.text;
        EXPECT_EQ(changedFiles(before, snapshot(game.game.gameDir)), std::set<std::string>{});
    }
}

TEST(WriteFreeValues, FloatsReadBackAsTheBytesTheyShowAndUnchangedRowsAreNotWritten)
{
    // Slot 2 holds the largest float, slot 3 a NaN with a payload, slot 4 an infinity.
    GameBuilder builder = everyType();
    builder.withCraftBytes(2, "IFFNAME", floatBytes(3.4028235e38f), 234);
    builder.withCraftBytes(3, "IFFNAME", {0x01, 0x00, 0xC0, 0xFF}, 234);
    builder.withCraftBytes(4, "IFFNAME", floatBytes(std::numeric_limits<float>::infinity()), 234);
    for (const std::int32_t slot : {2, 3, 4}) {
        SCOPED_TRACE(slot);
        WriteGame game{builder};
        game.startAt(slot);
        const std::string shown = game.control(controls::FreeValuesGrid).cell(6, 2);
        const auto value = [&] { return bytesAt(game.exe(), game.craftAt(slot) + 234, 4); };
        const Bytes before = value();
        game.write();
        EXPECT_EQ(game.messages(), std::vector<std::string>{});
        EXPECT_EQ(value(), before) << shown << " is not written back";
        // The same text typed again reads back as the same float.
        ASSERT_TRUE(game.form().userEditCell(controls::FreeValuesGrid, 6, 2, "0"));
        game.write();
        ASSERT_TRUE(game.form().userEditCell(controls::FreeValuesGrid, 6, 2, shown));
        game.write();
        EXPECT_EQ(game.messages(), std::vector<std::string>{});
        if (slot != 3) { // a NaN's payload is not in its text
            EXPECT_EQ(value(), before) << shown;
        }
    }
}
