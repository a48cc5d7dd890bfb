// Writers under injected faults, a second PLORIK and links out of the game folder: a file rewritten
// through a scratch file is the old or the new one, no scratch file stays, the user is told, and
// nothing is written through a link or while another PLORIK writes.
#include "DemoEditions.h"
#include "ImageFixture.h"
#include "TestSystem.h"

#include "Sampling.h"
#include "controls/CockpitEditorControls.h"
#include "controls/WeaponEditorControls.h"
#include "history/HistoryRecord.h"
#include "io/FolderLock.h"

#include <cctype>
#include <functional>
#include <iterator>

using namespace plorik;
using namespace plorik::testing;

namespace {

enum class Window { Main, Cockpit, Weapons };

struct Writer {
    const char* name;
    std::function<GameBuilder()> builder;
    std::int32_t slot;
    // What the game holds before the command: a backup image, slots written since, an older image.
    std::function<void(WriteGame&)> setup;
    std::vector<std::pair<ControlKey, std::string>> edits;
    ControlKey press;
    // The answers, given the game's folder (ZT files are saved beside the program and the game).
    std::function<std::vector<std::string>(const std::filesystem::path&)> answers;
    Window window = Window::Main;
    // The game file patched in place, whose regions a failure names ("" for the executable).
    std::string patched = "";
    // Clicks in lists before the edits; grid cells (row, column, text) after them.
    std::vector<std::pair<ControlKey, int>> picks = {};
    std::vector<std::tuple<std::size_t, std::size_t, std::string>> cells = {};
};

std::function<GameBuilder()> demo(Family family)
{
    return [family] { return GameBuilder(family); };
}

std::vector<std::string> noAnswers(const std::filesystem::path&)
{
    return {};
}

std::vector<std::string> saveAsPatch(const std::filesystem::path& root)
{
    return {"file:" + (root / "patch.zt").string()};
}

std::vector<std::string> saveAsShip(const std::filesystem::path& root)
{
    return {"file:" + (root / "craft.shp").string()};
}

// A backup image, then slots 2 and 9 written anew: the restores have text files and blocks to undo.
void imageThenEdits(WriteGame& game, std::int32_t slot)
{
    backUpAndRestart(game, 2);
    for (const std::int32_t edited : {2, 9}) {
        game.form().userEdit(controls::CraftNoBox, std::to_string(edited));
        ASSERT_TRUE(game.form().userEdit(controls::CraftNameBox, "Undone " + std::to_string(edited)));
        ASSERT_TRUE(game.form().userEdit(controls::SystemHitsBox, "9"));
        game.write();
    }
    game.form().userEdit(controls::CraftNoBox, std::to_string(slot));
    ASSERT_EQ(game.messages(), std::vector<std::string>{});
}

// An image taken earlier, taken again now: every file of it is replaced.
void olderImage(WriteGame& game)
{
    std::filesystem::create_directories(imageFolder(game));
    for (const auto& [name, content] : expectedImage(game))
        writeFile(imageFolder(game) / name, "older " + name);
}

const Writer kWriters[] = {
    {"Write XvT",
     demo(Family::Xvt),
     2,
     nullptr,
     {{controls::CraftNameBox, "Faulty"}, {controls::DBOPTFile, "FAULT.opt"}, {controls::SystemHitsBox, "9"}},
     controls::WriteButton,
     noAnswers},
    {"Write XWA",
     demo(Family::Xwa),
     12,
     nullptr,
     {{controls::CraftNameBox, "Faulty"}, {controls::CrewBox, "Nine"}, {controls::SystemHitsBox, "9"}},
     controls::WriteButton,
     noAnswers},
    {"Create Backup Image XvT", demo(Family::Xvt), 1, olderImage, {}, controls::CreateBackupImageItem, noAnswers},
    {"Create Backup Image XvT new", demo(Family::Xvt), 1, nullptr, {}, controls::CreateBackupImageItem, noAnswers},
    {"Create Backup Image XWA",
     [] { return GameBuilder(Family::Xwa).withPilotFiles(); },
     1,
     olderImage,
     {},
     controls::CreateBackupImageItem,
     noAnswers},
    {"Recreate from Image XvT",
     demo(Family::Xvt),
     9,
     [](WriteGame& game) { imageThenEdits(game, 9); },
     {},
     controls::RecreateFromImageItem,
     noAnswers},
    {"Recreate from Image XWA",
     demo(Family::Xwa),
     9,
     [](WriteGame& game) { imageThenEdits(game, 9); },
     {},
     controls::RecreateFromImageItem,
     noAnswers},
    {"Recreate Single Slot XWA",
     demo(Family::Xwa),
     2,
     [](WriteGame& game) { imageThenEdits(game, 2); },
     {},
     controls::RecreateSingleSlotItem,
     noAnswers},
    {"Save as Single ZT XvT",
     demo(Family::Xvt),
     5,
     nullptr,
     {{controls::PatchCommentMemo, "A comment."}},
     controls::SaveAsZtItem,
     saveAsPatch},
    {"Save Ship as XWA",
     demo(Family::Xwa),
     7,
     nullptr,
     {{controls::PatchCommentMemo, "A comment."}},
     controls::SaveShipAsItem,
     saveAsShip},
    // Over an older file, which is replaced only once the new one is on the disk.
    {"Save Ship as XWA over a file",
     demo(Family::Xwa),
     7,
     [](WriteGame& game) { writeFile(game.dir.path() / "craft.shp", "An older ship.\r\n"); },
     {{controls::PatchCommentMemo, "A comment."}},
     controls::SaveShipAsItem,
     [](const std::filesystem::path& root) {
         return std::vector<std::string>{"file:" + (root / "craft.shp").string(), "yes"};
     }},
    // Two packages, one per edition of X-Wing Alliance 2.02.
    {"Make ZT Package XWA 2.02",
     [] { return GameBuilder(Family::Xwa).withDataFile(xwa202DataFile(false)); },
     2,
     [](WriteGame& game) { imageThenEdits(game, 2); },
     {{controls::PatchCommentMemo, "A comment."}},
     controls::ZtPackageItem,
     saveAsPatch},
    {"Save CP",
     demo(Family::Xvt),
     1,
     nullptr,
     {{controls::cockpit::HudBox, "FAULTY"}, {controls::cockpit::PanelBox, "PANEL"}},
     controls::cockpit::SaveCPButton,
     noAnswers,
     Window::Cockpit,
     "CP640/CPIT1.int"},
    {"Write Wpn. XvT",
     demo(Family::Xvt),
     1,
     nullptr,
     {{controls::weapons::PowerBox, "4321"}},
     controls::weapons::WriteWpnButton,
     noAnswers,
     Window::Weapons},
    {"Write Wpn. XWA",
     demo(Family::Xwa),
     1,
     nullptr,
     {{controls::weapons::PowerBox, "4321"},
      {controls::weapons::WpnIndexBox, "2"},
      {controls::weapons::WpnOptBox, "FAULT.opt"}},
     controls::weapons::WriteWpnButton,
     noAnswers,
     Window::Weapons},
    {"Write Mesh Type",
     demo(Family::Xvt),
     1,
     nullptr,
     {},
     controls::WriteMeshTypeButton,
     noAnswers,
     Window::Main,
     "xvtparts0.opt",
     {{controls::MeshList, 1}, {controls::MeshTypeBox, 17}},
     {{1, 2, "-3.5"}, {4, 3, "1e4"}}},
    {"Write Hardpoint",
     demo(Family::Xwa),
     2,
     nullptr,
     {{controls::HardpointX, "-7.25"}, {controls::HardpointZ, "0.5"}},
     controls::WriteHardpointButton,
     noAnswers,
     Window::Main,
     "FlightModels/gear1.opt",
     {{controls::MeshList, 0}, {controls::HardpointList, 2}, {controls::HardpointTypeBox, 9}}},
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
    if (writer.setup)
        writer.setup(game);
    for (const auto& [key, index] : writer.picks)
        ASSERT_TRUE(game.form().userPick(key, index));
    for (const auto& [key, text] : writer.edits)
        ASSERT_TRUE(windowOf(game, writer).userEdit(key, text));
    for (const auto& [row, column, text] : writer.cells)
        ASSERT_TRUE(game.form().userEditCell(controls::HitzoneGrid, row, column, text));
    game.prompter.clearRecords();
}

void press(WriteGame& game, const Writer& writer)
{
    for (const std::string& answer : writer.answers(game.dir.path()))
        game.prompter.addAnswer(answer);
    windowOf(game, writer).userPress(writer.press);
}

bool isScratch(const std::string& name)
{
    return name.ends_with(".tmp");
}

} // namespace

// One writer of the table per test, so that each runs on its own.
class WriteUnderFaults : public ::testing::TestWithParam<std::size_t> {};

TEST_P(WriteUnderFaults, EveryRewrittenFileIsOldOrNewAndTheUserIsTold)
{
    using Step = FileFaults::Step;
    const Writer& writer = kWriters[GetParam()];
    // What the command leaves when nothing fails: everything beside the executable, in the program
    // folder (the image) and beside it (ZT files) too.
    WriteGame clean{writer.builder()};
    prepare(clean, writer);
    const auto before = snapshot(clean.dir.path());
    press(clean, writer);
    const auto after = snapshot(clean.dir.path());
    for (const auto& record : clean.prompter.records())
        ASSERT_NE(record.message.icon, MessageIcon::Error) << record.message.text;
    ASSERT_NE(changedFiles(before, after), std::set<std::string>{}) << writer.name << " writes nothing";
    const std::string patched = "game/" + (writer.patched.empty() ? clean.game.exeName : writer.patched);

    const std::pair<Step, const char*> steps[] = {
        {Step::Open, "open"},   {Step::Create, "create"}, {Step::Read, "read"},     {Step::Write, "write"},
        {Step::Flush, "flush"}, {Step::Close, "close"},   {Step::Rename, "rename"}, {Step::Remove, "remove"}};
    for (const auto& [step, stepName] : steps) {
        int failed = 0;
        for (int nth = 1;; nth += sampleStride()) {
            SCOPED_TRACE(std::string(writer.name) + ", step " + std::to_string(static_cast<int>(step)) + ", call " +
                         std::to_string(nth));
            WriteGame game{writer.builder()};
            prepare(game, writer);
            FileFaults::arm(step, nth, 3);
            press(game, writer);
            const bool fired = !FileFaults::pending();
            FileFaults::disarm();
            if (!fired)
                break; // the command makes fewer calls of this step
            ++failed;
            ASSERT_FALSE(game.prompter.records().empty());
            const Message& shown = game.prompter.records().back().message;
            EXPECT_EQ(shown.icon, MessageIcon::Error);
            bool complete = true; // every file as the command leaves it when nothing fails
            for (const auto& [name, content] : snapshot(game.dir.path())) {
                if (name != "program/plorik.ini" && !name.starts_with("program/PLORIKhistory/") &&
                    (!after.contains(name) || content != after.at(name)))
                    complete = false;
                if (isScratch(name)) {
                    // A scratch file whose removal failed stays, until the command's next run.
                    EXPECT_EQ(step, Step::Remove) << name;
                    continue;
                }
                if (name == "program/plorik.ini")
                    continue; // names this game's own folder
                if (name.starts_with("program/PLORIKhistory/")) {
                    // A record carries its own time: each is whole, never a part of one.
                    EXPECT_NO_THROW(decodeRecord(content, name)) << name;
                    continue;
                }
                const bool oldOrNew = (before.contains(name) && content == before.at(name)) ||
                                      (after.contains(name) && content == after.at(name));
                if (name == patched) // patched in place: the message names what was written
                    EXPECT_TRUE(oldOrNew || shown.text.find("may be written in part") != std::string::npos ||
                                shown.text.find("Written before the failure") != std::string::npos)
                        << shown.text;
                else
                    EXPECT_TRUE(oldOrNew) << name;
            }
            // A failure after the command's work (showing the slot again) does not undo it.
            if (!complete) {
                EXPECT_NE(game.form()[controls::StatusBar].text(), "Done.")
                    << "success shown after a failure: " << shown.text;
            }
            if (step == Step::Remove) {
                press(game, writer);
                for (const auto& [name, content] : snapshot(game.dir.path()))
                    EXPECT_FALSE(isScratch(name)) << name << " left after the command ran again";
            }
        }
        // How many calls of the step the command makes, each failed once above (the XML report
        // of the test run holds the whole matrix).
        RecordProperty(stepName, failed);
    }
}

INSTANTIATE_TEST_SUITE_P(Writers, WriteUnderFaults, ::testing::Range<std::size_t>(0, std::size(kWriters)),
                         [](const ::testing::TestParamInfo<std::size_t>& info) {
                             std::string name;
                             for (const char c : std::string(kWriters[info.param].name))
                                 if (std::isalnum(static_cast<unsigned char>(c)))
                                     name += c;
                             return name;
                         });

TEST(ShortWrite, NamesTheRegionWrittenInPart)
{
    WriteGame game{GameBuilder(Family::Xvt)};
    prepare(game, kWriters[0]);
    FileFaults::arm(FileFaults::Step::Write, 2, 3); // the first writes the history's record
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
    // The slot differs from the image, so a restore that went ahead would show.
    backUpAndRestart(game, 3);
    ASSERT_TRUE(game.form().userEdit(controls::SystemHitsBox, "9"));
    game.write();
    ASSERT_TRUE(game.form().userEdit(controls::SystemHitsBox, "8"));
    ASSERT_TRUE(game.form().userPress(controls::CopyShipItem));
    ASSERT_TRUE(game.form().userPick(controls::MeshList, 0));
    ASSERT_TRUE(game.form().userPick(controls::HardpointList, 0));
    game.prompter.clearRecords();
    const auto before = snapshot(game.game.gameDir);
    {
        const auto held = FolderLock::tryLock(game.game.gameDir);
        ASSERT_TRUE(held.has_value());
        game.write();
        game.prompter.addAnswer("yes");
        game.form().userPress(controls::PasteShipItem);
        game.form().userPress(controls::WriteMeshTypeButton);
        game.form().userPress(controls::WriteHardpointButton);
        ASSERT_TRUE(game.session->cockpitForm().userEdit(controls::cockpit::HudBox, "LOCKED"));
        game.session->cockpitForm().userPress(controls::cockpit::SaveCPButton);
        ASSERT_TRUE(game.session->weaponForm().userEdit(controls::weapons::PowerBox, "4321"));
        game.session->weaponForm().userPress(controls::weapons::WriteWpnButton);
        game.form().userPress(controls::RecreateFromImageItem);
        game.form().userPress(controls::RecreateSingleSlotItem);
    }
    const std::string refused = "PLORIK error:|The game folder is in use by another PLORIK.\r\rNothing was written.";
    ASSERT_EQ(game.messages().size(), 9u);
    EXPECT_EQ(game.messages()[0], refused);
    EXPECT_EQ(game.messages()[1].rfind("Confirm paste action:|", 0), 0u);
    for (std::size_t i = 2; i < 9; ++i)
        EXPECT_EQ(game.messages()[i], refused) << i;
    EXPECT_EQ(changedFiles(before, snapshot(game.game.gameDir)), std::set<std::string>{});
    game.prompter.clearRecords();
    game.write();
    EXPECT_EQ(game.messages(), std::vector<std::string>{}) << "free again once the other is done";
}

TEST(WriteSafety, NothingIsWrittenThroughALinkOutOfTheGameFolder)
{
    if (!linksCanBeMade())
        GTEST_SKIP() << "this system lets the tests make no symbolic links";
    WriteGame game{GameBuilder(Family::Xvt)};
    TempDir elsewhere;
    const std::filesystem::path outside = elsewhere.path() / "Z_XVT__.EXE";
    std::filesystem::rename(game.game.executable(), outside);
    std::filesystem::create_symlink(outside, game.game.executable());
    const std::string exe = readFile(outside);
    game.startAt(3);
    ASSERT_TRUE(game.form().userEdit(controls::SystemHitsBox, "9"));
    const auto before = snapshot(game.game.gameDir);
    game.write();
    ASSERT_EQ(game.prompter.records().size(), 1u);
    EXPECT_NE(game.messages().front().find("outside the game folder"), std::string::npos) << game.messages().front();
    EXPECT_EQ(readFile(outside), exe);
    EXPECT_EQ(changedFiles(before, snapshot(game.game.gameDir)), std::set<std::string>{});
}
