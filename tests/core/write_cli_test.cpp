// plorik-cli write, run as a modder runs it: exactly the expected bytes and lines change in the game
// folder, and nothing else.
#include "CliRunner.h"

#include "WriteFixture.h"
#include "controls/MainWindowControls.h"

using namespace plorik;
using namespace plorik::testing;

namespace {

CliOutput runCli(const BuiltGame& game, std::vector<std::string> arguments)
{
    arguments.insert(arguments.begin(), {"--program-dir", game.programDir.string()});
    return plorik::testing::runCli(arguments);
}

// The game folder and the program folder before the command.
struct Folders {
    std::map<std::string, std::string> game;
    std::map<std::string, std::string> program;
    explicit Folders(const BuiltGame& built) : game(snapshot(built.gameDir)), program(snapshot(built.programDir)) {}
};

} // namespace

TEST(WriteCli, ChangesExactlyTheSlotsBytesAndLines)
{
    GameBuilder builder(Family::Xvt);
    TempDir dir;
    const BuiltGame game = builder.build(dir.path());
    const Folders before(game);
    const CliOutput result =
        runCli(game, {"write", "3", "--set", "ShieldPowerBox=120", "--set", "SpeedBox=100", "--set", "AccBox=100",
                      "--set", "Deaccbox=100", "--set", "wpn[1,1]=77", "--set", "CraftNameBox=Cli Craft", "--set",
                      "FemaleRadioB=true", "--set", "ComboBox10=@5"});
    EXPECT_EQ(result.exit, 0) << result.err;
    EXPECT_EQ(result.err, "");
    const Folders after(game);
    EXPECT_EQ(changedFiles(before.program, after.program),
              std::set<std::string>{"PLORIKhistory/PLORIK Demo XvT/00000001.rec"});
    EXPECT_EQ(changedFiles(before.game, after.game),
              (std::set<std::string>{game.exeName, "fronttxt.txt", "strings.txt"}));

    // The executable: the fields set and the ship type chosen (the Unknown page shows the ship type
    // byte too, but its unchanged value is not written back over the choice).
    std::string exe = before.game.at(game.exeName);
    const std::int64_t entry = 0x1000 + 2 * 240;
    patch(exe, 0x6003 + 2 * 28, {5});
    patch(exe, entry + 18, {0x77, 0x01});       // a station now: 120 x 50 / 16 = 375
    patch(exe, entry + 20, {0x96, 0x00});       // its hull, shown 23, x 105 / 16 = 150
    patch(exe, entry + 26, {225, 0, 225, 225}); // speed, accel, decel
    patch(exe, entry + 80 + 48, {77, 0});
    EXPECT_EQ(differences(after.game.at(game.exeName), exe), std::vector<std::size_t>{});

    std::vector<std::string> front = crlfLines(before.game.at("fronttxt.txt"));
    front.at(21 + 2 - 1) = "Cli Craft";
    EXPECT_EQ(after.game.at("fronttxt.txt"), crlfText(front));
    std::vector<std::string> strings = crlfLines(before.game.at("strings.txt"));
    strings.at(10 + 3 - 1) = "f:Cli Craft";
    EXPECT_EQ(after.game.at("strings.txt"), crlfText(strings));
    // The short name and slot 3's tagged description record, not edited, stay as they were.
}

TEST(WriteCli, ARefusedValueExitsWithOneAndChangesNothing)
{
    TempDir dir;
    const BuiltGame game = GameBuilder(Family::Xwa).build(dir.path());
    const Folders before(game);
    const CliOutput result = runCli(game, {"--json", "write", "2", "--set", "SpeedBox=40000"});
    EXPECT_EQ(result.exit, 1);
    EXPECT_EQ(result.err.rfind("PLORIK error: Speed:", 0), 0u) << result.err;
    EXPECT_NE(result.out.find(R"("icon":"error")"), std::string::npos);
    EXPECT_EQ(changedFiles(before.game, snapshot(game.gameDir)), std::set<std::string>{});
}

TEST(WriteCli, TheSpeciesQuestionTakesTheGivenAnswerOrStopsUnanswered)
{
    TempDir dir;
    const BuiltGame game = GameBuilder(Family::Xwa).build(dir.path());
    const Folders before(game);
    // Slot 5 has no species line: its ship list values are entered with the write.
    const std::vector<std::string> fields = {"--set", "Shiplistnamebox=Newcomer", "--set", "Playmodebox=Flyable",
                                             "--set", "InSkirmishBox=Skirmish"};
    const auto write5 = [&](std::vector<std::string> options) {
        options.insert(options.end(), {"write", "5"});
        options.insert(options.end(), fields.begin(), fields.end());
        return runCli(game, options);
    };
    const CliOutput unanswered = write5({});
    EXPECT_EQ(unanswered.exit, 3) << unanswered.err;
    EXPECT_EQ(changedFiles(before.game, snapshot(game.gameDir)), std::set<std::string>{});

    const CliOutput cancelled = write5({"--answer", "cancel"});
    EXPECT_EQ(cancelled.exit, 0) << cancelled.err;
    EXPECT_EQ(changedFiles(before.game, snapshot(game.gameDir)), std::set<std::string>{});

    const CliOutput yes = write5({"--answer", "yes", "--json"});
    EXPECT_EQ(yes.exit, 0) << yes.err;
    EXPECT_NE(yes.out.find(R"("SpecNo":{"text":"221")"), std::string::npos) << yes.out.substr(0, 400);
    const std::string exe = readFile(game.executable());
    EXPECT_EQ(numberAt(exe, 0x1C000 + 2 * 220, 2), 5u);
    const std::set<std::string> changed = changedFiles(before.game, snapshot(game.gameDir));
    EXPECT_EQ(changed, (std::set<std::string>{game.exeName, "shiplist.txt", "specdesc.txt"}));
}

TEST(WriteCli, ASlotOutOfRangeStopsTheWriteBeforeItIsPressed)
{
    TempDir dir;
    const BuiltGame game = GameBuilder(Family::Xvt).build(dir.path());
    const Folders before(game);
    for (const std::string slot : {"0", "-1", "81", "abc"}) {
        SCOPED_TRACE(slot);
        const CliOutput result = runCli(game, {"--json", "write", slot, "--set", "SpeedBox=5"});
        EXPECT_EQ(result.exit, 1);
        EXPECT_NE(result.err.find("PLORIK error: The selected slot is out of range!"), std::string::npos) << result.err;
        EXPECT_EQ(result.out.back(), '\n');
        EXPECT_EQ(changedFiles(before.game, snapshot(game.gameDir)), std::set<std::string>{});
    }
}

// A folder or a FIFO where a file should be: an error box naming it, the result object all the same,
// and no hang (a FIFO without a writer would block an ordinary open for ever).
TEST(WriteCli, AFolderOrFifoInAFilesPlaceIsAnErrorNamingIt)
{
    struct Case {
        const char* file; // in the program folder ("program/") or the game folder
        bool fifo;
    };
    for (const Case& each :
         {Case{"program/data.txt", false}, Case{"program/data.txt", true}, Case{"program/plorik.ini", false},
          Case{"program/plorik.ini", true}, Case{"game/strings.txt", false}, Case{"game/strings.txt", true},
          Case{"game/Z_XVT__.EXE", true}}) {
        if (each.fifo && !systemHasFifos())
            continue;
        SCOPED_TRACE(std::string(each.file) + (each.fifo ? " FIFO" : " folder"));
        TempDir dir;
        const BuiltGame game = GameBuilder(Family::Xvt).build(dir.path());
        const std::filesystem::path file = dir.path() / each.file;
        std::filesystem::remove(file);
        if (each.fifo)
            ASSERT_TRUE(makeFifo(file));
        else
            std::filesystem::create_directory(file);
        const CliOutput result = runCli(game, {"--json", "write", "3", "--set", "SpeedBox=5"});
        EXPECT_EQ(result.exit, 1);
        EXPECT_NE(result.err.find(file.filename().string()), std::string::npos) << result.err;
        EXPECT_EQ(result.out.rfind(R"({"command":"write",)", 0), 0u) << result.out;
        EXPECT_NE(result.out.find(R"("exit":1})"), std::string::npos);
    }
}
