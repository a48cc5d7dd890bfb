// "Write" and the free values of the Unknown page: each row's value goes to its location as its
// type says; a value that is not a number stops the write at that point.
#include "WriteFixture.h"

#include <bit>

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
    Control& grid = game.control("StringGrid3");
    ASSERT_EQ(grid.cell(9, 3), "$Error in data.txt");
    const std::string before = game.exe();
    const char* values[] = {"", "201", "258", "19", "-2", "-100000", "-0.75", "qrs", "77", "66"};
    for (std::size_t r = 1; r <= 9; ++r)
        ASSERT_TRUE(game.form().userEditCell("StringGrid3", r, 2, values[r])) << r;
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
    ASSERT_EQ(game.control("StringGrid3").cell(3, 1), "Char");
    ASSERT_TRUE(game.form().userEditCell("StringGrid3", 3, 2, ""));
    game.write();
    EXPECT_EQ(game.exe()[static_cast<std::size_t>(game.craftAt(6) + 384)], 0);
}

TEST(WriteFreeValues, AValueThatIsNotANumberStopsTheWriteAtThatRow)
{
    struct Case {
        std::size_t row;
        const char* text;
    };
    // Rows of the demo XvT layout: 1 Byte, 2 Word; of the extended one: 4 Integer, 5 LongInt, 6 Float.
    const Case cases[] = {{1, "12.5"}, {1, "abc"}, {1, ""}, {2, "7x"},  {4, "1.0"}, {5, "--3"},
                          {6, "2,5"},  {6, "abc"}, {6, ""}, {6, "inf"}, {6, "nan"}, {6, "1e39"}};
    for (const Case& each : cases) {
        SCOPED_TRACE(std::to_string(each.row) + ": '" + each.text + "'");
        WriteGame game{everyType()};
        game.startAt(2);
        const auto before = snapshot(game.game.gameDir);
        ASSERT_TRUE(game.form().userEdit("SystemHitsBox", "77"));
        ASSERT_TRUE(game.form().userEditCell("StringGrid3", each.row, 2, each.text));
        ASSERT_TRUE(game.form().userEditCell("StringGrid3", 7, 2, "Q")); // a later row
        game.write();
        EXPECT_EQ(game.prompter.records().size(), 1u);
        if (!game.prompter.records().empty()) {
            EXPECT_EQ(game.prompter.records().front().message.icon, MessageIcon::Error);
        }
        const auto after = snapshot(game.game.gameDir);
        const std::string exe = game.game.exeName;
        EXPECT_EQ(after.at(exe)[static_cast<std::size_t>(game.craftAt(2) + 11)], 77) << "the craft entry was written";
        EXPECT_NE(after.at(exe)[static_cast<std::size_t>(game.craftAt(2) + 238)], 'Q') << "a later row was not";
        std::set<std::string> changed = changedFiles(before, after);
        changed.erase(exe);
        EXPECT_EQ(changed, std::set<std::string>{}) << "no text file was written after the stop";
    }
}
