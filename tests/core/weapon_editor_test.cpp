// The weapon editor on the demo games: what each weapon shows in both families, the bytes and the
// list file "Write Wpn." writes (whole files compared), and what it refuses.
#include "WriteFixture.h"

#include "controls/WeaponEditorControls.h"
#include "io/FileFaults.h"

#include <functional>

using namespace plorik;
using namespace plorik::testing;
namespace w = plorik::controls::weapons;

namespace {

const char* const kList = "FlightModels/EQUIPMENT0.LST";

struct WeaponGame : WriteGame {
    explicit WeaponGame(GameBuilder built) : WriteGame(std::move(built)) {}
    WeaponGame& startAt(int weapon)
    {
        start();
        if (weapon != 0) {
            EXPECT_TRUE(weapons().userPick(w::WeaponList, weapon));
        }
        prompter.clearRecords();
        return *this;
    }
    Form& weapons() { return session->weaponForm(); }
    const std::string& text(ControlKey key) { return weapons()[key].text(); }
    std::int64_t block() { return key("WEAPONOFFSET"); }
    // The weapon's OPT record (XWA): after the ship type block, 24 bytes per weapon.
    std::int64_t record(int weapon)
    {
        return key("SHIPTYPESTART") - 3 + (game.slots + 8) * key("SHIPTYPELEN") + 24 * weapon;
    }
};

// data.txt with the [WEAPON CATEGORIES] or [WEAPON NAMES] lines replaced.
std::string withSection(const std::string& header, const std::vector<std::string>& lines)
{
    std::string data = shippedDataFile();
    const std::size_t start = data.find(header + "\r\n") + header.size() + 2;
    const std::size_t end = data.find("[END]", start);
    return data.replace(start, end - start, crlfText(lines));
}

std::vector<std::string> numbered(const std::string& stem, int count)
{
    std::vector<std::string> names;
    for (int i = 0; i < count; ++i)
        names.push_back(stem + std::to_string(i));
    return names;
}

using Bytes = std::vector<std::uint8_t>;
Bytes word(std::uint32_t value)
{
    return {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8)};
}

} // namespace

TEST(WeaponEditor, EachWeaponShowsItsValuesInBothFamilies)
{
    for (const Family family : {Family::Xvt, Family::Xwa}) {
        WeaponGame game{GameBuilder(family)};
        game.startAt(0);
        const GameBuilder& built = game.builder;
        const bool xwa = family == Family::Xwa;
        for (ControlKey key : {w::WpnEnabledBox, w::WpnOptBox, w::WpnIndexBox})
            EXPECT_EQ(game.weapons()[key].enabled(), xwa) << key;
        for (int weapon = 0; weapon < 12; ++weapon) {
            SCOPED_TRACE((xwa ? "XWA weapon " : "XvT weapon ") + std::to_string(weapon));
            ASSERT_TRUE(game.weapons().userPick(w::WeaponList, weapon));
            const auto value = [&](WeaponValue field) { return std::to_string(built.weaponValue(field, weapon)); };
            EXPECT_EQ(game.text(w::PowerBox), value(WeaponValue::Power));
            EXPECT_EQ(game.text(w::WpnSpeedBox), value(WeaponValue::Speed));
            EXPECT_EQ(game.text(w::TimeToLiveBox), value(WeaponValue::TimeToLive));
            EXPECT_EQ(game.text(w::WpnUnknownBox), value(WeaponValue::Unknown));
            EXPECT_EQ(game.text(w::CategoryList), value(WeaponValue::Category));
            EXPECT_EQ(game.text(w::CategoryNumberBox), value(WeaponValue::Category));
            if (!xwa)
                continue;
            EXPECT_EQ(game.weapons()[w::WpnEnabledBox].checked(), built.weaponEnabledByte(weapon) == 3);
            const int type = built.weaponCraftType(weapon);
            EXPECT_EQ(game.weapons()[w::WpnTypeList].index(), type < 20 ? type : -1);
            const int model = built.weaponModelIndex(weapon);
            EXPECT_EQ(game.text(w::WpnIndexBox), std::to_string(model));
            EXPECT_EQ(game.text(w::WpnOptBox),
                      model < built.optListLength(1) ? built.optName(1, model) : "None assigned");
        }
        EXPECT_EQ(game.messages(), std::vector<std::string>{});
    }
    // The XWA power is a signed long: 65543 and -1 are among the demo's.
    WeaponGame xwa{GameBuilder(Family::Xwa)};
    xwa.startAt(10);
    EXPECT_EQ(xwa.text(w::PowerBox), "65543");
    xwa.weapons().userPick(w::WeaponList, 11);
    EXPECT_EQ(xwa.text(w::PowerBox), "-1");
}

TEST(WeaponEditor, ACategoryPutsItsTextUpToTheFirstBlankBesideIt)
{
    WeaponGame game{
        GameBuilder(Family::Xvt).withDataFile(withSection("[WEAPON CATEGORIES]", {"12 Twelve", "Laser", "7"}))};
    game.startAt(0);
    const std::vector<std::pair<int, std::string>> cases = {{0, "12"}, {1, "Laser"}, {2, "7"}};
    for (const auto& [item, number] : cases) {
        ASSERT_TRUE(game.weapons().userPick(w::CategoryList, item));
        EXPECT_EQ(game.text(w::CategoryNumberBox), number);
    }
}

TEST(WeaponEditor, WriteStoresLowWordsAtTheFamilysOffsets)
{
    struct Case {
        Family family;
        int weapon;
        // Offsets from WEAPONOFFSET of power, speed, time to live, unknown, category.
        std::array<std::int64_t, 5> at;
    };
    const std::vector<Case> cases = {
        {Family::Xvt, 2, {8, 104, 152, 200, 248}},
        {Family::Xwa, 2, {8, 116, 172, 224, 284}},
    };
    for (const Case& each : cases) {
        SCOPED_TRACE(each.family == Family::Xwa ? "XWA" : "XvT");
        WeaponGame game{GameBuilder(each.family)};
        game.startAt(each.weapon);
        const auto before = snapshot(game.game.gameDir);
        std::string expected = game.exe();
        Form& weapons = game.weapons();
        weapons.userEdit(w::PowerBox, "5");
        weapons.userEdit(w::WpnSpeedBox, "70000");
        weapons.userEdit(w::TimeToLiveBox, "x");
        weapons.userEdit(w::WpnUnknownBox, "$10");
        weapons.userEdit(w::CategoryNumberBox, "1234");
        ASSERT_TRUE(weapons.userPress(w::WriteWpnButton));
        EXPECT_EQ(game.messages(), std::vector<std::string>{});
        const std::array<std::uint32_t, 5> values = {5, 70000 & 0xFFFF, 0, 16, 123};
        for (std::size_t i = 0; i < values.size(); ++i)
            patch(expected, game.block() + each.at[i], word(values[i]));
        if (each.family == Family::Xwa) // weapon 2's record: switched off (2) stays 2; type and model stay
            patch(expected, game.record(2), {2});
        EXPECT_EQ(differences(game.exe(), expected), std::vector<std::size_t>{});
        const std::set<std::string> changed = changedFiles(before, snapshot(game.game.gameDir));
        EXPECT_EQ(changed, std::set<std::string>{game.game.exeName}) << "the list is rewritten as it was";
    }
}

TEST(WeaponEditor, XwaPowerKeepsItsUpperWordAndTheRecordFollowsTheBoxes)
{
    WeaponGame game{GameBuilder(Family::Xwa)};
    game.startAt(10);
    std::string expected = game.exe();
    game.weapons().userEdit(w::PowerBox, "5");
    game.weapons().userPress(w::WriteWpnButton);
    patch(expected, game.block() + 40, word(5));
    EXPECT_EQ(differences(game.exe(), expected), std::vector<std::size_t>{});
    game.weapons().userPick(w::WeaponList, 0);
    game.weapons().userPick(w::WeaponList, 10);
    EXPECT_EQ(game.text(w::PowerBox), "65541");

    // Weapon 1's enabled byte 1 shows cleared and is written as 2; a ticked box writes 3.
    game.weapons().userPick(w::WeaponList, 1);
    EXPECT_FALSE(game.weapons()[w::WpnEnabledBox].checked());
    game.weapons().userPress(w::WriteWpnButton);
    EXPECT_EQ(numberAt(game.exe(), game.record(1), 1), 2u);
    game.weapons().userCheck(w::WpnEnabledBox, true);
    game.weapons().userPick(w::WpnTypeList, 18);
    game.weapons().userPress(w::WriteWpnButton);
    EXPECT_EQ(numberAt(game.exe(), game.record(1), 1), 3u);
    EXPECT_EQ(numberAt(game.exe(), game.record(1) + 3, 1), 18u);
    EXPECT_EQ(game.messages(), std::vector<std::string>{});
}

TEST(WeaponEditor, ATypeThatNoItemNamesKeepsItsByteWhileTheOtherFieldsAreWritten)
{
    WeaponGame game{GameBuilder(Family::Xwa)};
    game.startAt(11);
    const int type = game.builder.weaponCraftType(11);
    ASSERT_GE(type, 20);
    ASSERT_EQ(game.weapons()[w::WpnTypeList].index(), -1);
    std::string expected = game.exe();
    game.weapons().userEdit(w::PowerBox, "4321");
    ASSERT_EQ(game.builder.weaponEnabledByte(11), 2);
    game.weapons().userCheck(w::WpnEnabledBox, true);
    ASSERT_TRUE(game.weapons().userPress(w::WriteWpnButton));
    EXPECT_EQ(game.messages(), std::vector<std::string>{});
    patch(expected, game.block() + 44, word(4321));
    patch(expected, game.record(11), {3});
    EXPECT_EQ(differences(game.exe(), expected), std::vector<std::size_t>{});
    EXPECT_EQ(numberAt(game.exe(), game.record(11) + 3, 1), static_cast<std::uint32_t>(type));
}

TEST(WeaponEditor, TheModelGoesIntoTheListAtItsIndex)
{
    const std::vector<std::string> ten = numbered("M", 10);
    std::vector<std::string> big = numbered("L", 100000);
    struct Case {
        std::string name;
        std::string list;    // the list file before
        std::string index;   // typed into "Index:"
        std::string opt;     // typed into "OPT:"
        std::string after;   // the list file after
        std::string shown;   // "Index:" after
        std::uint32_t model; // at R + 22 after
    };
    std::vector<std::string> tenAfter = ten;
    tenAfter[4] = "NEW.opt";
    std::vector<std::string> bigAfter = big;
    bigAfter[65535] = "NEW.opt";
    std::vector<std::string> bigWrapped = big;
    bigWrapped[70000 & 0xFFFF] = "NEW.opt";
    const std::vector<Case> cases = {
        {"10 lines", crlfText(ten), "4", "NEW.opt", crlfText(tenAfter), "4", 4},
        {"3 lines", crlfText({"A", "B", "C"}), "4", "NEW.opt", crlfText({"A", "B", "C", "NEW.opt"}), "3", 3},
        {"CR only", "A\rB\rC\r", "1", "NEW.opt", "A\rNEW.opt\r\nC\r", "1", 1},
        {"no line end", "A", "5", "NEW.opt", "A\r\nNEW.opt\r\n", "1", 1},
        {"100000 lines", crlfText(big), "65535", "NEW.opt", crlfText(bigAfter), "65535", 65535},
        {"an index past 16 bits", crlfText(big), "70000", "NEW.opt", crlfText(bigWrapped), "4464", 4464},
    };
    for (const Case& each : cases) {
        SCOPED_TRACE(each.name);
        WeaponGame game{GameBuilder(Family::Xwa)};
        writeFile(game.path(kList), each.list);
        game.startAt(3);
        std::string expected = game.exe();
        game.weapons().userEdit(w::WpnIndexBox, each.index);
        game.weapons().userEdit(w::WpnOptBox, each.opt);
        ASSERT_TRUE(game.weapons().userPress(w::WriteWpnButton));
        EXPECT_EQ(game.messages(), std::vector<std::string>{});
        EXPECT_EQ(game.file(kList), each.after);
        EXPECT_EQ(game.text(w::WpnIndexBox), each.shown);
        // Weapon 3's record otherwise stays as the demo wrote it.
        patch(expected, game.record(3) + 22, word(each.model));
        EXPECT_EQ(differences(game.exe(), expected), std::vector<std::size_t>{});
        EXPECT_FALSE(std::filesystem::exists(game.path("temp.tmp")));
    }

    // "None assigned" in any case names no model: neither the list nor R + 22 changes.
    WeaponGame game{GameBuilder(Family::Xwa)};
    game.startAt(3);
    const std::string exe = game.exe();
    const std::string list = game.file(kList);
    game.weapons().userEdit(w::WpnIndexBox, "4");
    game.weapons().userEdit(w::WpnOptBox, "NONE ASSIGNED");
    game.weapons().userPress(w::WriteWpnButton);
    EXPECT_EQ(game.file(kList), list);
    EXPECT_EQ(differences(game.exe(), exe), std::vector<std::size_t>{});
}

TEST(WeaponEditor, WriteRefusesBeforeWritingAnything)
{
    struct Case {
        std::string name;
        GameBuilder builder;
        int weapon;
        std::function<void(WeaponGame&)> edit;
        std::string message; // the start of "CAPTION|TEXT"
    };
    const std::vector<Case> cases = {
        {"no weapon block", GameBuilder(Family::Xvt).withKey("WEAPONOFFSET", "-1"), 0, [](WeaponGame&) {},
         "PLORIK error:|This game version has no weapon block (WEAPONOFFSET is not set). Nothing was written."},
        {"an index that is no number", GameBuilder(Family::Xwa), 3,
         [](WeaponGame& g) {
             g.weapons().userEdit(w::WpnIndexBox, "abc");
             g.weapons().userEdit(w::WpnOptBox, "NEW.opt");
         },
         "PLORIK error:|\"abc\" is not a valid whole number (Index:). Nothing was written."},
        {"weapon 256", GameBuilder(Family::Xvt).withDataFile(withSection("[WEAPON NAMES]", numbered("W", 300))), 0,
         [](WeaponGame& g) { g.weapons()[w::WeaponList].setIndex(256); },
         "PLORIK|Range check error: weapon 256 is above 255, the last weapon a weapon index can name. Nothing was "
         "written."},
        {"no list file", GameBuilder(Family::Xwa), 0, [](WeaponGame& g) { std::filesystem::remove(g.path(kList)); },
         "PLORIK error:|"},
        {"write-protected list", GameBuilder(Family::Xwa), 0,
         [](WeaponGame& g) {
             std::filesystem::permissions(g.path(kList), std::filesystem::perms::owner_write,
                                          std::filesystem::perm_options::remove);
         },
         "PLORIK error:|The file is write-protected"},
        {"write-protected executable", GameBuilder(Family::Xvt), 0,
         [](WeaponGame& g) {
             std::filesystem::permissions(g.game.executable(), std::filesystem::perms::owner_write,
                                          std::filesystem::perm_options::remove);
         },
         "PLORIK error:|The file is write-protected"},
    };
    for (const Case& each : cases) {
        SCOPED_TRACE(each.name);
        WeaponGame game{each.builder};
        game.startAt(each.weapon);
        each.edit(game);
        const auto before = snapshot(game.game.gameDir);
        game.weapons().userEdit(w::PowerBox, "4321");
        game.weapons().userPress(w::WriteWpnButton);
        ASSERT_EQ(game.messages().size(), 1u);
        const std::string shown = game.messages()[0];
        EXPECT_EQ(shown.rfind(each.message, 0), 0u) << shown;
        EXPECT_EQ(shown.substr(shown.size() - 21), " Nothing was written.");
        EXPECT_EQ(changedFiles(before, snapshot(game.game.gameDir)), std::set<std::string>{});
    }
}

TEST(WeaponEditor, WeaponsBeyondTheBlockAndAListThatFailsAreReported)
{
    // The block holds 24 XvT weapons; the 25th of a long [WEAPON NAMES] has no values in it.
    WeaponGame longList{GameBuilder(Family::Xvt).withDataFile(withSection("[WEAPON NAMES]", numbered("W", 30)))};
    longList.startAt(0);
    const auto before = snapshot(longList.game.gameDir);
    longList.weapons().userPick(w::WeaponList, 24);
    longList.weapons().userPress(w::WriteWpnButton);
    const std::string beyond = "PLORIK error:|Weapon 24 (\"W24\") has no values in the weapon block: the 336 bytes at "
                               "WEAPONOFFSET hold weapons 0 to 23.";
    EXPECT_EQ(longList.messages(), (std::vector<std::string>{beyond, beyond + " Nothing was written."}));
    EXPECT_EQ(changedFiles(before, snapshot(longList.game.gameDir)), std::set<std::string>{});

    // A list file that cannot be read: the error, and "OPT:" names no model, so that a write leaves
    // the list alone and writes the rest.
    WeaponGame game{GameBuilder(Family::Xwa)};
    game.startAt(0);
    std::filesystem::remove(game.path(kList));
    game.weapons().userPick(w::WeaponList, 2);
    ASSERT_EQ(game.messages().size(), 1u);
    EXPECT_EQ(game.messages()[0].rfind("PLORIK|", 0), 0u);
    EXPECT_EQ(game.text(w::WpnOptBox), "None assigned");
    EXPECT_EQ(game.text(w::PowerBox), std::to_string(game.builder.weaponValue(WeaponValue::Power, 2)));
    game.weapons().userEdit(w::PowerBox, "9");
    game.weapons().userPress(w::WriteWpnButton);
    EXPECT_EQ(game.messages().size(), 1u);
    EXPECT_EQ(numberAt(game.exe(), game.block() + 8, 2), 9u);
    EXPECT_FALSE(std::filesystem::exists(game.path(kList)));

    // The rename of temp.tmp fails: the list and the executable stay as they were.
    WeaponGame failing{GameBuilder(Family::Xwa)};
    failing.startAt(0);
    const auto unchanged = snapshot(failing.game.gameDir);
    failing.weapons().userEdit(w::WpnOptBox, "NEW.opt");
    FileFaults::arm(FileFaults::Step::Rename, 2); // the first puts the history's record in place
    failing.weapons().userPress(w::WriteWpnButton);
    FileFaults::disarm();
    ASSERT_EQ(failing.messages().size(), 1u);
    EXPECT_EQ(failing.messages()[0].substr(failing.messages()[0].size() - 21), " Nothing was written.");
    EXPECT_EQ(changedFiles(unchanged, snapshot(failing.game.gameDir)), std::set<std::string>{});
}
