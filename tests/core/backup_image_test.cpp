// "Create Backup Image": the image folder holds every block and file byte for byte, failed copies are
// reported while the backup goes on, and a backup that cannot read the executable writes nothing.
#include "ImageFixture.h"

using namespace plorik;
using namespace plorik::testing;

namespace {

struct ImagesMenu {
    bool backup;
    bool restores; // "Recreate from Image", "Recreate Single Slot" and "Make ZT Package"
};

void expectImagesMenu(WriteGame& game, ImagesMenu expected)
{
    EXPECT_EQ(game.control(ui::Backup1).enabled(), expected.backup);
    for (ControlKey key : {ui::Recreatefromimage1, ui::Recreatesingleslot1, ui::ZTpackage1})
        EXPECT_EQ(game.control(key).enabled(), expected.restores) << key.name();
    EXPECT_FALSE(game.control(ui::XWAZTpackage1).enabled());
}

} // namespace

TEST(BackupImage, HoldsEveryBlockTextListAndPilotFileByteForByte)
{
    struct Case {
        const char* name;
        Family family;
        std::vector<std::pair<std::string, std::string>> keys;
    };
    const Case cases[] = {
        {"XvT", Family::Xvt, {}},
        {"XWA", Family::Xwa, {}},
        {"XvT without a weapon block", Family::Xvt, {{"WEAPONOFFSET", "-1"}}},
        {"XWA without ship types", Family::Xwa, {{"Shiptypestart", "-1"}}},
    };
    for (const Case& each : cases) {
        SCOPED_TRACE(each.name);
        GameBuilder builder(each.family);
        builder.withPilotFiles();
        for (const auto& [key, value] : each.keys)
            builder.withKey(key, value);
        WriteGame game{builder};
        // Neither a folder named like a pilot file nor a file of another kind is a pilot file.
        std::filesystem::create_directories(game.path("Folder.plt"));
        writeFile(game.path("notes.plt.txt"), "not a pilot");
        game.startAt(1);
        expectImagesMenu(game, {true, false});

        ASSERT_TRUE(press(game, ui::Backup1));
        EXPECT_EQ(game.messages(), std::vector<std::string>{});
        EXPECT_EQ(status(game), "Done.");
        EXPECT_EQ(snapshot(imageFolder(game)), expectedImage(game));
        // Only the next start offers the image's commands.
        expectImagesMenu(game, {false, false});
        game.startAt(1);
        expectImagesMenu(game, {false, true});
    }
}

TEST(BackupImage, AFileThatCannotBeCopiedIsReportedAndTheBackupGoesOn)
{
    WriteGame game{GameBuilder(Family::Xwa).withPilotFiles()};
    std::filesystem::remove(game.path("shiplist.txt"));
    game.startAt(1);
    // An older image in which a pilot file's name is taken by a folder: that copy cannot replace it.
    std::filesystem::create_directories(imageFolder(game) / "ROOKIE.PLT");
    ASSERT_TRUE(press(game, ui::Backup1));
    EXPECT_EQ(game.messages(),
              (std::vector<std::string>{
                  "PLORIK warning:|\"shiplist.txt\" could not be backed up!.",
                  "PLORIK warning:|Pilot file: \"" + game.path("ROOKIE.PLT").string() + "\" could not be backed up!.",
              }));
    for (const auto& record : game.prompter.records())
        EXPECT_EQ(record.message.icon, MessageIcon::Error);
    // Not "Done.": the image misses two files.
    EXPECT_EQ(status(game), "2 files could not be backed up (see the warnings); everything else is done.");
    std::map<std::string, std::string> expected = expectedImage(game);
    expected.erase("ROOKIE.PLT");
    EXPECT_EQ(snapshot(imageFolder(game)), expected);
}

TEST(BackupImage, AnExecutableShorterThanABlockStopsTheBackupBeforeAnythingIsWritten)
{
    WriteGame game{GameBuilder(Family::Xvt).withPilotFiles()};
    game.startAt(1);
    // The weapon block is the last one; its last byte is gone.
    std::string exe = game.exe();
    exe.resize(static_cast<std::size_t>(game.key("WEAPONOFFSET") + 335));
    writeFile(game.game.executable(), exe);
    ASSERT_TRUE(press(game, ui::Backup1));
    ASSERT_EQ(game.prompter.records().size(), 1u);
    const Message& shown = game.prompter.records().front().message;
    EXPECT_EQ(shown.icon, MessageIcon::Error);
    EXPECT_NE(shown.text.find("the weapon block"), std::string::npos) << shown.text;
    EXPECT_FALSE(std::filesystem::exists(game.game.programDir / "PLORIKbackup"));
    EXPECT_EQ(status(game), "Creating backup image...");
    EXPECT_TRUE(game.control(ui::Backup1).enabled());
}

TEST(BackupImage, ABlockFileThatCannotBeWrittenLeavesTheOlderOneAndNoScratchFile)
{
    // XvT copies six text and list files before the first block file.
    const struct {
        const char* name;
        FileFaults::Step step;
        std::size_t partial;
    } faults[] = {{"create", FileFaults::Step::Create, 0},
                  {"write midway", FileFaults::Step::Write, 100},
                  {"rename", FileFaults::Step::Rename, 0}};
    for (const auto& fault : faults) {
        SCOPED_TRACE(fault.name);
        WriteGame game{GameBuilder(Family::Xvt)};
        game.startAt(1);
        const std::filesystem::path older = imageFolder(game) / "shipstats4096.bin";
        std::filesystem::create_directories(older.parent_path());
        writeFile(older, "an older image");
        {
            const ArmedFault armed(fault.step, 7, fault.partial);
            press(game, ui::Backup1);
        }
        ASSERT_EQ(game.prompter.records().size(), 1u) << ::testing::PrintToString(game.messages());
        EXPECT_NE(game.prompter.records().front().message.text.find("shipstats4096.bin"), std::string::npos);
        EXPECT_EQ(readFile(older), "an older image");
        EXPECT_FALSE(std::filesystem::exists(imageFolder(game) / "temp.tmp"));
        EXPECT_TRUE(std::filesystem::exists(imageFolder(game) / "spec3640.lst"));
        EXPECT_NE(status(game), "Done.");
    }
}

TEST(BackupImage, AVersionNameThatLeavesTheImagesFolderIsRefused)
{
    for (const std::string name : {"..", ".", "Demo/XvT", "Demo\\..\\..\\XvT"}) {
        SCOPED_TRACE(name);
        VersionEntry entry = demoXvtEntry();
        entry.name = name;
        WriteGame game{GameBuilder(Family::Xvt).withDataFile(dataFileText({entry}))};
        // ".." names the program folder, which exists: still no image.
        std::filesystem::create_directories(game.game.programDir / "PLORIKbackup" / "Demo");
        game.startAt(1);
        expectImagesMenu(game, {true, false});
        const auto before = snapshot(game.dir.path());
        ASSERT_TRUE(press(game, ui::Backup1));
        ASSERT_EQ(game.prompter.records().size(), 1u);
        const Message& shown = game.prompter.records().front().message;
        EXPECT_EQ(shown.caption, "PLORIK error:");
        EXPECT_NE(shown.text.find("\"" + name + "\""), std::string::npos) << shown.text;
        EXPECT_NE(shown.text.find("Nothing was written."), std::string::npos) << shown.text;
        EXPECT_EQ(changedFiles(before, snapshot(game.dir.path())), std::set<std::string>{});
    }
}
