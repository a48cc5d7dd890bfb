// "Write" and shiplist.txt: the species line of the slot, in the editor's own layout.
#include "WriteFixture.h"

#include "controls/MainWindowControls.h"

using namespace plorik;
using namespace plorik::testing;

namespace {

// shiplist.txt as the builder wrote it: a rewrite copies every other line whole, the long line of
// species 9 too.
std::vector<std::string> copiedLines(const WriteGame& game)
{
    return crlfLines(game.file("shiplist.txt"));
}

std::size_t lineOfSpecies(const std::vector<std::string>& lines, std::int32_t species)
{
    const std::string start = "_" + std::to_string(species) + "!";
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (!lines[i].empty() && lines[i].front() == '!' && lines[i].find(start) == lines[i].find('_'))
            return i;
    }
    return lines.size();
}

} // namespace

TEST(WriteShipList, TheSpeciesLineIsReplacedInPlaceAndEveryOtherLineCopied)
{
    GameBuilder builder(Family::Xwa);
    WriteGame game{builder};
    game.startAt(10);
    ASSERT_EQ(game.control(controls::SpecNo).text(), "10");
    std::vector<std::string> expected = copiedLines(game);
    const std::size_t at = lineOfSpecies(expected, 10);
    ASSERT_LT(at, expected.size());
    ASSERT_EQ(expected[at].rfind("!CRAFT_10!", 0), 0u) << "another prefix than the editor's";
    ASSERT_TRUE(game.form().userEdit(controls::Shiplistnamebox, "Citadel Keep"));
    ASSERT_TRUE(game.form().userPick(controls::ShipTypeList, 17));
    ASSERT_TRUE(game.form().userPick(controls::Playmodebox, 2));
    ASSERT_TRUE(game.form().userCheck(controls::Known, false));
    ASSERT_TRUE(game.form().userPick(controls::InSkirmishBox, 1));
    ASSERT_TRUE(game.form().userEdit(controls::IconBox, "1  ,2  ,3  "));
    game.write();
    EXPECT_EQ(game.messages(), std::vector<std::string>{});
    // Slot 10 showed ship type 17 already: the line keeps its own category word.
    expected[at] =
        "!SPECIES_10!Citadel Keep,Fighter,GunnerFlyable,Unknown,NoSkirmish" + builder.separator(10) + "1  ,2  ,3  ";
    const std::string written = game.file("shiplist.txt");
    EXPECT_EQ(crlfLines(written), expected);
    EXPECT_EQ(written, crlfText(expected)) << "CR LF after every line";
}

TEST(WriteShipList, TheCategoryWordFollowsTheShipType)
{
    WriteGame game{GameBuilder(Family::Xwa)};
    game.startAt(12);
    const std::size_t at = lineOfSpecies(copiedLines(game), 12);
    const std::map<int, std::string> words = {{1, "Shuttle/Light Transport"},
                                              {2, "Utility Craft"},
                                              {3, "Freighter/Heavy Transport"},
                                              {4, "Starship"},
                                              {5, "Station"},
                                              {9, "Satellite/Buoy"},
                                              {17, "Container"},
                                              {19, "Weapon emplacement"}};
    for (int index = 0; index <= 20; ++index) {
        ASSERT_TRUE(game.form().userPick(controls::ShipTypeList, index));
        ASSERT_TRUE(game.form().userEdit(controls::Shiplistnamebox, "Probe"));
        game.write();
        const std::string line = crlfLines(game.file("shiplist.txt")).at(at);
        const std::string word = words.contains(index) ? words.at(index) : "Fighter";
        EXPECT_EQ(line.substr(0, line.find(',', line.find(',') + 1)), "!SPECIES_12!Probe," + word) << index;
    }
    // No ship type chosen at all, and none picked: the line keeps its own category word.
    WriteGame none{GameBuilder(Family::Xwa)};
    none.startAt(24);
    ASSERT_EQ(none.control(controls::ShipTypeList).index(), -1);
    ASSERT_TRUE(none.form().userEdit(controls::Shiplistnamebox, "Probe"));
    none.write();
    const std::string line = crlfLines(none.file("shiplist.txt")).at(lineOfSpecies(copiedLines(none), 24));
    EXPECT_EQ(line.substr(0, line.find(',', line.find(',') + 1) + 1), "!SPECIES_24!Probe,Utility,");
}

TEST(WriteShipList, TheSeparatorIsTheOneOfTheSpeciesShown)
{
    GameBuilder builder(Family::Xwa);
    for (const std::int32_t species : {6, 7, 8}) {
        WriteGame game{builder};
        game.startAt(12);
        // Choosing the species takes its separator along with its icon string.
        ASSERT_TRUE(game.form().userEdit(controls::SpecNo, std::to_string(species)));
        game.write();
        const std::vector<std::string> lines = crlfLines(game.file("shiplist.txt"));
        const std::string& line = lines.at(lineOfSpecies(lines, species));
        const std::string separator = builder.separator(species).substr(0, 10);
        const std::string icon = game.control(controls::IconBox).text();
        EXPECT_EQ(line.substr(line.size() - icon.size() - separator.size()), separator + icon) << species;
    }
}

TEST(WriteShipList, ASpeciesWithoutALineTakesTheFirstEmptyLine)
{
    GameBuilder builder(Family::Xwa);
    ASSERT_FALSE(builder.hasShipListLine(13));
    WriteGame game{builder};
    game.startAt(13);
    ASSERT_EQ(game.control(controls::SpecNo).text(), "13");
    std::vector<std::string> expected = copiedLines(game);
    const auto empty = std::find(expected.begin(), expected.end(), "");
    ASSERT_NE(empty, expected.end());
    // Its fields show "n/a": no value to write until the user gives one.
    ASSERT_TRUE(game.form().userEdit(controls::Shiplistnamebox, "Ember"));
    const auto before = snapshot(game.game.gameDir);
    game.write();
    EXPECT_EQ(game.messages(),
              std::vector<std::string>{"PLORIK error:|Flight Mode: shows no value (\"n/a\"). Enter the craft's ship "
                                       "list values, or untick \"Write to Shiplist.txt\".\r\rNothing was written."});
    EXPECT_EQ(changedFiles(before, snapshot(game.game.gameDir)), std::set<std::string>{});
    ASSERT_TRUE(game.form().userPick(controls::Playmodebox, 0));
    ASSERT_TRUE(game.form().userPick(controls::InSkirmishBox, 1));
    game.write();
    *empty = "!SPECIES_13!Ember," + std::string("Fighter") + ",Nonflyable,Unknown,NoSkirmish,\t\t\t\t\t\t" +
             "6  ,9  ,13 ,20 ,4  ,13 ,32 ,43 ";
    EXPECT_EQ(crlfLines(game.file("shiplist.txt")), expected);
}

TEST(WriteShipList, LeftAloneWhenTheBoxIsUnchecked)
{
    WriteGame game{GameBuilder(Family::Xwa)};
    game.startAt(10);
    const std::string before = game.file("shiplist.txt");
    ASSERT_TRUE(game.form().userCheck(controls::Shiplistwrite, false));
    ASSERT_TRUE(game.form().userEdit(controls::Shiplistnamebox, "Changed"));
    game.write();
    EXPECT_EQ(game.file("shiplist.txt"), before);
}
