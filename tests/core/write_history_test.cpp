// The history of writes: every command that writes into the game folder records what it replaces,
// "Undo Write" puts the whole folder back byte for byte, refuses (writing nothing) once a byte it
// would put back was changed since, is itself undone as a redo, and the history keeps to its limit.
#include "CliRunner.h"
#include "DemoLayout.h"
#include "DemoOptFiles.h"
#include "ImageFixture.h"
#include "OptFileBuilder.h"
#include "TestSystem.h"

#include "common/Errors.h"
#include "controls/CockpitEditorControls.h"
#include "controls/WeaponEditorControls.h"
#include "history/WriteHistory.h"
#include "io/GamePath.h"
#include "session/Settings.h"
#include "table/Csv.h"

#include <functional>
#include <map>

using namespace plorik;
using namespace plorik::testing;
namespace c = plorik::controls::cockpit;
namespace w = plorik::controls::weapons;

namespace {

// Edits that reach the executable and the text files (name, description) of a slot, then "Write".
void editAndWrite(WriteGame& game, std::int32_t slot, const std::string& name)
{
    if (game.session->currentSlot() != slot)
        game.form().userEdit(controls::CraftNoBox, std::to_string(slot));
    ASSERT_TRUE(game.form().userEdit(controls::CraftNameBox, name));
    ASSERT_TRUE(game.form().userEdit(controls::ScoreBox, "3"));
    ASSERT_TRUE(game.form().userEdit(controls::DescriptionBox, "Rebuilt " + name));
    game.write();
}

// Slot 1's model replaced by a small OPT file of one mesh with a descriptor and a hardpoint.
void putModel(WriteGame& game)
{
    OptFileBuilder opt;
    opt.mesh({{OptDescriptorNode{6, {1.5f, 0.1f, 2.0f, -2.0f, 4.0f, 5.0f, 6.0f, 7.0f, 8.0f, 9.0f, 10.0f, 11.0f}},
               OptHardpointNode{1, {2.5f, -0.125f, 100.0f}}}});
    writeFile(*modelPath(game.builder, game.game.gameDir, 1), opt.bytes(nullptr));
    game.form().userEdit(controls::CraftNoBox, "1");
    ASSERT_TRUE(game.form().userPick(controls::MeshList, 0));
}

bool press(WriteGame& game, Form& form, ControlKey key, const std::vector<std::string>& answers = {})
{
    for (const std::string& answer : answers)
        game.prompter.addAnswer(answer);
    return form.userPress(key);
}

struct WriterCase {
    const char* command; // as the record names it
    Family family;
    std::function<void(WriteGame&)> prepare; // what comes before the command (not undone)
    std::function<void(WriteGame&)> run;     // the command
};

std::vector<WriterCase> writerCases()
{
    std::vector<WriterCase> cases;
    for (const Family family : {Family::Xvt, Family::Xwa}) {
        cases.push_back({"Write", family, [](WriteGame& g) { g.startAt(3); },
                         [](WriteGame& g) { editAndWrite(g, 3, "Undone Three"); }});
        cases.push_back({"Paste Ship", family,
                         [](WriteGame& g) {
                             g.startAt(2);
                             ASSERT_TRUE(g.form().userPress(controls::CopyShipItem));
                             g.form().userEdit(controls::CraftNoBox, "5");
                         },
                         [](WriteGame& g) { ASSERT_TRUE(press(g, g.form(), controls::PasteShipItem, {"yes"})); }});
        cases.push_back({"Recreate from Image", family,
                         [](WriteGame& g) {
                             backUpAndRestart(g, 3);
                             editAndWrite(g, 3, "Changed Three");
                             editAndWrite(g, 6, "Changed Six");
                         },
                         [](WriteGame& g) { ASSERT_TRUE(press(g, g.form(), controls::RecreateFromImageItem)); }});
        cases.push_back({"Recreate Single Slot", family,
                         [](WriteGame& g) {
                             backUpAndRestart(g, 4);
                             editAndWrite(g, 4, "Changed Four");
                         },
                         [](WriteGame& g) { ASSERT_TRUE(press(g, g.form(), controls::RecreateSingleSlotItem)); }});
        cases.push_back({"Write Wpn.", family,
                         [](WriteGame& g) {
                             g.start();
                             ASSERT_TRUE(g.session->weaponForm().userPick(w::WeaponList, 2));
                         },
                         [](WriteGame& g) {
                             Form& weapons = g.session->weaponForm();
                             weapons.userEdit(w::PowerBox, "5");
                             weapons.userEdit(w::WpnSpeedBox, "700");
                             ASSERT_TRUE(weapons.userPress(w::WriteWpnButton));
                         }});
        cases.push_back({"Write Mesh Type", family,
                         [](WriteGame& g) {
                             g.start();
                             putModel(g);
                         },
                         [](WriteGame& g) {
                             ASSERT_TRUE(g.form().userPick(controls::MeshTypeBox, 31));
                             ASSERT_TRUE(g.form().userEditCell(controls::HitzoneGrid, 2, 2, "-7.25"));
                             ASSERT_TRUE(g.form().userPress(controls::WriteMeshTypeButton));
                         }});
        cases.push_back({"Write Hardpoint", family,
                         [](WriteGame& g) {
                             g.start();
                             putModel(g);
                             ASSERT_TRUE(g.form().userPick(controls::HardpointList, 0));
                         },
                         [](WriteGame& g) {
                             g.form().userEdit(controls::HardpointX, "1.5");
                             g.form().userEdit(controls::HardpointZ, "-8");
                             ASSERT_TRUE(g.form().userPress(controls::WriteHardpointButton));
                         }});
    }
    cases.push_back({"Paste Shiptype Only", Family::Xwa,
                     [](WriteGame& g) {
                         g.startAt(2);
                         ASSERT_TRUE(g.form().userPress(controls::CopyShipItem));
                         g.form().userEdit(controls::CraftNoBox, "6");
                     },
                     [](WriteGame& g) { ASSERT_TRUE(press(g, g.form(), controls::PasteShipTypeOnlyItem, {"yes"})); }});
    // XWA keeps no INT cockpits in CP640.
    cases.push_back({"Save CP", Family::Xvt, [](WriteGame& g) { g.start(); },
                     [](WriteGame& g) {
                         Form& cockpit = g.session->cockpitForm();
                         cockpit.userEdit(c::HudBox, "ABCDEF");
                         cockpit.userEdit(c::PanelBox, "NEWPANEL");
                         ASSERT_TRUE(cockpit.userPress(c::SaveCPButton));
                     }});
    return cases;
}

// Changes one byte the record wrote (or adds one to a file it wrote) behind the editor's back, and
// returns a function that puts it back.
std::function<void()> changeWrittenByte(WriteGame& game, const HistoryRecord& record)
{
    for (const RecordedChange& change : record.changes) {
        const std::filesystem::path path = resolveGamePath(game.game.gameDir.string(), change.name);
        const std::string kept = readFile(path);
        if (change.kind == RecordedChange::Kind::File) {
            writeFile(path, kept + "x");
            return [path, kept] { writeFile(path, kept); };
        }
        for (std::size_t k = 0; k < change.newBytes.size(); ++k) {
            if (change.newBytes[k] == change.oldBytes[k])
                continue;
            std::string changed = kept;
            auto& byte = changed.at(static_cast<std::size_t>(change.offset) + k);
            do
                byte = static_cast<char>(byte + 1);
            while (static_cast<std::uint8_t>(byte) == change.oldBytes[k] ||
                   static_cast<std::uint8_t>(byte) == change.newBytes[k]);
            writeFile(path, changed);
            return [path, kept] { writeFile(path, kept); };
        }
    }
    ADD_FAILURE() << "the record holds no byte that the command changed";
    return [] {};
}

} // namespace

TEST(WriteHistory, UndoAfterEveryWriterRestoresTheGameFolderAndRefusesOnceAByteChanged)
{
    for (const WriterCase& each : writerCases()) {
        SCOPED_TRACE(std::string(each.command) + (each.family == Family::Xwa ? " XWA" : " XvT"));
        WriteGame game{GameBuilder(each.family)};
        each.prepare(game);
        ASSERT_EQ(game.messages(), std::vector<std::string>{});
        const std::size_t recordedBefore = game.session->recordedWrites().size();
        const auto before = snapshot(game.game.gameDir);
        each.run(game);
        for (const auto& shown : game.prompter.records()) // the paste's question, nothing else
            EXPECT_EQ(shown.message.icon, MessageIcon::Question) << shown.message.caption << shown.message.text;
        game.prompter.clearRecords();
        const auto written = snapshot(game.game.gameDir);
        ASSERT_FALSE(changedFiles(before, written).empty()) << "the command changed nothing";

        // One record more, named for the command, holding every file that changed.
        const std::vector<HistoryRecord> records = game.session->recordedWrites();
        ASSERT_EQ(records.size(), recordedBefore + 1);
        const HistoryRecord& record = records.front();
        EXPECT_EQ(record.command, each.command);
        std::set<std::string> targets;
        for (const RecordedChange& change : record.changes) {
            std::string name = change.name;
            std::replace(name.begin(), name.end(), '\\', '/');
            targets.insert(name);
        }
        for (const std::string& changed : changedFiles(before, written))
            EXPECT_TRUE(targets.contains(changed)) << changed << " changed but is not recorded";

        // A byte changed since: the undo names the command and refuses, and no file changes.
        const auto putBack = changeWrittenByte(game, record);
        const auto tampered = snapshot(game.game.gameDir);
        ASSERT_TRUE(press(game, game.form(), controls::UndoWriteItem, {"yes"}));
        const std::vector<std::string> refused = game.messages();
        ASSERT_EQ(refused.size(), 2u);
        EXPECT_TRUE(refused[0].starts_with("Confirm undo:|Undo \"" + std::string(each.command) + "\"")) << refused[0];
        EXPECT_TRUE(refused[1].starts_with("PLORIK error:|The undo of \"" + std::string(each.command) + "\""))
            << refused[1];
        EXPECT_NE(refused[1].find("it was changed since.\r\rNothing was written."), std::string::npos) << refused[1];
        EXPECT_EQ(snapshot(game.game.gameDir), tampered);
        EXPECT_EQ(game.session->recordedWrites().size(), recordedBefore + 1) << "a refused undo is not recorded";
        game.prompter.clearRecords();

        // "No" leaves everything; then the undo puts back every byte of the game folder.
        putBack();
        ASSERT_TRUE(press(game, game.form(), controls::UndoWriteItem, {"no"}));
        EXPECT_EQ(snapshot(game.game.gameDir), written);
        ASSERT_TRUE(press(game, game.form(), controls::UndoWriteItem, {"yes"}));
        ASSERT_EQ(game.messages().size(), 2u) << game.messages().back();
        const auto undone = snapshot(game.game.gameDir);
        EXPECT_EQ(changedFiles(before, undone), std::set<std::string>{});
        EXPECT_EQ(undone, before);
        EXPECT_EQ(game.session->recordedWrites().front().command, "Undo Write");
    }
}

TEST(WriteHistory, UndoingAnUndoRedoesTheWriteAndAnOlderWriteIsUndoneByItsNumber)
{
    WriteGame game{GameBuilder(Family::Xwa)};
    game.startAt(3);
    const auto before = snapshot(game.game.gameDir);
    editAndWrite(game, 3, "Redone Three");
    const auto written = snapshot(game.game.gameDir);
    ASSERT_GE(changedFiles(before, written).size(), 2u) << "the executable and a text file";

    game.session->undoWrite(1); // the write
    EXPECT_EQ(snapshot(game.game.gameDir), before);
    game.session->undoWrite(1); // the undo: a redo
    EXPECT_EQ(snapshot(game.game.gameDir), written);
    EXPECT_EQ(game.control(controls::CraftNameBox).text(), "Redone Three") << "the slot is shown again";
    game.session->undoWrite(3); // the write once more, counted back past both undos
    EXPECT_EQ(snapshot(game.game.gameDir), before);
    EXPECT_EQ(game.messages(), std::vector<std::string>{});

    std::vector<std::string> commands;
    for (const HistoryRecord& record : game.session->recordedWrites())
        commands.push_back(std::to_string(record.number) + " " + record.command);
    EXPECT_EQ(commands, (std::vector<std::string>{"4 Undo Write", "3 Undo Write", "2 Undo Write", "1 Write"}));

    game.session->undoWrite(5);
    EXPECT_EQ(game.messages(), std::vector<std::string>{
                                   "PLORIK error:|The history holds 4 recorded writes; there is no write 5 to undo."});
    EXPECT_EQ(snapshot(game.game.gameDir), before);
}

TEST(WriteHistory, AWriteThatCannotBeRecordedWritesNothing)
{
    struct Case {
        const char* name;
        std::function<void(const std::filesystem::path& programDir, const std::filesystem::path& outside)> spoil;
        const char* says;
    };
    const Case cases[] = {
        {"a file in the history folder's place",
         [](const auto& programDir, const auto&) { writeFile(programDir / "PLORIKhistory", "not a folder"); },
         "Not a directory"},
        {"a history folder that links out of the program folder",
         [](const auto& programDir, const auto& outside) {
             std::filesystem::create_directory(outside);
             std::filesystem::create_directory_symlink(outside, programDir / "PLORIKhistory");
         },
         "program folder"},
    };
    for (const Case& each : cases) {
        // Where no symbolic link can be made, the case of one is left out.
        if (std::string_view(each.name).find("link") != std::string_view::npos && !linksCanBeMade())
            continue;
        SCOPED_TRACE(each.name);
        WriteGame game{GameBuilder(Family::Xvt)};
        game.startAt(2);
        const std::filesystem::path outside = game.dir.path() / "elsewhere";
        each.spoil(game.game.programDir, outside);
        const auto before = snapshot(game.game.gameDir);
        editAndWrite(game, 2, "Not Recorded");
        const std::vector<std::string> shown = game.messages();
        ASSERT_EQ(shown.size(), 1u);
        EXPECT_TRUE(shown[0].starts_with("PLORIK error:|\"Write\" could not be recorded for undo: ")) << shown[0];
        EXPECT_NE(shown[0].find(each.says), std::string::npos) << shown[0];
        EXPECT_TRUE(shown[0].ends_with("\r\rNothing was written.")) << shown[0];
        EXPECT_EQ(snapshot(game.game.gameDir), before);
        if (std::filesystem::exists(outside)) {
            EXPECT_TRUE(std::filesystem::is_empty(outside)) << "nothing is written through the link";
        }
    }
}

TEST(WriteHistory, TheOldestRecordsGoOnceTheHistoryPassesItsLimit)
{
    TempDir dir;
    // 1000 bytes hold two records of 400 bytes and more, not three.
    const WriteHistory history(dir.path(), "Demo", 1000);
    for (std::uint32_t n = 1; n <= 5; ++n) {
        HistoryRecord record;
        record.command = "Write";
        record.slot = static_cast<std::int32_t>(n);
        record.changes.push_back({RecordedChange::Kind::Region, "GAME.EXE", "a region", 16 * n,
                                  std::vector<std::uint8_t>(200, static_cast<std::uint8_t>(n)),
                                  std::vector<std::uint8_t>(200, 0xEE)});
        EXPECT_EQ(history.add(record), n);
    }
    EXPECT_EQ(history.numbers(), (std::vector<std::uint32_t>{4, 5}));
    const HistoryRecord newest = history.read(5);
    EXPECT_EQ(newest.slot, 5);
    ASSERT_EQ(newest.changes.size(), 1u);
    EXPECT_EQ(newest.changes[0].offset, 80);
    EXPECT_EQ(newest.changes[0].oldBytes, std::vector<std::uint8_t>(200, 5));
    // A record bigger than the limit still stays as the newest.
    const WriteHistory tiny(dir.path(), "Demo", 10);
    HistoryRecord record;
    record.command = "Save CP";
    EXPECT_EQ(tiny.add(record), 6u);
    EXPECT_EQ(tiny.numbers(), (std::vector<std::uint32_t>{6}));
    // A damaged record is named, never read past its end.
    std::string bytes = readFile(dir.path() / "PLORIKhistory" / "Demo" / "00000006.rec");
    writeFile(dir.path() / "PLORIKhistory" / "Demo" / "00000006.rec", bytes.substr(0, bytes.size() - 1));
    EXPECT_THROW(tiny.read(6), PlorikError);

    // The limit is line 3 of plorik.ini, in MB; 64 MB without a usable line, and a save keeps it.
    const std::pair<const char*, std::uint64_t> limits[] = {
        {"C:\\Games\\\r\nGAME.EXE\r\n", 64u << 20},        {"C:\\Games\\\r\nGAME.EXE\r\n2\r\n", 2u << 20},
        {"C:\\Games\\\r\nGAME.EXE\r\n0\r\n", 0},           {"C:\\Games\\\r\nGAME.EXE\r\nmany\r\n", 64u << 20},
        {"C:\\Games\\\r\nGAME.EXE\r\n$10\r\n", 16u << 20},
    };
    for (const auto& [ini, limit] : limits) {
        writeFile(dir.path() / "plorik.ini", ini);
        EXPECT_EQ(Settings(dir.path()).historyLimit(), limit) << ini;
    }
    writeFile(dir.path() / "plorik.ini", "C:\\Games\\\r\nGAME.EXE\r\n2\r\n");
    Settings(dir.path()).save("D:\\Other\\", "XWINGALLIANCE.EXE");
    EXPECT_EQ(readFile(dir.path() / "plorik.ini"), "D:\\Other\\\r\nXWINGALLIANCE.EXE\r\n2\r\n");
}

TEST(WriteHistory, RecordsShareAFileUpToItsShareOfTheLimitAndWhatACrashCutIsNoRecord)
{
    TempDir dir;
    // 16000 bytes: a file takes records while it stays within 2000.
    const WriteHistory history(dir.path(), "Demo", 16000);
    const std::filesystem::path folder = dir.path() / "PLORIKhistory" / "Demo";
    const auto recordOf = [](std::int32_t slot) {
        HistoryRecord record;
        record.command = "Write";
        record.slot = slot;
        record.changes.push_back({RecordedChange::Kind::Region, "GAME.EXE", "a region", 8 * slot,
                                  std::vector<std::uint8_t>(100, static_cast<std::uint8_t>(slot)),
                                  std::vector<std::uint8_t>(100, 0xEE)});
        return record;
    };
    const auto recordName = [](std::uint32_t number) {
        const std::string digits = std::to_string(number);
        return std::string(8 - digits.size(), '0') + digits + ".rec";
    };
    const auto files = [&] {
        std::map<std::uint32_t, std::string> found;
        for (const auto& entry : std::filesystem::directory_iterator(folder))
            found[static_cast<std::uint32_t>(std::stoul(entry.path().stem().string()))] = readFile(entry.path());
        return found;
    };
    // Every record read back under its number; the numbers run without a gap to the newest.
    const auto expectWhole = [&](std::uint32_t newest) {
        const std::vector<std::uint32_t> numbers = history.numbers();
        ASSERT_FALSE(numbers.empty());
        EXPECT_EQ(numbers.back(), newest);
        EXPECT_EQ(numbers.back() - numbers.front() + 1, numbers.size());
        EXPECT_TRUE(files().contains(numbers.front())) << "the oldest file goes whole";
        const std::vector<HistoryRecord> all = history.readAll();
        ASSERT_EQ(all.size(), numbers.size());
        for (std::size_t i = 0; i < all.size(); ++i) {
            EXPECT_EQ(all[i].number, numbers[i]);
            EXPECT_EQ(all[i].slot, static_cast<std::int32_t>(numbers[i] % 1000));
            EXPECT_EQ(all[i].changes.at(0).oldBytes.front(), static_cast<std::uint8_t>(numbers[i] % 1000));
        }
        EXPECT_EQ(history.read(numbers.back()).slot, static_cast<std::int32_t>(newest % 1000));
    };

    std::uint32_t newest = 0;
    for (; newest < 80; ++newest)
        ASSERT_EQ(history.add(recordOf(static_cast<std::int32_t>(newest + 1))), newest + 1);
    expectWhole(80);
    std::uintmax_t total = 0;
    for (const auto& [first, bytes] : files()) {
        total += bytes.size();
        EXPECT_LE(bytes.size(), 2000u) << first;
        EXPECT_EQ(recordSpans(bytes).size(), first == files().rbegin()->first ? 2u : 6u) << first;
        // What an older PLORIK reads of it: the first record, whole.
        EXPECT_EQ(decodeRecord(bytes, "x").slot, static_cast<std::int32_t>(first));
    }
    EXPECT_LE(total, 16000u);
    EXPECT_GT(total, 16000u - 2000u);

    // A record that a crash cut short after the records of the newest file is none, in the room
    // after them or past the file's end; a file no longer as this process left it takes no more.
    const auto last = files().rbegin()->first;
    const std::string stored = files().at(last);
    const std::size_t end = recordSpans(stored).back().offset + recordSpans(stored).back().length;
    const std::string cut = encodeRecord(recordOf(999)).substr(0, encodeRecord(recordOf(999)).size() - 5);
    ASSERT_LE(end + cut.size(), stored.size()) << "room after the records";
    writeFile(folder / recordName(last), stored.substr(0, end) + cut + stored.substr(end + cut.size()));
    expectWhole(80);
    writeFile(folder / recordName(last), stored + cut);
    expectWhole(80);
    EXPECT_EQ(history.add(recordOf(81)), 81u);
    EXPECT_TRUE(files().contains(81));
    expectWhole(81);

    // A record that fails to reach the disk leaves its file as it was, and the next takes its number.
    const auto before = files();
    for (const auto step : {FileFaults::Step::Write, FileFaults::Step::Flush}) {
        {
            ArmedFault fault(step, 1, 7);
            EXPECT_THROW(history.add(recordOf(82)), FileError);
        }
        EXPECT_EQ(files(), before);
    }
    EXPECT_EQ(history.add(recordOf(82)), 82u);
    expectWhole(82);

    // A file another process made after this one's is never added to.
    writeFile(folder / recordName(83), encodeRecord(recordOf(83)));
    EXPECT_EQ(history.add(recordOf(84)), 84u);
    EXPECT_EQ(files().at(83), encodeRecord(recordOf(83)));
    expectWhole(84);
}

TEST(WriteHistory, TheCommandLineListsTheRecordsAndUndoes)
{
    TempDir dir;
    const BuiltGame game = GameBuilder(Family::Xvt).build(dir.path());
    const auto before = snapshot(game.gameDir);
    const auto cli = [&](std::vector<std::string> arguments) {
        arguments.insert(arguments.begin(), {"--program-dir", game.programDir.string()});
        return runCli(arguments);
    };
    ASSERT_EQ(cli({"write", "4", "--set", "ShieldPowerBox=123"}).exit, 0);
    const auto written = snapshot(game.gameDir);
    const CliOutput listed = cli({"--json", "history"});
    ASSERT_EQ(listed.exit, 0) << listed.err;
    EXPECT_NE(listed.out.find("\"records\":[{\"number\":1,\"time\":\""), std::string::npos) << listed.out;
    EXPECT_NE(listed.out.find("\"command\":\"Write\",\"slot\":4,\"targets\":[\"" + game.exeName + " bytes "),
              std::string::npos)
        << listed.out;
    const CliOutput undone = cli({"undo"});
    ASSERT_EQ(undone.exit, 0) << undone.err;
    EXPECT_EQ(snapshot(game.gameDir), before);
    const CliOutput redone = cli({"undo", "1"});
    ASSERT_EQ(redone.exit, 0) << redone.err;
    EXPECT_EQ(snapshot(game.gameDir), written);
    const CliOutput text = cli({"history"});
    EXPECT_EQ(std::count(text.out.begin(), text.out.end(), '\t'), 3 * 3 + 3) << text.out;
    const CliOutput none = cli({"undo", "9"});
    EXPECT_EQ(none.exit, 1);
    EXPECT_EQ(snapshot(game.gameDir), written);
    EXPECT_EQ(cli({"undo", "x"}).exit, 2);
}

// An import is one record, however many slots it writes, and one undo puts back every byte of the
// game folder: after a whole import, and after one that a row stopped part way.
TEST(WriteHistory, AnImportIsOneRecordThatOneUndoPutsBack)
{
    // Rows for slots 1, 2 and 4 whose fields reach the executable and the text files; when stopped,
    // then a row for slot 6 whose shield power "Write" refuses.
    const auto editedTable = [](const std::string& exported, bool stopped) {
        CsvRecords table = readCsv(exported);
        EXPECT_EQ(table.fault, "");
        const std::vector<std::string>& header = table.records.front();
        const auto column = [&](const char* name) {
            return static_cast<std::size_t>(std::find(header.begin(), header.end(), name) - header.begin());
        };
        std::string text = csvRecord(header);
        for (const std::int32_t slot : {1, 2, 4, 6}) {
            std::vector<std::string> row = table.records.at(static_cast<std::size_t>(slot));
            EXPECT_EQ(row.front(), std::to_string(slot));
            row.at(column("SystemHitsBox")) = std::to_string(slot + 20);
            if (slot == 6) {
                row.at(column("ShieldPowerBox")) = "99999999999";
                text += stopped ? csvRecord(row) : "";
                continue;
            }
            row.at(column("CraftNameBox")) += " Mk" + std::to_string(slot);
            row.at(column("DescriptionBox")) = "Refit " + std::to_string(slot);
            text += csvRecord(row);
        }
        return text;
    };
    for (const Family family : {Family::Xvt, Family::Xwa}) {
        for (const bool stopped : {false, true}) {
            SCOPED_TRACE(std::string(family == Family::Xwa ? "XWA" : "XvT") + (stopped ? " stopped" : " whole"));
            TempDir dir;
            const BuiltGame game = GameBuilder(family).build(dir.path());
            const auto cli = [&](std::vector<std::string> arguments) {
                arguments.insert(arguments.begin(), {"--program-dir", game.programDir.string()});
                return runCli(arguments);
            };
            const std::filesystem::path table = dir.path() / "table.csv";
            ASSERT_EQ(cli({"export", table.string()}).exit, 0);
            writeFile(table, editedTable(readFile(table), stopped));
            const auto before = snapshot(game.gameDir);
            const CliOutput imported = cli({"import", table.string()});
            ASSERT_EQ(imported.exit, stopped ? 1 : 0) << imported.err;
            EXPECT_NE(imported.out.find("written: 1 2 4\n"), std::string::npos) << imported.out;
            const auto written = snapshot(game.gameDir);
            EXPECT_TRUE(changedFiles(before, written).contains(game.exeName));
            EXPECT_GE(changedFiles(before, written).size(), 2u) << "the executable and a text file";

            const CliOutput listed = cli({"--json", "history"});
            ASSERT_EQ(listed.exit, 0) << listed.err;
            EXPECT_NE(listed.out.find("\"records\":[{\"number\":1,"), std::string::npos) << listed.out;
            EXPECT_EQ(listed.out.find("\"number\":2"), std::string::npos) << "one record: " << listed.out;
            EXPECT_NE(listed.out.find("\"command\":\"Import Table..\",\"slot\":1,"), std::string::npos) << listed.out;

            const CliOutput undone = cli({"undo"});
            ASSERT_EQ(undone.exit, 0) << undone.err;
            EXPECT_EQ(changedFiles(before, snapshot(game.gameDir)), std::set<std::string>{});
            EXPECT_TRUE(snapshot(game.gameDir) == before);
            ASSERT_EQ(cli({"undo"}).exit, 0); // the undo undone: the import again
            EXPECT_TRUE(snapshot(game.gameDir) == written);
        }
    }
}

// A file's old content is kept as the bytes that differ from its new content, and comes back whole
// from the new content; a record read back ends with its last whole part.
// With --questions fail (the default) a question of "Write" that finds no answer stops the import
// before that slot's first byte.
TEST(WriteHistory, AnImportStopsBeforeTheSlotWhoseQuestionFindsNoAnswer)
{
    for (const Family family : {Family::Xvt, Family::Xwa}) {
        SCOPED_TRACE(family == Family::Xwa ? "XWA" : "XvT");
        GameBuilder builder(family);
        if (family == Family::Xvt)
            builder.withKey("UNKNOWN3MAINOFFSET", ""); // else XvT keeps the link as it is
        const CliGame game(builder);
        const std::filesystem::path table = game.dir.path() / "table.csv";
        ASSERT_EQ(game.run({"export", "--slots", "1-3", table.string()}).exit, 0);
        CsvRecords rows = readCsv(readFile(table));
        const auto& header = rows.records.front();
        const auto hits =
            static_cast<std::size_t>(std::find(header.begin(), header.end(), "SystemHitsBox") - header.begin());
        rows.records.at(1).at(hits) = "21";
        rows.records.at(3).at(hits) = "23";
        std::string text;
        for (const auto& row : rows.records)
            text += csvRecord(row);
        writeFile(table, text);
        // Slot 3's ship slot link differs from its slot: "Write" asks whether to fix it.
        const DemoLayout layout(builder.entry());
        const std::int64_t link =
            layout.value("SHIPTYPESTART") + 2 * layout.value("SHIPTYPELEN") + (family == Family::Xwa ? 15 : 20);
        std::string exe = readFile(game.game.executable());
        exe[static_cast<std::size_t>(link)] = 9;
        writeFile(game.game.executable(), exe);

        const CliOutput imported = game.run({"import", table.string()});
        EXPECT_EQ(imported.exit, 3) << imported.err;
        EXPECT_NE(imported.out.find("written: 1\n"), std::string::npos) << imported.out;
        EXPECT_NE((imported.out + imported.err)
                      .find("a question of \"Write\" for slot 3 found no answer; it was not written"),
                  std::string::npos)
            << imported.out << imported.err;
        const std::string after = readFile(game.game.executable());
        const std::int64_t craft3 = layout.value("CRAFTOFFSET") + 2 * layout.value("ENTRYLENGTH");
        EXPECT_EQ(after.substr(static_cast<std::size_t>(craft3), static_cast<std::size_t>(layout.value("ENTRYLENGTH"))),
                  exe.substr(static_cast<std::size_t>(craft3), static_cast<std::size_t>(layout.value("ENTRYLENGTH"))));
        EXPECT_EQ(after[static_cast<std::size_t>(link)], 9);
        EXPECT_NE(after, exe) << "slot 1 is written";
    }
}

TEST(WriteHistory, ARecordKeepsWhatAFileReplacedAndReadsToItsLastWholePart)
{
    const std::pair<std::string, std::string> contents[] = {
        {"", ""},
        {"", "new file"},
        {"old file", ""},
        {"same", "same"},
        {"aaaa", "aa"},
        {"aa", "aaaa"},
        {"line 1\r\nline 2\r\n", "line 1\r\nline two\r\n"},
        {"abcXdef", "abc"},
        {"Xabc", "abc"},
        {"abcabc", "abcXabc"},
    };
    HistoryRecord record;
    record.command = "Import Table..";
    record.slot = 3;
    for (const auto& [oldContent, newContent] : contents) {
        SCOPED_TRACE(oldContent + " -> " + newContent);
        RecordedChange change;
        change.kind = RecordedChange::Kind::File;
        change.name = "strings.txt";
        change.existed = true;
        keepReplacedContent(change, oldContent, newContent);
        EXPECT_EQ(replacedContent(change, newContent), oldContent);
        EXPECT_LE(change.oldContent.size(), oldContent.size());
        EXPECT_EQ(change.keepFront + change.keepBack + change.oldContent.size(), oldContent.size());
        EXPECT_LE(change.keepFront + change.keepBack, newContent.size());
        record.changes.push_back(change);
    }
    TempDir dir;
    const WriteHistory history(dir.path(), "Demo", WriteHistory::kDefaultLimit);
    const std::vector<RecordedChange> firstPart(record.changes.begin(), record.changes.begin() + 4);
    const std::vector<RecordedChange> secondPart(record.changes.begin() + 4, record.changes.end());
    record.changes = firstPart;
    ASSERT_EQ(history.add(record), 1u);
    history.append(1, secondPart);
    history.append(1, firstPart);
    const std::filesystem::path file = dir.path() / "PLORIKhistory" / "Demo" / "00000001.rec";
    // The record, then room for more: zero bytes, which a crash may leave as they were.
    const std::string stored = readFile(file);
    const std::string whole = stored.substr(0, recordSpans(stored).at(0).length);
    EXPECT_EQ(stored.substr(whole.size()), std::string(stored.size() - whole.size(), '\0'));
    const auto changesOf = [](const HistoryRecord& read) {
        std::vector<std::string> kept;
        for (const RecordedChange& change : read.changes)
            kept.push_back(std::to_string(change.keepFront) + "/" + std::to_string(change.keepBack) + "/" +
                           change.oldContent + "/" + std::to_string(change.newSize));
        return kept;
    };
    std::vector<RecordedChange> all = firstPart;
    all.insert(all.end(), secondPart.begin(), secondPart.end());
    HistoryRecord expected = record;
    expected.changes = all;
    const std::vector<std::string> twoParts = changesOf(expected);
    expected.changes.insert(expected.changes.end(), firstPart.begin(), firstPart.end());
    EXPECT_EQ(changesOf(history.read(1)), changesOf(expected));
    EXPECT_EQ(history.read(1).command, "Import Table..");
    // The last part cut short anywhere, or one of its bytes changed: the record ends before it.
    const std::size_t lastPart = encodeRecordPart(firstPart).size();
    for (const std::size_t cut : {std::size_t{1}, std::size_t{12}, lastPart - 1}) {
        writeFile(file, whole.substr(0, whole.size() - cut));
        EXPECT_EQ(changesOf(history.read(1)), twoParts) << cut;
    }
    std::string spoiled = whole;
    spoiled[spoiled.size() - 3] ^= 0x20;
    writeFile(file, spoiled);
    EXPECT_EQ(changesOf(history.read(1)), twoParts);

    // A whole record left in the scratch file by a crash before its rename reached the disk is the
    // newest record; one cut short is none.
    const std::filesystem::path scratch = file.parent_path() / "record.tmp";
    writeFile(scratch, encodeRecord(record).substr(0, encodeRecord(record).size() - 1));
    EXPECT_EQ(history.numbers(), std::vector<std::uint32_t>{1});
    writeFile(scratch, encodeRecord(record));
    EXPECT_EQ(history.numbers(), (std::vector<std::uint32_t>{1, 2}));
    EXPECT_EQ(changesOf(history.read(2)), changesOf(record));
    EXPECT_FALSE(std::filesystem::exists(scratch));
}
