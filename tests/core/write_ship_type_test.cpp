// "Write" and the records outside the craft entry: the ship type entry, the species table and the
// ship slot link.
#include "WriteFixture.h"

#include "controls/MainWindowControls.h"

using namespace plorik;
using namespace plorik::testing;

namespace {

using Bytes = std::vector<std::uint8_t>;

// The ship type entry of `slot` from its first byte (P - 3) on.
Bytes shipTypeEntry(const WriteGame& game, const std::string& exe, std::int32_t slot)
{
    return bytesAt(exe, game.shipTypeAt(slot) - 3, static_cast<std::size_t>(game.key("SHIPTYPELEN")));
}

// A data.txt whose demo entry has no free value on the ship type entry.
GameBuilder withoutShipTypeFreeValue(Family family)
{
    GameBuilder builder(family);
    if (family == Family::Xvt)
        builder.withKey("UNKNOWN3MAINOFFSET", "");
    return builder;
}

} // namespace

TEST(WriteShipType, XvtEntryTakesTypeEnabledMarkerSelectorAndIndex)
{
    WriteGame game{withoutShipTypeFreeValue(Family::Xvt)};
    game.startAt(1);
    const std::string before = game.exe();
    ASSERT_EQ(game.control(controls::OptListFileBox).text(), "ivfiles\\spec2640.lst");
    ASSERT_TRUE(game.control(controls::EnabledBox).checked());
    ASSERT_TRUE(game.form().userPick(controls::ShipTypeList, 5));
    ASSERT_TRUE(game.form().userCheck(controls::EnabledBox, false));
    // Shown but not kept by this family.
    game.control(controls::CapWpnSys).setText("8   Capital weaponry");
    ASSERT_TRUE(game.form().userEdit(controls::TargetTypeList, "71  Bouy targeting"));
    game.write();
    EXPECT_EQ(game.messages(), std::vector<std::string>{});
    Bytes expected = shipTypeEntry(game, before, 1);
    expected[0] = 2;
    expected[3 + 0] = 5;
    expected[3 + 21] = 1;
    expected[3 + 22] = 0;
    EXPECT_EQ(shipTypeEntry(game, game.exe(), 1), expected);
    std::size_t outside = 0;
    for (const std::size_t at : differences(before, game.exe()))
        outside += static_cast<std::int64_t>(at) < game.craftAt(1) || static_cast<std::int64_t>(at) >= game.craftAt(2);
    EXPECT_EQ(outside, 2u) << "outside the craft entry only the type and the marker change";
}

TEST(WriteShipType, XwaEntryTakesWeaponSystemTargetingAndSixteenBitIndex)
{
    WriteGame game{withoutShipTypeFreeValue(Family::Xwa)};
    game.startAt(3);
    const std::string before = game.exe();
    ASSERT_EQ(game.control(controls::OptListFileBox).text(), "FlightModels\\SPACECRAFT0.LST");
    ASSERT_EQ(game.control(controls::OptIndexBox).text(), "260");
    ASSERT_TRUE(game.form().userPick(controls::ShipTypeList, 9));
    ASSERT_TRUE(game.form().userCheck(controls::EnabledBox, false));
    ASSERT_TRUE(game.form().userPick(controls::CapWpnSys, 4)); // "8   Capital weaponry"
    ASSERT_TRUE(game.form().userEdit(controls::TargetTypeList, "71  Bouy targeting"));
    game.write();
    EXPECT_EQ(game.messages(), std::vector<std::string>{});
    Bytes expected = shipTypeEntry(game, before, 3);
    expected[0] = 2;
    expected[3 + 0] = 9;
    expected[3 + 14] = 8;
    expected[3 + 13] = 71;
    expected[3 + 17] = 0;
    expected[3 + 18] = 0;
    expected[3 + 19] = 4;
    expected[3 + 20] = 1;
    EXPECT_EQ(shipTypeEntry(game, game.exe(), 3), expected);

    // "256 Unknown" keeps its low byte.
    ASSERT_TRUE(game.form().userPick(controls::CapWpnSys, 9));
    game.write();
    EXPECT_EQ(shipTypeEntry(game, game.exe(), 3)[3 + 14], 0);
}

TEST(WriteShipType, NoShipTypeChosenLeavesTheStoredType)
{
    for (const Family family : {Family::Xvt, Family::Xwa}) {
        GameBuilder builder = withoutShipTypeFreeValue(family);
        ASSERT_GT(builder.shipType(12), 20) << "slot 12 has a type the list does not offer";
        WriteGame game{builder};
        game.startAt(12);
        ASSERT_EQ(game.control(controls::ShipTypeList).index(), -1);
        game.write();
        EXPECT_EQ(static_cast<std::uint8_t>(game.exe()[static_cast<std::size_t>(game.shipTypeAt(12))]),
                  builder.shipType(12));
    }
}

TEST(WriteShipType, AFreeValueOnTheShipTypeEntryIsWrittenOnlyWhenChanged)
{
    // The demo XvT layout shows the ship type byte on the Unknown page as well (row 3).
    WriteGame game{GameBuilder(Family::Xvt)};
    game.startAt(1);
    ASSERT_EQ(game.control(controls::FreeValuesGrid).cell(3, 3), "Shiptype");
    ASSERT_TRUE(game.form().userPick(controls::ShipTypeList, 5));
    game.write();
    EXPECT_EQ(game.exe()[static_cast<std::size_t>(game.shipTypeAt(1))], 5) << "an unchanged value is not written";
    ASSERT_TRUE(game.form().userEditCell(controls::FreeValuesGrid, 3, 2, "17"));
    game.write();
    EXPECT_EQ(game.exe()[static_cast<std::size_t>(game.shipTypeAt(1))], 17);
}

TEST(WriteSpeciesTable, TheSpeciesEntryTakesTheSlotNumber)
{
    WriteGame game{GameBuilder(Family::Xwa)};
    game.startAt(12);
    const std::string before = game.exe();
    ASSERT_TRUE(game.form().userEdit(controls::SpecNo, "40"));
    game.write();
    EXPECT_EQ(game.messages(), std::vector<std::string>{});
    const std::string after = game.exe();
    const std::int64_t table = game.key("SPECNOOFFSET");
    std::string expectedTable = before.substr(static_cast<std::size_t>(table), 2 * 230);
    patch(expectedTable, 2 * 39, {12, 0});
    EXPECT_EQ(after.substr(static_cast<std::size_t>(table), 2 * 230), expectedTable)
        << "entry 40 names slot 12; entry 12 keeps its old slot";

    // A species whose entry named another slot now names this one.
    WriteGame other{GameBuilder(Family::Xwa)};
    other.startAt(200);
    ASSERT_TRUE(other.form().userEdit(controls::SpecNo, "7  Tug Utility Class"));
    other.write();
    EXPECT_EQ(bytesAt(other.exe(), table + 2 * 6, 2), (Bytes{200, 0}));
}

TEST(WriteShipSlotLink, ADifferingLinkIsReportedAndFixedOnYes)
{
    for (const Family family : {Family::Xvt, Family::Xwa}) {
        for (const std::string answer : {"yes", "no"}) {
            WriteGame game{withoutShipTypeFreeValue(family)};
            const std::int64_t link = game.shipTypeAt(3) + (family == Family::Xwa ? 15 : 20);
            std::string exe = game.exe();
            patch(exe, link, {9});
            writeFile(game.game.executable(), exe);
            game.startAt(3);
            game.write({answer});
            ASSERT_EQ(game.prompter.records().size(), 1u);
            const auto& asked = game.prompter.records().front().message;
            EXPECT_EQ(asked.caption, "PLORIK query:");
            EXPECT_EQ(asked.text,
                      "The shipslot link number amd the actual slot number differs. Would you like Plorik to fix it?");
            EXPECT_EQ(asked.icon, MessageIcon::Question);
            EXPECT_EQ(asked.buttons, MessageButtons::YesNo);
            EXPECT_EQ(static_cast<int>(static_cast<std::uint8_t>(game.exe()[static_cast<std::size_t>(link)])),
                      answer == "yes" ? 2 : 9);
        }
    }
}

TEST(WriteShipSlotLink, AMatchingLinkIsNotMentioned)
{
    WriteGame game{GameBuilder(Family::Xwa)};
    game.startAt(200);
    game.write();
    EXPECT_EQ(game.messages(), std::vector<std::string>{});
    EXPECT_EQ(static_cast<std::uint8_t>(game.exe()[static_cast<std::size_t>(game.shipTypeAt(200) + 15)]), 199);
}
