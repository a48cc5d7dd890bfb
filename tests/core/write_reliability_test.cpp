// Writers under injected faults, a second PLORIK and links out of the game folder: a file rewritten
// through a scratch file is the old or the new one, no scratch file stays, the user is told, and
// nothing is written through a link or while another PLORIK writes.
#include "WriteFixture.h"

#include "io/FileFaults.h"
#include "io/FolderLock.h"
#include "windows/CockpitEditorControls.h"
#include "windows/WeaponEditorControls.h"

using namespace plorik;
using namespace plorik::testing;

namespace {

enum class Window { Main, Cockpit, Weapons };

struct Writer {
    const char* name;
    Family family;
    std::int32_t slot;
    std::vector<std::pair<ControlKey, std::string>> edits;
    ControlKey press;
    std::vector<std::string> answers;
    Window window = Window::Main;
    // The file patched in place, whose regions a failure names ("" for the executable).
    std::string patched = "";
    // Clicks in lists before the edits; grid cells (row, column, text) after them.
    std::vector<std::pair<ControlKey, int>> picks = {};
    std::vector<std::tuple<std::size_t, std::size_t, std::string>> cells = {};
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
    {"Save CP",
     Family::Xvt,
     1,
     {{ui::cockpit::HudBox, "FAULTY"}, {ui::cockpit::PanelBox, "PANEL"}},
     ui::cockpit::SaveCPButton,
     {},
     Window::Cockpit,
     "CP640/CPIT1.int"},
    {"Write Wpn. XvT",
     Family::Xvt,
     1,
     {{ui::weapons::PowerBox, "4321"}},
     ui::weapons::WriteWpnButton,
     {},
     Window::Weapons},
    {"Write Wpn. XWA",
     Family::Xwa,
     1,
     {{ui::weapons::PowerBox, "4321"}, {ui::weapons::WpnIndexBox, "2"}, {ui::weapons::WpnOptBox, "FAULT.opt"}},
     ui::weapons::WriteWpnButton,
     {},
     Window::Weapons},
    {"Write Mesh Type",
     Family::Xvt,
     1,
     {},
     ui::WriteMeshTypeButton,
     {},
     Window::Main,
     "xvtparts0.opt",
     {{ui::MeshList, 1}, {ui::MeshTypeBox, 17}},
     {{1, 2, "-3.5"}, {4, 3, "1e4"}}},
    {"Write Hardpoint",
     Family::Xwa,
     2,
     {{ui::HardpointX, "-7.25"}, {ui::HardpointZ, "0.5"}},
     ui::WriteHardpointButton,
     {},
     Window::Main,
     "FlightModels/gear1.opt",
     {{ui::MeshList, 0}, {ui::HardpointList, 2}, {ui::HardpointTypeBox, 9}}},
};

Form& windowOf(WriteGame& game, const Writer& writer)
{
    switch (writer.window) {
    case Window::Cockpit: return game.session->cockpitForm();
    case Window::Weapons: return game.session->weaponForm();
    case Window::Main: break;
    }
    return game.form();
}

void prepare(WriteGame& game, const Writer& writer)
{
    game.startAt(writer.slot);
    for (const auto& [key, index] : writer.picks)
        ASSERT_TRUE(game.form().userPick(key, index));
    for (const auto& [key, text] : writer.edits)
        ASSERT_TRUE(windowOf(game, writer).userEdit(key, text));
    for (const auto& [row, column, text] : writer.cells)
        ASSERT_TRUE(game.form().userEditCell(ui::HitzoneGrid, row, column, text));
}

void press(WriteGame& game, const Writer& writer)
{
    for (const std::string& answer : writer.answers)
        game.prompter.addAnswer(answer);
    windowOf(game, writer).userPress(writer.press);
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
        ASSERT_NE(changedFiles(before, after), std::set<std::string>{}) << writer.name << " writes nothing";

        for (const Step step :
             {Step::Open, Step::Create, Step::Read, Step::Write, Step::Flush, Step::Close, Step::Rename}) {
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
                const Message& shown = game.prompter.records().back().message;
                EXPECT_EQ(shown.icon, MessageIcon::Error);
                const std::string patched = writer.patched.empty() ? game.game.exeName : writer.patched;
                for (const auto& [name, content] : snapshot(game.game.gameDir)) {
                    const bool oldOrNew = (before.contains(name) && content == before.at(name)) ||
                                          (after.contains(name) && content == after.at(name));
                    if (name == patched) // patched in place: the message names what was written
                        EXPECT_TRUE(oldOrNew || shown.text.find("may be written in part") != std::string::npos ||
                                    shown.text.find("Written before the failure") != std::string::npos)
                            << shown.text;
                    else
                        EXPECT_TRUE(oldOrNew) << name;
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
        ASSERT_TRUE(game.session->cockpitForm().userEdit(ui::cockpit::HudBox, "LOCKED"));
        game.session->cockpitForm().userPress(ui::cockpit::SaveCPButton);
        ASSERT_TRUE(game.session->weaponForm().userEdit(ui::weapons::PowerBox, "4321"));
        game.session->weaponForm().userPress(ui::weapons::WriteWpnButton);
    }
    const std::string refused = "PLORIK error:|The game folder is in use by another PLORIK.\r\rNothing was written.";
    ASSERT_EQ(game.messages().size(), 7u);
    EXPECT_EQ(game.messages()[0], refused);
    EXPECT_EQ(game.messages()[1].rfind("Confirm paste action:|", 0), 0u);
    for (std::size_t i = 2; i < 7; ++i)
        EXPECT_EQ(game.messages()[i], refused) << i;
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
