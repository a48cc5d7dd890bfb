// "Write" for a craft without a species: the question, a new or a spare species number, and the
// pilot files that learn the craft.
#include "WriteFixture.h"

#include "controls/MainWindowControls.h"

using namespace plorik;
using namespace plorik::testing;

namespace {

const char* const kSpeciesQuestion =
    "You haven't specified a Species entry, the craft will need this to work. PLORIK can add an entirely new line for "
    "your craft, if you click \"yes\". If you click \"no\" PLORIK will instead find a *DONTUSEME slot and use that. "
    "If you want to control species setting yourself, click cancel to abort writing now.";

// Slot 5 of the XWA demo has no species.
constexpr std::int32_t kSlotWithoutSpecies = 5;

std::uint16_t speciesEntry(const WriteGame& game, const std::string& exe, std::int32_t species)
{
    return static_cast<std::uint16_t>(numberAt(exe, game.key("SPECNOOFFSET") + 2 * (species - 1), 2));
}

std::string pilotFile(std::uint8_t known, std::int64_t species)
{
    std::string bytes(70000, '\0');
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<char>((i * 7 + 3) & 0xFF);
    bytes[static_cast<std::size_t>(68762 + species)] = static_cast<char>(known);
    return bytes;
}

// A craft without a species line shows "n/a" as its ship list values: they are entered before the
// write, which refuses to store the placeholder.
void enterShipListValues(WriteGame& game, const std::string& name = "Newcomer")
{
    ASSERT_TRUE(game.form().userEdit(controls::Shiplistnamebox, name));
    ASSERT_TRUE(game.form().userEdit(controls::Playmodebox, "Flyable"));
    ASSERT_TRUE(game.form().userEdit(controls::InSkirmishBox, "Skirmish"));
}

void expectNothingWritten(const WriteGame& game, const std::map<std::string, std::string>& before)
{
    EXPECT_EQ(changedFiles(before, snapshot(game.game.gameDir)), std::set<std::string>{});
}

} // namespace

TEST(WriteSpeciesQuestion, AskedWithNoAsDefaultAndYesTakesTheNumberAfterTheLastLine)
{
    WriteGame game{GameBuilder(Family::Xwa)};
    game.startAt(kSlotWithoutSpecies);
    ASSERT_EQ(game.control(controls::SpecNo).text(), "n/a");
    enterShipListValues(game);
    ASSERT_TRUE(game.form().userEdit(controls::IconBox, "1  ,2  "));
    const std::vector<std::string> listBefore = crlfLines(game.file("shiplist.txt"));
    game.write({"yes"});

    ASSERT_EQ(game.prompter.records().size(), 1u);
    const Message& asked = game.prompter.records().front().message;
    EXPECT_EQ(asked.caption, "Confirm PLORIK Ship file location:");
    EXPECT_EQ(asked.text, kSpeciesQuestion);
    EXPECT_EQ(asked.icon, MessageIcon::Question);
    EXPECT_EQ(asked.buttons, MessageButtons::YesNoCancel);
    EXPECT_EQ(asked.defaultButton, Answer::No);

    // The demo list ends with species 220.
    EXPECT_EQ(game.control(controls::SpecNo).text(), "221");
    EXPECT_EQ(speciesEntry(game, game.exe(), 221), kSlotWithoutSpecies);
    const std::vector<std::string> list = crlfLines(game.file("shiplist.txt"));
    ASSERT_EQ(list.size(), listBefore.size()) << "the new line takes the empty line's place";
    const auto empty = std::find(listBefore.begin(), listBefore.end(), "");
    ASSERT_NE(empty, listBefore.end());
    EXPECT_EQ(list[static_cast<std::size_t>(empty - listBefore.begin())],
              "!SPECIES_221!Newcomer,Utility Craft,Flyable,Unknown,Skirmish,\t\t\t\t\t\t1  ,2  ");
}

TEST(WriteSpeciesQuestion, YesCountsFromTheLastSpeciesLineNotTheHighest)
{
    WriteGame game{GameBuilder(Family::Xwa)};
    writeFile(game.path("shiplist.txt"), crlfText({"; list", "!SPECIES_100!Big,Starship,Flyable,Known,Skirmish,\t1",
                                                   "!CRAFT_7!Small,Fighter,Flyable,Known,Skirmish,\t2", "; end"}));
    game.startAt(kSlotWithoutSpecies);
    enterShipListValues(game);
    game.write({"yes"});
    EXPECT_EQ(game.control(controls::SpecNo).text(), "8");
    EXPECT_EQ(speciesEntry(game, game.exe(), 8), kSlotWithoutSpecies);
    const std::vector<std::string> list = crlfLines(game.file("shiplist.txt"));
    ASSERT_EQ(list.size(), 5u) << "no empty line and no line of 8: the new line goes last";
    EXPECT_EQ(list[3], "; end");
    EXPECT_EQ(list[4].rfind("!SPECIES_8!", 0), 0u);
}

TEST(WriteSpeciesQuestion, YesAfterSpecies255StopsBeforeAnythingIsWritten)
{
    WriteGame game{GameBuilder(Family::Xwa)};
    writeFile(game.path("shiplist.txt"), crlfText({"!SPECIES_1!A,Fighter,Flyable,Known,Skirmish,\t1",
                                                   "!SPECIES_255!B,Fighter,Flyable,Known,Skirmish,\t2", "after"}));
    game.startAt(kSlotWithoutSpecies);
    enterShipListValues(game);
    ASSERT_TRUE(game.form().userEdit(controls::ScoreBox, "1"));
    const auto before = snapshot(game.game.gameDir);
    game.write({"yes"});
    ASSERT_EQ(game.prompter.records().size(), 2u);
    const Message& warning = game.prompter.records()[1].message;
    EXPECT_EQ(warning.caption, "PLORIK Warning:");
    EXPECT_EQ(warning.text, "Out of species numbers, Pick one manually. aborting write procedure...");
    EXPECT_EQ(warning.icon, MessageIcon::Warning);
    EXPECT_EQ(warning.buttons, MessageButtons::Ok);
    EXPECT_EQ(game.control(controls::SpecNo).text(), "n/a");
    expectNothingWritten(game, before);
}

TEST(WriteSpeciesQuestion, NoTakesTheLastSpareLine)
{
    GameBuilder builder(Family::Xwa);
    WriteGame game{builder};
    game.startAt(kSlotWithoutSpecies);
    const std::vector<std::string> listBefore = crlfLines(game.file("shiplist.txt"));
    const auto spare = std::find(listBefore.begin(), listBefore.end(), builder.shipListLine(5).substr(0, 255));
    ASSERT_NE(spare, listBefore.end());
    ASSERT_EQ(speciesEntry(game, game.exe(), 5), 0);
    enterShipListValues(game, "Reused");
    game.write({"no"});
    EXPECT_EQ(game.prompter.records().size(), 1u);
    EXPECT_EQ(game.control(controls::SpecNo).text(), "5");
    EXPECT_EQ(speciesEntry(game, game.exe(), 5), kSlotWithoutSpecies);
    const std::vector<std::string> list = crlfLines(game.file("shiplist.txt"));
    ASSERT_EQ(list.size(), listBefore.size());
    EXPECT_EQ(list[static_cast<std::size_t>(spare - listBefore.begin())].rfind("!SPECIES_5!Reused,", 0), 0u);
}

TEST(WriteSpeciesQuestion, NoWithoutASpareLineStopsBeforeAnythingIsWritten)
{
    WriteGame game{GameBuilder(Family::Xwa)};
    // Only the exact spelling marks a spare line.
    writeFile(game.path("shiplist.txt"), crlfText({"!SPECIES_1!*DONTUSEME,Fighter,Flyable,Known,Skirmish,\t1",
                                                   "!SPECIES_2!*dontuseme,Fighter,Flyable,Known,Skirmish,\t2"}));
    game.startAt(kSlotWithoutSpecies);
    enterShipListValues(game);
    const auto before = snapshot(game.game.gameDir);
    game.write({"no"});
    ASSERT_EQ(game.prompter.records().size(), 2u);
    const Message& warning = game.prompter.records()[1].message;
    EXPECT_EQ(warning.caption, "PLORIK Warning:");
    EXPECT_EQ(warning.text, "Out of *DONTUSEME slots, aborting write procedure...");
    EXPECT_EQ(warning.icon, MessageIcon::Warning);
    EXPECT_EQ(game.control(controls::SpecNo).text(), "n/a");
    expectNothingWritten(game, before);
}

TEST(WriteSpeciesQuestion, CancelStopsSilently)
{
    WriteGame game{GameBuilder(Family::Xwa)};
    game.startAt(kSlotWithoutSpecies);
    enterShipListValues(game);
    const auto before = snapshot(game.game.gameDir);
    game.write({"cancel"});
    EXPECT_EQ(game.prompter.records().size(), 1u);
    expectNothingWritten(game, before);
}

TEST(WriteSpeciesQuestion, AskedWhileTheShipListBoxIsOnEvenUnchecked)
{
    WriteGame game{GameBuilder(Family::Xwa)};
    game.startAt(kSlotWithoutSpecies);
    ASSERT_TRUE(game.form().userCheck(controls::Shiplistwrite, false));
    const std::string list = game.file("shiplist.txt");
    game.write({"yes"});
    EXPECT_EQ(game.prompter.records().size(), 1u);
    EXPECT_EQ(speciesEntry(game, game.exe(), 221), kSlotWithoutSpecies);
    EXPECT_EQ(game.file("shiplist.txt"), list) << "the ship list is written only when checked";

    // A species typed by the user: no question.
    WriteGame typed{GameBuilder(Family::Xwa)};
    typed.startAt(kSlotWithoutSpecies);
    ASSERT_TRUE(typed.form().userEdit(controls::SpecNo, "13"));
    enterShipListValues(typed);
    typed.write();
    EXPECT_EQ(typed.messages(), std::vector<std::string>{});
    EXPECT_EQ(speciesEntry(typed, typed.exe(), 13), kSlotWithoutSpecies);
}

TEST(WritePilotFiles, AnUnknownCraftIsAskedAboutAndMarkedOnYes)
{
    for (const std::string answer : {"yes", "no"}) {
        WriteGame game{GameBuilder(Family::Xwa)};
        writeFile(game.path("ace.plt"), pilotFile(0, 12));
        writeFile(game.path("Veteran.PLT"), pilotFile(1, 12));
        writeFile(game.path("rookie.plt.bak"), pilotFile(0, 12));
        game.startAt(12);
        ASSERT_TRUE(game.control(controls::Known).checked());
        const auto before = snapshot(game.game.gameDir);
        game.write({answer});
        ASSERT_EQ(game.prompter.records().size(), 1u) << "the known pilot is not mentioned";
        const Message& asked = game.prompter.records().front().message;
        EXPECT_EQ(asked.caption, "PLORIK query:");
        EXPECT_EQ(asked.text,
                  "The Pilot file: ace.plt has this craft listed as being unknown would you like to change this?");
        EXPECT_EQ(asked.icon, MessageIcon::Question);
        EXPECT_EQ(asked.buttons, MessageButtons::YesNo);
        const auto after = snapshot(game.game.gameDir);
        EXPECT_EQ(after.at("Veteran.PLT"), before.at("Veteran.PLT"));
        EXPECT_EQ(after.at("rookie.plt.bak"), before.at("rookie.plt.bak"));
        EXPECT_EQ(differences(before.at("ace.plt"), after.at("ace.plt")),
                  answer == "yes" ? std::vector<std::size_t>{68774} : std::vector<std::size_t>{});
        EXPECT_EQ(after.at("ace.plt")[68774], answer == "yes" ? 1 : 0);
    }
}

TEST(WritePilotFiles, UntouchedWhenTheCraftIsNotKnown)
{
    WriteGame game{GameBuilder(Family::Xwa)};
    writeFile(game.path("ace.plt"), pilotFile(0, 12));
    game.startAt(12);
    ASSERT_TRUE(game.form().userCheck(controls::Known, false));
    game.write();
    EXPECT_EQ(game.messages(), std::vector<std::string>{});
    EXPECT_EQ(game.file("ace.plt"), pilotFile(0, 12));
}

TEST(WritePilotFiles, TheNewSpeciesNumberIsTheOneMarked)
{
    WriteGame game{GameBuilder(Family::Xwa)};
    writeFile(game.path("ACE.PLT"), pilotFile(0, 221));
    game.startAt(kSlotWithoutSpecies);
    enterShipListValues(game);
    ASSERT_TRUE(game.form().userCheck(controls::Known, true));
    game.write({"yes", "yes"});
    ASSERT_EQ(game.prompter.records().size(), 2u);
    EXPECT_EQ(game.prompter.records()[1].message.caption, "PLORIK query:");
    EXPECT_EQ(game.prompter.records()[1].message.text,
              "The Pilot file: ACE.PLT has this craft listed as being unknown would you like to change this?");
    EXPECT_EQ(differences(pilotFile(0, 221), game.file("ACE.PLT")), std::vector<std::size_t>{68762 + 221});
}
