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

// Adds row `row` of the Unknown page; an empty location leaves its key out.
void addRow(GameBuilder& builder, int row, const std::string& name, const std::string& type,
            const std::string& location, const std::string& offset)
{
    const std::string prefix = "UNKNOWN" + number(row);
    builder.withKey(prefix + "NAME", name).withKey(prefix + "TYPE", type);
    if (!location.empty())
        builder.withKey(prefix + "MAINOFFSET", location).withKey(prefix + "SLOTOFFSET", offset);
}

std::string value(StartedGame& started, std::size_t row)
{
    return started.control(controls::FreeValuesGrid).cell(row, 2);
}

} // namespace

TEST(DisplayUnknown, XvtRowsReadBytesWordsAndLettersFromTheSlotOrItsShipType)
{
    GameBuilder builder(Family::Xvt);
    addRow(builder, 4, "Same word as integer", "Integer", "Shipslot", "226");
    addRow(builder, 5, "Free byte in hex", "Byte", "Shipslot", "$E0");
    addRow(builder, 6, "Nowhere", "Byte", "Nowhere", "3");
    addRow(builder, 7, "Odd type", "Quad", "Shipslot", "0");
    addRow(builder, 8, "First letter of the cockpit", "Char", "Shipslot", "34");
    addRow(builder, 9, "No location", "Byte", "", "");
    StartedGame started(builder);
    for (const std::int32_t slot : {1, 2, 12, 80}) {
        SCOPED_TRACE("slot " + number(slot));
        started.show(slot);
        const EntryFields f(builder, slot);
        const std::uint32_t word226 = f.byteAt(226) | f.byteAt(227) << 8;
        ASSERT_GT(word226, 32767u); // shown unsigned
        EXPECT_EQ(value(started, 1), number(f.byteAt(224)));
        EXPECT_EQ(value(started, 2), number(word226));
        EXPECT_EQ(value(started, 3), number(builder.shipType(slot))); // the ship type byte
        EXPECT_EQ(value(started, 4), number(word226));
        EXPECT_EQ(value(started, 5), number(f.byteAt(224)));
        EXPECT_EQ(value(started, 8), "C");
    }
    const Control& grid = started.control(controls::FreeValuesGrid);
    EXPECT_EQ(grid.cell(6, 3), "$Error in data.txt");
    EXPECT_EQ(grid.cell(6, 2), "");
    EXPECT_EQ(grid.cell(7, 1), "Quad");
    EXPECT_EQ(grid.cell(7, 2), "");
    EXPECT_EQ(grid.cell(9, 0), "No location");
    EXPECT_EQ(grid.cell(9, 2), "");
    EXPECT_EQ(grid.cell(1, 0), "Free byte 224");
    EXPECT_EQ(grid.cell(1, 3), "Shipslot");
    EXPECT_EQ(grid.cell(1, 4), "224");
    EXPECT_TRUE(started.messages().empty());
}

TEST(DisplayUnknown, XwaRowsReadSignedLongsFloatsAndLetters)
{
    GameBuilder builder(Family::Xwa);
    addRow(builder, 4, "List selector", "Word", "Shiptype", "20");
    addRow(builder, 5, "Ship type", "Byte", "Shiptype", "3");
    addRow(builder, 6, "Unknown strength as signed", "LongInt", "Shipslot", "30");
    StartedGame started(builder);
    struct Case {
        std::int32_t slot;
        const char* longValue;
        const char* floatValue;
        const char* letter;
    };
    for (const Case& c : {Case{1, "-100001", "1.25", "A"}, Case{2, "100002", "2.25", "B"}, Case{4, "100004", "4", "D"},
                          Case{7, "-100007", "3.1415927", "G"}, Case{8, "100008", "-1234567.9", "H"},
                          Case{20, "100020", "20.25", "T"}, Case{27, "-100027", "27.25", "A"}}) {
        SCOPED_TRACE("slot " + number(c.slot));
        started.show(c.slot);
        const EntryFields f(builder, c.slot);
        EXPECT_EQ(value(started, 1), c.longValue);
        EXPECT_EQ(value(started, 2), c.floatValue);
        EXPECT_EQ(value(started, 3), c.letter);
        EXPECT_EQ(value(started, 4), number(builder.optList(c.slot)));
        EXPECT_EQ(value(started, 5), number(builder.shipType(c.slot)));
        EXPECT_EQ(value(started, 6), number(static_cast<std::int32_t>(f.longWord("EXPPOWER"))));
    }
    started.show(1);
    EXPECT_EQ(value(started, 6), "-1294967295"); // 3000000001 read signed
}
