#include "DemoLayout.h"

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

enum Choice { kNothing = 0, kShipTypeBlock = 1, kShipslotBlock = 2, kWeaponOptBlock = 3 };

// The grid shows `bytes` eight to a row from row 1, each row headed by the offset of its first byte.
void expectBytes(const Control& grid, const std::vector<std::uint8_t>& bytes)
{
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const std::size_t row = i / 8 + 1;
        if (i % 8 == 0) {
            EXPECT_EQ(grid.cell(row, 0), number(static_cast<std::int64_t>(i))) << "row " << row;
        }
        EXPECT_EQ(grid.cell(row, i % 8 + 1), number(bytes[i])) << "byte " << i;
    }
}

struct Blocks {
    std::int64_t craftOffset, entryLength, shipTypeStart, shipTypeLength, slots;

    explicit Blocks(const GameBuilder& builder)
    {
        const DemoLayout layout(builder.entry());
        craftOffset = layout.value("CRAFTOFFSET");
        entryLength = layout.value("ENTRYLENGTH");
        shipTypeStart = layout.value("SHIPTYPESTART");
        shipTypeLength = layout.value("SHIPTYPELEN");
        slots = layout.slots();
    }
    std::int64_t shipType(std::int32_t slot) const { return shipTypeStart - 3 + (slot - 1) * shipTypeLength; }
    std::int64_t weaponOpt(std::int32_t slot) const
    {
        return shipTypeStart - 3 + (slots + 8) * shipTypeLength + (slot - 1) * 24;
    }
};

} // namespace

TEST(DisplayHexView, TheShipslotBlockShowsTheCraftEntryEightBytesARow)
{
    for (const Family family : {Family::Xvt, Family::Xwa}) {
        SCOPED_TRACE(family == Family::Xwa ? "XWA" : "XvT");
        GameBuilder builder(family);
        const Blocks blocks(builder);
        StartedGame started(builder);
        EXPECT_EQ(started.text(controls::HexOffsetLabel), "Offset: *");
        ASSERT_TRUE(started.form().userPick(controls::DisplayBox, kShipslotBlock));
        const Control& grid = started.control(controls::HexGrid);
        EXPECT_EQ(grid.rowCount(), static_cast<std::size_t>(blocks.entryLength / 8 + 2));
        EXPECT_EQ(started.text(controls::HexOffsetLabel), "offset: " + number(blocks.craftOffset));
        EXPECT_EQ(grid.cell(1, 0), "0");
        expectBytes(grid, builder.craftEntry(1));
        started.show(5);
        EXPECT_EQ(started.text(controls::HexOffsetLabel),
                  "offset: " + number(blocks.craftOffset + 4 * blocks.entryLength));
        expectBytes(grid, builder.craftEntry(5));
        EXPECT_EQ(grid.cell(2, 0), "8");
        EXPECT_EQ(grid.cell(3, 0), "16");
    }
}

TEST(DisplayHexView, TheShipTypeBlockShowsTheWholeEntryFromItsFirstByte)
{
    for (const Family family : {Family::Xvt, Family::Xwa}) {
        SCOPED_TRACE(family == Family::Xwa ? "XWA" : "XvT");
        GameBuilder builder(family);
        const Blocks blocks(builder);
        StartedGame started(builder);
        started.show(9);
        ASSERT_TRUE(started.form().userPick(controls::DisplayBox, kShipTypeBlock));
        const Control& grid = started.control(controls::HexGrid);
        EXPECT_EQ(grid.rowCount(), static_cast<std::size_t>(blocks.shipTypeLength / 8 + 2));
        EXPECT_EQ(started.text(controls::HexOffsetLabel), "offset: " + number(blocks.shipType(9)));
        const auto bytes =
            fileBytes(started.game.executable(), blocks.shipType(9), static_cast<std::size_t>(blocks.shipTypeLength));
        EXPECT_EQ(bytes.at(0), builder.enabledMarker(9));
        EXPECT_EQ(bytes.at(3), builder.shipType(9));
        expectBytes(grid, bytes);
    }
}

TEST(DisplayHexView, TheWeaponOptBlockShowsTheSlotsRecordAfterTheShipTypes)
{
    for (const Family family : {Family::Xvt, Family::Xwa}) {
        SCOPED_TRACE(family == Family::Xwa ? "XWA" : "XvT");
        GameBuilder builder(family);
        const Blocks blocks(builder);
        StartedGame started(builder);
        started.show(3);
        ASSERT_TRUE(started.form().userPick(controls::DisplayBox, kWeaponOptBlock));
        const Control& grid = started.control(controls::HexGrid);
        EXPECT_EQ(grid.rowCount(), 5u);
        EXPECT_EQ(started.text(controls::HexOffsetLabel), "offset: " + number(blocks.weaponOpt(3)));
        expectBytes(grid, fileBytes(started.game.executable(), blocks.weaponOpt(3), 24));
        started.show(4);
        EXPECT_EQ(started.text(controls::HexOffsetLabel), "offset: " + number(blocks.weaponOpt(4)));
        expectBytes(grid, fileBytes(started.game.executable(), blocks.weaponOpt(4), 24));
    }
}

TEST(DisplayHexView, NothingResetsTheLabelAndLeavesTheGridAsItIs)
{
    GameBuilder builder(Family::Xvt);
    StartedGame started(builder);
    started.form().userPick(controls::DisplayBox, kShipslotBlock);
    started.form().userPick(controls::DisplayBox, kNothing);
    EXPECT_EQ(started.text(controls::HexOffsetLabel), "Offset: *");
    expectBytes(started.control(controls::HexGrid), builder.craftEntry(1));
    started.show(2);
    EXPECT_EQ(started.text(controls::HexOffsetLabel), "Offset: *");
    expectBytes(started.control(controls::HexGrid), builder.craftEntry(1));
    EXPECT_TRUE(started.messages().empty());
}
