// "Write" on games that are not complete or not friendly: it writes the whole slot or nothing, never
// a part of it with another slot's values, never outside the game folder or past the executable's
// end, and never a placeholder as a name.
#include "DemoOptFiles.h"
#include "TestSystem.h"
#include "WriteFixture.h"

#include "Sampling.h"
#include "controls/CockpitEditorControls.h"
#include "controls/MainWindowControls.h"
#include "controls/WeaponEditorControls.h"

#include <algorithm>
#include <array>
#include <functional>

using namespace plorik;
using namespace plorik::testing;

namespace {

enum class Damage { Removed, Folder, Fifo };

void damage(const std::filesystem::path& file, Damage how)
{
    std::filesystem::remove(file);
    if (how == Damage::Folder)
        std::filesystem::create_directory(file);
    if (how == Damage::Fifo) {
        ASSERT_TRUE(makeFifo(file));
    }
}

// The game's files by their paths relative to the game folder, the executable left out.
std::vector<std::string> textFiles(const WriteGame& game)
{
    std::vector<std::string> names;
    for (const auto& [name, content] : snapshot(game.game.gameDir)) {
        if (name != game.game.exeName)
            names.push_back(name);
    }
    return names;
}

bool anyMessageHas(const WriteGame& game, const std::string& text)
{
    for (const std::string& message : game.messages()) {
        if (message.find(text) != std::string::npos)
            return true;
    }
    return false;
}

void editSlot(WriteGame& game)
{
    ASSERT_TRUE(game.form().userEdit(controls::SystemHitsBox, "77"));
    ASSERT_TRUE(game.form().userEdit(controls::CraftNameBox, "Matrix"));
    ASSERT_TRUE(game.form().userEdit(controls::CrewBox, "Matrix crew"));
}

// Moves a folder out to `outside` and leaves a symbolic link to it in its place.
void linkOut(const std::filesystem::path& folder, const std::filesystem::path& outside)
{
    std::filesystem::create_directories(folder);
    const std::filesystem::path moved = outside / folder.filename();
    std::filesystem::rename(folder, moved);
    std::filesystem::create_directory_symlink(moved, folder);
}

// A writer facing a hostile game or target: what is done before the start, what the user does, and
// the text the refusal must name.
struct HostileCase {
    std::string name;
    GameBuilder builder;
    std::function<void(WriteGame&, const std::filesystem::path& outside)> prepare;
    std::function<bool(WriteGame&)> act;
    std::function<std::string(const WriteGame&)> named;
};

std::vector<HostileCase> hostileCases()
{
    namespace c = controls::cockpit;
    namespace w = controls::weapons;
    const auto press = [](ControlKey key, std::function<std::string(const WriteGame&)> target) {
        return [key, target](WriteGame& g) {
            g.prompter.addAnswer("file:" + target(g));
            g.prompter.addAnswer("yes"); // the dialog's "replace?" question
            return g.form().userPress(key);
        };
    };
    const auto optPage = [](WriteGame& g) {
        return g.form().userPick(controls::MeshList, 0) && g.form().userPick(controls::MeshTypeBox, 5) &&
               g.form().userPick(controls::HardpointList, 0) && g.form().userPick(controls::HardpointTypeBox, 3);
    };
    const auto model = [](const WriteGame& g) { return *modelPath(g.builder, g.game.gameDir, 1); };
    // "Write" with a new model name, so that the OPT list is written too.
    const auto writeRenamed = [](WriteGame& g) {
        editSlot(g);
        return g.form().userEdit(controls::DBOPTFile, "RENAMED.opt") && g.form().userPress(controls::WriteButton);
    };
    std::vector<HostileCase> cases = {
        {"Write, IVFiles a link out", GameBuilder(Family::Xvt),
         [](WriteGame& g, const auto& outside) { linkOut(g.path("IVFiles"), outside); }, writeRenamed,
         [](const WriteGame&) { return std::string("IVFiles"); }},
        {"Write, FlightModels a link out", GameBuilder(Family::Xwa),
         [](WriteGame& g, const auto& outside) { linkOut(g.path("FlightModels"), outside); }, writeRenamed,
         [](const WriteGame&) { return std::string("FlightModels"); }},
        {"Save CP, CP640 a link out", GameBuilder(Family::Xvt),
         [](WriteGame& g, const auto& outside) { linkOut(g.path("CP640"), outside); },
         [](WriteGame& g) {
             return g.session->cockpitForm().userEdit(c::HudBox, "LINKED") &&
                    g.session->cockpitForm().userPress(c::SaveCPButton);
         },
         [](const WriteGame&) { return std::string("CP640"); }},
        {"Write Wpn., FlightModels a link out", GameBuilder(Family::Xwa),
         [](WriteGame& g, const auto& outside) { linkOut(g.path("FlightModels"), outside); },
         [](WriteGame& g) {
             return g.session->weaponForm().userEdit(w::PowerBox, "4321") &&
                    g.session->weaponForm().userEdit(w::WpnOptBox, "NEW.opt") &&
                    g.session->weaponForm().userPress(w::WriteWpnButton);
         },
         [](const WriteGame&) { return std::string("EQUIPMENT0.LST"); }},
        {"Write Mesh Type, the model's folder a link out", GameBuilder(Family::Xwa),
         [model](WriteGame& g, const auto& outside) { linkOut(model(g).parent_path(), outside); },
         [optPage](WriteGame& g) { return optPage(g) && g.form().userPress(controls::WriteMeshTypeButton); },
         [model](const WriteGame& g) { return model(g).filename().string(); }},
        {"Write Hardpoint, the model's folder a link out", GameBuilder(Family::Xwa),
         [model](WriteGame& g, const auto& outside) { linkOut(model(g).parent_path(), outside); },
         [optPage](WriteGame& g) { return optPage(g) && g.form().userPress(controls::WriteHardpointButton); },
         [model](const WriteGame& g) { return model(g).filename().string(); }},
        {"Create Backup Image, PLORIKbackup a link out", GameBuilder(Family::Xvt),
         [](WriteGame& g, const auto& outside) { linkOut(g.game.programDir / "PLORIKbackup", outside); },
         [](WriteGame& g) { return g.form().userPress(controls::CreateBackupImageItem); },
         [](const WriteGame&) { return std::string("PLORIKbackup"); }},
    };
    // The save dialogs' targets that are the game's or the image's own files.
    const std::vector<std::pair<std::string, std::function<std::string(const WriteGame&)>>> targets = {
        {"the executable", [](const WriteGame& g) { return g.game.executable().string(); }},
        {"strings.txt", [](const WriteGame& g) { return g.path("strings.txt").string(); }},
        {"a list file", [](const WriteGame& g) { return g.path("IVFiles/Spec640.LST").string(); }},
        {"a file of the image",
         [](const WriteGame& g) {
             return (g.game.programDir / "PLORIKbackup" / g.builder.entry().name / "strings.txt").string();
         }},
    };
    for (const auto& [saving, key] :
         std::vector<std::pair<std::string, ControlKey>>{{"Save Ship as..", controls::SaveShipAsItem},
                                                         {"Save as Single ZT..", controls::SaveAsZtItem},
                                                         {"Make ZT Package", controls::ZtPackageItem}}) {
        for (const auto& [what, target] : targets) {
            cases.push_back({saving + " over " + what, GameBuilder(Family::Xvt).withBackupImage(),
                             [](WriteGame& g, const auto&) {
                                 writeFile(g.game.programDir / "PLORIKbackup" / g.builder.entry().name / "strings.txt",
                                           g.file("strings.txt"));
                             },
                             press(key, target), target});
        }
    }
    return cases;
}

} // namespace

// Folder links out of the game or program folder, and save targets that are the game's own files: no
// writer changes a byte outside the two folders or inside them, and each says what it refused.
TEST(WriteSafety, HostileTargetsAreRefusedBeforeTheFirstByte)
{
    for (HostileCase& each : hostileCases()) {
        // Where no symbolic link can be made, the cases of one are left out.
        if (each.name.find("a link out") != std::string::npos && !linksCanBeMade())
            continue;
        SCOPED_TRACE(each.name);
        TempDir outside;
        WriteGame game{each.builder};
        each.prepare(game, outside.path());
        game.startAt(1);
        const auto before =
            std::array{snapshot(outside.path()), snapshot(game.game.gameDir), snapshot(game.game.programDir)};
        ASSERT_TRUE(each.act(game));
        const auto after =
            std::array{snapshot(outside.path()), snapshot(game.game.gameDir), snapshot(game.game.programDir)};
        for (std::size_t folder = 0; folder < before.size(); ++folder)
            EXPECT_EQ(changedFiles(before[folder], after[folder]), std::set<std::string>{}) << folder;
        const std::string named = each.named(game);
        const auto& records = game.prompter.records();
        const auto refusal = std::find_if(records.begin(), records.end(),
                                          [](const auto& record) { return record.message.icon == MessageIcon::Error; });
        ASSERT_NE(refusal, records.end()) << ::testing::PrintToString(game.messages());
        EXPECT_EQ(refusal->message.caption, "PLORIK error:");
        EXPECT_NE(refusal->message.text.find(named), std::string::npos) << refusal->message.text;
        EXPECT_NE(refusal->message.text.find("Nothing was written."), std::string::npos) << refusal->message.text;
    }
}

TEST(WriteSafety, AMissingOrForeignFileLeavesTheGameUnchangedOrTheWholeSlotWritten)
{
    long long cases = 0;
    for (const Family family : {Family::Xvt, Family::Xwa}) {
        const std::int32_t slot = family == Family::Xwa ? 12 : 3;
        const std::vector<std::string> files = textFiles(WriteGame{GameBuilder(family)});
        for (const std::string& name : files) {
            for (const Damage how : {Damage::Removed, Damage::Folder, Damage::Fifo}) {
                if (how == Damage::Fifo && !systemHasFifos())
                    continue;
                for (const bool beforeStart : {true, false}) {
                    if (!sampled(cases++))
                        continue;
                    SCOPED_TRACE(name +
                                 (how == Damage::Removed  ? " removed"
                                  : how == Damage::Folder ? " a folder"
                                                          : " a FIFO") +
                                 (beforeStart ? " before the start" : " after the display"));
                    WriteGame game{GameBuilder(family)};
                    if (beforeStart)
                        damage(game.path(name), how);
                    game.startAt(1);
                    game.form().userEdit(controls::CraftNoBox, std::to_string(slot));
                    editSlot(game);
                    if (!beforeStart)
                        damage(game.path(name), how);
                    const auto before = snapshot(game.game.gameDir);
                    game.prompter.clearRecords();
                    game.write();
                    const std::set<std::string> changed = changedFiles(before, snapshot(game.game.gameDir));
                    if (changed.empty()) {
                        // Refused, or there is no slot to write: XWA's start-up needs strings.txt.
                        EXPECT_TRUE(anyMessageHas(game, "Nothing was written.") ||
                                    !game.control(controls::WriteButton).enabled())
                            << ::testing::PrintToString(game.messages());
                        continue;
                    }
                    // Written: then all of it, to the last file of the write.
                    EXPECT_EQ(game.messages(), std::vector<std::string>{});
                    EXPECT_TRUE(changed.contains("strings.txt")) << ::testing::PrintToString(changed);
                    EXPECT_EQ(
                        game.exe()[static_cast<std::size_t>(game.craftAt(slot) + (family == Family::Xwa ? 14 : 11))],
                        77);
                }
            }
        }
    }
}

TEST(WriteSafety, ADisplayThatStoppedRefusesTheWriteUntilTheSlotIsShownWhole)
{
    WriteGame game{GameBuilder(Family::Xwa)};
    const std::string descriptions = game.file("specdesc.txt");
    std::filesystem::remove(game.path("specdesc.txt"));
    game.startAt(5);
    EXPECT_EQ(game.control(controls::StatusBar).text(),
              "Slot 5 is not fully shown (the descriptions (specdesc.txt) could not be read); \"Write\" is refused "
              "until it is.");
    const auto before = snapshot(game.game.gameDir);
    game.write();
    ASSERT_EQ(game.prompter.records().size(), 1u);
    const Message& refusal = game.prompter.records().front().message;
    EXPECT_EQ(refusal.caption, "PLORIK error:");
    EXPECT_EQ(refusal.icon, MessageIcon::Error);
    EXPECT_EQ(
        refusal.text.rfind("Slot 5 is not fully shown: its display stopped at the descriptions (specdesc.txt): ", 0),
        0u)
        << refusal.text;
    EXPECT_NE(refusal.text.find("specdesc.txt\""), std::string::npos) << "the missing file is named: " << refusal.text;
    EXPECT_NE(refusal.text.find("\r\rNothing was written."), std::string::npos);
    EXPECT_TRUE(refusal.text.ends_with(".\r\rThe pages may hold another slot's values. Show the slot again once its "
                                       "files can be read.\r\rNothing was written."))
        << refusal.text;
    EXPECT_EQ(changedFiles(before, snapshot(game.game.gameDir)), std::set<std::string>{});

    // Once the file is back and the slot shown again, it writes.
    writeFile(game.path("specdesc.txt"), descriptions);
    game.form().userEdit(controls::CraftNoBox, "12");
    game.prompter.clearRecords();
    ASSERT_TRUE(game.form().userEdit(controls::SystemHitsBox, "77"));
    game.write();
    EXPECT_EQ(game.messages(), std::vector<std::string>{});
    EXPECT_EQ(game.exe()[static_cast<std::size_t>(game.craftAt(12) + 14)], 77);
}

TEST(WriteSafety, WithoutShipTypeEntriesTheWholeSlotIsWrittenAndNoPlaceholderNamesAFile)
{
    WriteGame game{GameBuilder(Family::Xvt).withKey("SHIPTYPESTART", "-1")};
    game.startAt(5);
    ASSERT_FALSE(game.control(controls::DBOPTFile).enabled());
    editSlot(game);
    const auto before = snapshot(game.game.gameDir);
    game.write();
    EXPECT_EQ(game.messages(), std::vector<std::string>{});
    EXPECT_EQ(changedFiles(before, snapshot(game.game.gameDir)),
              (std::set<std::string>{game.game.exeName, "fronttxt.txt", "specdesc.txt", "strings.txt"}));
    EXPECT_FALSE(std::filesystem::exists(game.path("n/a")));
    EXPECT_FALSE(std::filesystem::exists(game.path("n")));
}

TEST(WriteSafety, LineBreaksInAnyFieldBecomeBlanksAndEveryFileKeepsItsLineCount)
{
    for (const Family family : {Family::Xvt, Family::Xwa}) {
        SCOPED_TRACE(family == Family::Xwa ? "XWA" : "XvT");
        const std::int32_t slot = family == Family::Xwa ? 12 : 3;
        WriteGame game{GameBuilder(family)};
        game.startAt(slot);
        const auto lineCount = [&](const std::string& name) { return crlfLines(game.file(name)).size(); };
        const std::map<std::string, std::size_t> counts = {{"strings.txt", lineCount("strings.txt")},
                                                           {"specdesc.txt", lineCount("specdesc.txt")}};
        ASSERT_TRUE(game.form().userEdit(controls::CraftNameBox, "A\r\nB"));
        ASSERT_TRUE(game.form().userEdit(controls::PluralnameBox, "P\nQ\n\nR"));
        ASSERT_TRUE(game.form().userEdit(controls::DescriptionBox, "one\r\n!SPECIES_1!two\rthree"));
        if (family == Family::Xwa) {
            ASSERT_TRUE(game.form().userEdit(controls::IconBox, "1  ,\r\n2  "));
        }
        game.write();
        EXPECT_EQ(game.messages(), std::vector<std::string>{});
        for (const auto& [name, count] : counts)
            EXPECT_EQ(lineCount(name), count) << name;
        const std::string strings = game.file("strings.txt");
        EXPECT_NE(strings.find("A B\r\n"), std::string::npos);
        EXPECT_NE(strings.find("P Q R\r\n"), std::string::npos);
        EXPECT_NE(game.file("specdesc.txt").find("one !SPECIES_1!two three\r\n"), std::string::npos);
        if (family == Family::Xwa) {
            EXPECT_NE(game.file("shiplist.txt").find("1  , 2  \r\n"), std::string::npos);
        }
    }
}

TEST(WriteSafety, AShipListFieldThatWouldSplitTheLineIsRefused)
{
    for (const auto& [key, text] :
         std::vector<std::pair<ControlKey, std::string>>{{controls::Shiplistnamebox, "Wing,Leader"},
                                                         {controls::Shiplistnamebox, "Bang!"},
                                                         {controls::Playmodebox, "Fly,able"}}) {
        SCOPED_TRACE(std::string(key.name()) + " = " + text);
        WriteGame game{GameBuilder(Family::Xwa)};
        game.startAt(12);
        ASSERT_TRUE(game.form().userEdit(key, text));
        const auto before = snapshot(game.game.gameDir);
        game.write();
        ASSERT_EQ(game.prompter.records().size(), 1u);
        EXPECT_EQ(game.prompter.records().front().message.caption, "PLORIK error:");
        EXPECT_NE(game.messages().front().find(text), std::string::npos);
        EXPECT_NE(game.messages().front().find("Nothing was written."), std::string::npos);
        EXPECT_EQ(changedFiles(before, snapshot(game.game.gameDir)), std::set<std::string>{});
    }
}

TEST(WriteSafety, TheExecutableNeverGrowsARegionPastItsEndRefusesTheWrite)
{
    WriteGame game{GameBuilder(Family::Xvt)};
    game.startAt(80);
    editSlot(game);
    // Another tool cuts the executable inside slot 80's craft entry after it was shown.
    const std::string exe = game.exe().substr(0, static_cast<std::size_t>(game.craftAt(80) + 10));
    writeFile(game.game.executable(), exe);
    const auto before = snapshot(game.game.gameDir);
    game.write();
    ASSERT_EQ(game.prompter.records().size(), 1u);
    EXPECT_EQ(game.messages().front(),
              "PLORIK error:|the craft entry of slot 80 (bytes " + std::to_string(game.craftAt(80)) + " to " +
                  std::to_string(game.craftAt(80) + 239) + ") lies outside the executable, which has " +
                  std::to_string(exe.size()) + " bytes.\r\rNothing was written.");
    EXPECT_EQ(changedFiles(before, snapshot(game.game.gameDir)), std::set<std::string>{});
}

TEST(WriteSafety, EveryStepWritesTheSlotShownWhateverCraftNoSays)
{
    WriteGame game{GameBuilder(Family::Xwa)};
    game.startAt(12);
    ASSERT_TRUE(game.form().userEdit(controls::SpecNo, "40"));
    ASSERT_TRUE(game.form().userEdit(controls::CraftNameBox, "Shown"));
    ASSERT_TRUE(game.form().userCheck(controls::EnabledBox, false));
    const std::string before = game.exe();
    // The box's text changes without its handler running (as no user can make it): slot 12 stays.
    game.control(controls::CraftNoBox).setText("7");
    game.write();
    const std::string exe = game.exe();
    EXPECT_EQ(numberAt(exe, game.key("SPECNOOFFSET") + 2 * 39, 2), 12u);
    EXPECT_EQ(numberAt(exe, game.shipTypeAt(12) - 3, 1), 2u);
    EXPECT_EQ(bytesAt(exe, game.shipTypeAt(7) - 3, 24), bytesAt(before, game.shipTypeAt(7) - 3, 24));
    const std::string gender =
        crlfLines(game.file("strings.txt")).at(static_cast<std::size_t>(game.key("GENDERSTRTLINE") + 12 - 1));
    EXPECT_EQ(gender.substr(gender.size() - 6), ":Shown");
}

TEST(WriteSafety, AScratchFileLinkIsRemovedNotFollowed)
{
    if (!linksCanBeMade())
        GTEST_SKIP() << "this system lets the tests make no symbolic links";
    WriteGame game{GameBuilder(Family::Xvt)};
    TempDir elsewhere;
    const std::filesystem::path outside = elsewhere.path() / "precious.txt";
    writeFile(outside, "keep me\r\n");
    std::filesystem::create_symlink(outside, game.path("temp.tmp"));
    game.startAt(3);
    editSlot(game);
    game.write();
    EXPECT_EQ(game.messages(), std::vector<std::string>{});
    EXPECT_EQ(readFile(outside), "keep me\r\n");
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(game.path("temp.tmp"))));
    for (const std::string name : {"strings.txt", "fronttxt.txt", "specdesc.txt"}) {
        EXPECT_TRUE(std::filesystem::is_regular_file(std::filesystem::symlink_status(game.path(name)))) << name;
    }
}

TEST(WriteSafety, NoPlaceholderIsStoredAsANameOrAnIdentifier)
{
    // XWA slots from 219 on have no names: "n/a" shows, and the craft entry keeps its identifier.
    WriteGame game{GameBuilder(Family::Xwa)};
    game.startAt(220);
    ASSERT_EQ(game.control(controls::CraftIDBox).text(), "n/a");
    const std::string before = game.exe();
    game.write();
    const auto iff = bytesAt(game.exe(), game.craftAt(220), 4);
    EXPECT_EQ(iff, bytesAt(before, game.craftAt(220), 4));

    // A weapon code that data.txt does not name shows "Unkown" and keeps its value.
    WriteGame coded{GameBuilder(Family::Xwa)};
    coded.startAt(3);
    ASSERT_EQ(coded.control(controls::Laser3List).text(), "Unkown");
    const std::int64_t thirdLaser = coded.craftAt(3) + coded.key("WEAPONSTATSSTART") + 4;
    const auto code = bytesAt(coded.exe(), thirdLaser, 2);
    coded.write();
    EXPECT_EQ(bytesAt(coded.exe(), thirdLaser, 2), code);

    // A species without a description record shows "**no entry found**": its new record is empty.
    WriteGame described{GameBuilder(Family::Xwa)};
    described.startAt(11);
    ASSERT_EQ(described.control(controls::CraftTypeBox).text(), "**no entry found**");
    ASSERT_TRUE(described.form().userEdit(controls::CrewBox, "Two"));
    described.write();
    const std::vector<std::string> lines = crlfLines(described.file("specdesc.txt"));
    const std::vector<std::string> record(lines.end() - 5, lines.end());
    EXPECT_EQ(record, (std::vector<std::string>{"!SPEC_11_NAME!", "!SPEC_11_MANU!", "!SPEC_11_SIDE!", "!SPEC_11_DESC!",
                                                "!SPEC_11_CREW!Two"}));
}

TEST(WriteSafety, LinesCopiedByARewriteStayWholeInAFileWithoutLineEnds)
{
    WriteGame game{GameBuilder(Family::Xwa)};
    const std::string oneLine = "; " + std::string(40000, 'x');
    writeFile(game.path("specdesc.txt"), oneLine);
    game.startAt(12);
    ASSERT_TRUE(game.form().userEdit(controls::CrewBox, "Two"));
    game.write();
    const std::string written = game.file("specdesc.txt");
    ASSERT_EQ(written.rfind(oneLine + "\r\n!SPEC_12_NAME!", 0), 0u) << written.substr(0, 100);
    EXPECT_EQ(crlfLines(written.substr(oneLine.size() + 2)).size(), 5u);
}
