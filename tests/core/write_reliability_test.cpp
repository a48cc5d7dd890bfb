// Writers under injected faults, a second PLORIK and links out of the game folder: a file rewritten
// through a scratch file is the old or the new one, no scratch file stays, the user is told, and
// nothing is written through a link or while another PLORIK writes.
#include "DemoOptFiles.h"
#include "WriteFixture.h"

#include "io/FileFaults.h"
#include "io/FolderLock.h"

using namespace plorik;
using namespace plorik::testing;

namespace {

struct Writer {
    const char* name;
    Family family;
    std::int32_t slot;
    std::vector<std::pair<ControlKey, std::string>> edits;
    ControlKey press;
    std::vector<std::string> answers;
    // Clicks in lists before the edits; grid cells (row, column, text) after them.
    std::vector<std::pair<ControlKey, int>> picks = {};
    std::vector<std::tuple<std::size_t, std::size_t, std::string>> cells = {};
    bool patchesModel = false; // the slot's model file is patched in place, else the executable
};

const Writer kWriters[] = {
    {"Write XvT",
     Family::Xvt,
     2,
     {{ui::CraftNameBox, "Faulty"}, {ui::DBOPTFile, "FAULT.opt"}, {ui::SystemHitsBox, "9"}},
     ui::Button3,
     {}},
    {"Write XWA",
     Family::Xwa,
     12,
     {{ui::CraftNameBox, "Faulty"}, {ui::CrewBox, "Nine"}, {ui::SystemHitsBox, "9"}},
     ui::Button3,
     {}},
    {"Write Mesh Type",
     Family::Xvt,
     1,
     {},
     ui::WriteMeshTypeButton,
     {},
     {{ui::MeshList, 1}, {ui::MeshTypeBox, 17}},
     {{1, 2, "-3.5"}, {4, 3, "1e4"}},
     true},
    {"Write Hardpoint",
     Family::Xwa,
     2,
     {{ui::HardpointX, "-7.25"}, {ui::HardpointZ, "0.5"}},
     ui::WriteHardpointButton,
     {},
     {{ui::MeshList, 0}, {ui::HardpointList, 2}, {ui::HardpointTypeBox, 9}},
     {},
     true},
};

// The file the writer patches in place, named as snapshot() names it.
std::string patchedInPlace(const WriteGame& game, const Writer& writer)
{
    if (!writer.patchesModel)
        return game.game.exeName;
    const auto model = modelPath(game.builder, game.game.gameDir, writer.slot);
    return std::filesystem::relative(*model, game.game.gameDir).generic_string();
}

void prepare(WriteGame& game, const Writer& writer)
{
    game.startAt(writer.slot);
    for (const auto& [key, index] : writer.picks)
        ASSERT_TRUE(game.form().userPick(key, index));
    for (const auto& [key, text] : writer.edits)
        ASSERT_TRUE(game.form().userEdit(key, text));
    for (const auto& [row, column, text] : writer.cells)
        ASSERT_TRUE(game.form().userEditCell(ui::HitzoneGrid, row, column, text));
}

void press(WriteGame& game, const Writer& writer)
{
    for (const std::string& answer : writer.answers)
        game.prompter.addAnswer(answer);
    game.form().userPress(writer.press);
}

} // namespace

TEST(WriteUnderFaults, EveryRewrittenFileIsOldOrNewAndTheUserIsTold)
{
    using Step = FileFaults::Step;
    for (const Writer& writer : kWriters) {
        // What a write that does not fail leaves.
        WriteGame clean{GameBuilder(writer.family)};
        prepare(clean, writer);
        const auto before = snapshot(clean.game.gameDir);
        press(clean, writer);
        const auto after = snapshot(clean.game.gameDir);
        ASSERT_EQ(clean.messages(), std::vector<std::string>{});
        const std::string inPlace = patchedInPlace(clean, writer);
        ASSERT_NE(before.at(inPlace), after.at(inPlace)) << "the write changes what it patches";

        for (const Step step : {Step::Open, Step::Create, Step::Read, Step::Write, Step::Close, Step::Rename}) {
            for (int nth = 1;; ++nth) {
                SCOPED_TRACE(std::string(writer.name) + ", step " + std::to_string(static_cast<int>(step)) + ", call " +
                             std::to_string(nth));
                WriteGame game{GameBuilder(writer.family)};
                prepare(game, writer);
                FileFaults::arm(step, nth, 3);
                press(game, writer);
                const bool fired = !FileFaults::pending();
                FileFaults::disarm();
                if (!fired)
                    break; // the write makes fewer calls of this step
                ASSERT_FALSE(game.prompter.records().empty());
                EXPECT_EQ(game.prompter.records().back().message.icon, MessageIcon::Error);
                const std::string& told = game.prompter.records().back().message.text;
                for (const auto& [name, content] : snapshot(game.game.gameDir)) {
                    if (name == inPlace) {
                        // Patched in place: a region left neither old nor new is named in the message.
                        if (content != before.at(name) && content != after.at(name)) {
                            EXPECT_NE(told.find("may be written in part."), std::string::npos) << told;
                        }
                        continue;
                    }
                    EXPECT_TRUE((before.contains(name) && content == before.at(name)) ||
                                (after.contains(name) && content == after.at(name)))
                        << name;
                }
                EXPECT_FALSE(std::filesystem::exists(game.path("temp.tmp")));
            }
        }
    }
}

TEST(WriteUnderFaults, AShortWriteNamesTheRegionWrittenInPart)
{
    WriteGame game{GameBuilder(Family::Xvt)};
    prepare(game, kWriters[0]);
    FileFaults::arm(FileFaults::Step::Write, 1, 3);
    game.write();
    FileFaults::disarm();
    ASSERT_EQ(game.prompter.records().size(), 1u);
    const std::string& text = game.prompter.records().front().message.text;
    EXPECT_NE(text.find("while writing the craft entry of slot 2"), std::string::npos) << text;
    EXPECT_NE(text.find("the craft entry of slot 2 may be written in part."), std::string::npos) << text;
    EXPECT_EQ(text.find("Nothing was written."), std::string::npos) << text;
}

TEST(WriteSafety, AnotherPlorikWritingTheGameFolderRefusesEveryWriteCommand)
{
    WriteGame game{GameBuilder(Family::Xvt)};
    game.startAt(3);
    ASSERT_TRUE(game.form().userEdit(ui::SystemHitsBox, "9"));
    ASSERT_TRUE(game.form().userPress(ui::Copyship1));
    ASSERT_TRUE(game.form().userPick(ui::MeshList, 0));
    ASSERT_TRUE(game.form().userPick(ui::HardpointList, 0));
    const auto before = snapshot(game.game.gameDir);
    {
        const auto held = FolderLock::tryLock(game.game.gameDir);
        ASSERT_TRUE(held.has_value());
        game.write();
        game.prompter.addAnswer("yes");
        game.form().userPress(ui::Pasteship1);
        game.form().userPress(ui::WriteMeshTypeButton);
        game.form().userPress(ui::WriteHardpointButton);
    }
    const std::string refused = "PLORIK error:|The game folder is in use by another PLORIK.\r\rNothing was written.";
    ASSERT_EQ(game.messages().size(), 5u);
    EXPECT_EQ(game.messages()[0], refused);
    EXPECT_EQ(game.messages()[1].rfind("Confirm paste action:|", 0), 0u);
    EXPECT_EQ(game.messages()[2], refused);
    EXPECT_EQ(game.messages()[3], refused);
    EXPECT_EQ(game.messages()[4], refused);
    EXPECT_EQ(changedFiles(before, snapshot(game.game.gameDir)), std::set<std::string>{});
    game.prompter.clearRecords();
    game.write();
    EXPECT_EQ(game.messages(), std::vector<std::string>{}) << "free again once the other is done";
}

TEST(WriteSafety, NothingIsWrittenThroughALinkOutOfTheGameFolder)
{
    WriteGame game{GameBuilder(Family::Xvt)};
    TempDir elsewhere;
    const std::filesystem::path outside = elsewhere.path() / "Z_XVT__.EXE";
    std::filesystem::rename(game.game.executable(), outside);
    std::filesystem::create_symlink(outside, game.game.executable());
    const std::string exe = readFile(outside);
    game.startAt(3);
    ASSERT_TRUE(game.form().userEdit(ui::SystemHitsBox, "9"));
    const auto before = snapshot(game.game.gameDir);
    game.write();
    ASSERT_EQ(game.prompter.records().size(), 1u);
    EXPECT_NE(game.messages().front().find("outside the game folder"), std::string::npos) << game.messages().front();
    EXPECT_EQ(readFile(outside), exe);
    EXPECT_EQ(changedFiles(before, snapshot(game.game.gameDir)), std::set<std::string>{});
}
