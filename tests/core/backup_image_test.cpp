// "Create Backup Image": the image folder holds every block and file byte for byte and is there only
// when complete, failed copies are reported while the backup goes on, and a backup that cannot
// complete leaves the older image or none.
#include "ImageFixture.h"

#include "io/FolderLock.h"

#include <functional>
#include <optional>

using namespace plorik;
using namespace plorik::testing;

namespace {

struct ImagesMenu {
    bool backup;
    bool restores; // "Recreate from Image", "Recreate Single Slot" and "Make ZT Package"
};

void expectImagesMenu(WriteGame& game, ImagesMenu expected)
{
    EXPECT_EQ(game.control(controls::CreateBackupImageItem).enabled(), expected.backup);
    for (ControlKey key : {controls::RecreateFromImageItem, controls::RecreateSingleSlotItem, controls::ZtPackageItem})
        EXPECT_EQ(game.control(key).enabled(), expected.restores) << key.name();
    EXPECT_FALSE(game.control(controls::XwaZtPackageItem).enabled());
}

} // namespace

TEST(BackupImage, HoldsEveryBlockTextListAndPilotFileByteForByte)
{
    struct Case {
        const char* name;
        Family family;
        std::vector<std::pair<std::string, std::string>> keys;
        std::size_t largePilot = 0; // a pilot file copied in several pieces
        bool killedBefore = false;  // a backup killed before left its scratch folders: no image
    };
    const Case cases[] = {
        {"XvT", Family::Xvt, {}},
        {"XWA with a pilot file of 2 MB and more", Family::Xwa, {}, (std::size_t{2} << 20) + 4099},
        {"XvT without a weapon block", Family::Xvt, {{"WEAPONOFFSET", "-1"}}},
        {"XWA without ship types", Family::Xwa, {{"Shiptypestart", "-1"}}},
        {"XvT after a killed backup", Family::Xvt, {}, 0, true},
    };
    for (const Case& each : cases) {
        SCOPED_TRACE(each.name);
        GameBuilder builder(each.family);
        builder.withPilotFiles();
        for (const auto& [key, value] : each.keys)
            builder.withKey(key, value);
        WriteGame game{builder};
        if (each.largePilot > 0) {
            std::string pilot(each.largePilot, '\0');
            for (std::size_t at = 0; at < pilot.size(); ++at)
                pilot[at] = static_cast<char>(at * 7 + at / 251);
            writeFile(game.path("LARGE.PLT"), pilot);
        }
        // Neither a folder named like a pilot file nor a file of another kind is a pilot file.
        std::filesystem::create_directories(game.path("Folder.plt"));
        writeFile(game.path("notes.plt.txt"), "not a pilot");
        const std::filesystem::path images = game.game.programDir / "PLORIKbackup";
        if (each.killedBefore) {
            const std::filesystem::path folder = images / (demoXvtEntry().name + ".plorik-new.tmp");
            std::filesystem::create_directories(folder);
            writeFile(folder / "shipstats4096.bin", "a part");
        }
        game.startAt(1);
        expectImagesMenu(game, {true, false});

        ASSERT_TRUE(press(game, controls::CreateBackupImageItem));
        EXPECT_EQ(game.messages(), std::vector<std::string>{});
        EXPECT_EQ(status(game), "Done.");
        EXPECT_EQ(snapshot(imageFolder(game)), expectedImage(game));
        std::vector<std::filesystem::path> inImages;
        for (const auto& entry : std::filesystem::directory_iterator(images))
            inImages.push_back(entry.path());
        EXPECT_EQ(inImages, std::vector<std::filesystem::path>{imageFolder(game)}) << "a scratch folder stays";
        // Only the next start offers the image's commands.
        expectImagesMenu(game, {false, false});
        game.startAt(1);
        expectImagesMenu(game, {false, true});
    }
}

// A backup killed between its two renames leaves the older image beside the image folder's place;
// killed after them, beside the new image.
TEST(BackupImage, AnOlderImageLeftBesideByAKilledBackupIsPutBackOrRemovedAtTheNextStart)
{
    for (const bool newImageInPlace : {false, true}) {
        SCOPED_TRACE(newImageInPlace ? "killed after the swap" : "killed inside the swap");
        WriteGame game{GameBuilder(Family::Xvt).withPilotFiles()};
        game.startAt(1);
        ASSERT_TRUE(press(game, controls::CreateBackupImageItem));
        const std::map<std::string, std::string> image = snapshot(imageFolder(game));
        const std::filesystem::path older = imageFolder(game).string() + ".plorik-old.tmp";
        std::filesystem::rename(imageFolder(game), older);
        if (newImageInPlace)
            std::filesystem::copy(older, imageFolder(game));
        game.startAt(1);
        expectImagesMenu(game, {false, true});
        EXPECT_EQ(snapshot(imageFolder(game)), image);
        EXPECT_FALSE(std::filesystem::exists(older));
    }
}

TEST(BackupImage, AFileThatCannotBeCopiedIsReportedAndTheBackupGoesOn)
{
    WriteGame game{GameBuilder(Family::Xwa).withPilotFiles()};
    std::filesystem::remove(game.path("shiplist.txt"));
    game.startAt(1);
    {
        // Opened in turn: the executable, five text and list files, "Ace.plt", "ROOKIE.PLT".
        const ArmedFault armed(FileFaults::Step::Open, 8);
        ASSERT_TRUE(press(game, controls::CreateBackupImageItem));
    }
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
    ASSERT_TRUE(press(game, controls::CreateBackupImageItem));
    ASSERT_EQ(game.prompter.records().size(), 1u);
    const Message& shown = game.prompter.records().front().message;
    EXPECT_EQ(shown.icon, MessageIcon::Error);
    EXPECT_NE(shown.text.find("the weapon block"), std::string::npos) << shown.text;
    EXPECT_FALSE(std::filesystem::exists(game.game.programDir / "PLORIKbackup"));
    // The status bar names the failure, not the progress it stopped at.
    EXPECT_EQ(status(game).rfind("Create Backup Image failed: Read beyond end of file: the weapon block lies at", 0),
              0u)
        << status(game);
    EXPECT_TRUE(game.control(controls::CreateBackupImageItem).enabled());
}

TEST(BackupImage, ABackupThatCannotCompleteLeavesTheOlderImageOrNoneAndNoScratchFolder)
{
    // The image is built beside the image folder and takes its place only when complete: a failure
    // at any point leaves the image folder as it was (an older image or none) and nothing beside it.
    // XvT copies six text and list files before the first block file.
    struct Case {
        const char* name;
        std::optional<FileFaults::Step> step;
        int nth;
        std::string named; // in the error
        std::function<void(WriteGame&)> setup = nullptr;
    };
    const Case cases[] = {
        {"block file cannot be created", FileFaults::Step::Create, 7, "shipstats4096.bin"},
        {"block file written in part", FileFaults::Step::Write, 7, "shipstats4096.bin"},
        {"block file not put on the disk", FileFaults::Step::Flush, 7, "shipstats4096.bin"},
        {"the new image, or the older moved aside, cannot take its place", FileFaults::Step::Rename, 1,
         "PLORIK Demo XvT"},
        {"the new image cannot take the older one's place", FileFaults::Step::Rename, 2, "PLORIK Demo XvT"},
        {"PLORIKbackup is a file", std::nullopt, 0, "Not a directory: \"",
         [](WriteGame& game) { writeFile(game.game.programDir / "PLORIKbackup", "a file"); }},
        {"another PLORIK writes the game folder", std::nullopt, 0, "The game folder is in use by another PLORIK."},
    };
    for (const bool older : {false, true}) {
        for (const Case& each : cases) {
            SCOPED_TRACE(std::string(each.name) + (older ? ", older image" : ", no image"));
            if ((older && each.setup) || (!older && each.nth == 2))
                continue; // a file in the images folder's place, a second rename: only one of the two
            WriteGame game{GameBuilder(Family::Xvt).withPilotFiles()};
            game.startAt(1);
            if (older) {
                std::filesystem::create_directories(imageFolder(game));
                writeFile(imageFolder(game) / "shipstats4096.bin", "an older image");
                writeFile(imageFolder(game) / "ROOKIE.PLT", "an older pilot");
            }
            if (each.setup)
                each.setup(game);
            const auto before = snapshot(game.game.programDir);
            std::optional<FolderLock> held;
            if (!each.step && !each.setup)
                held.emplace(*FolderLock::tryLock(game.game.gameDir));
            {
                std::optional<ArmedFault> armed;
                if (each.step)
                    armed.emplace(*each.step, each.nth, 100);
                press(game, controls::CreateBackupImageItem);
                EXPECT_FALSE(FileFaults::pending());
            }
            held.reset();
            ASSERT_EQ(game.prompter.records().size(), 1u) << ::testing::PrintToString(game.messages());
            const Message& shown = game.prompter.records().front().message;
            EXPECT_EQ(shown.icon, MessageIcon::Error);
            EXPECT_NE(shown.text.find(each.named), std::string::npos) << shown.text;
            if (each.setup) {
                EXPECT_NE(shown.text.find((game.game.programDir / "PLORIKbackup").string() + "\""), std::string::npos)
                    << shown.text;
            }
            EXPECT_EQ(changedFiles(before, snapshot(game.game.programDir)), std::set<std::string>{});
            if (std::filesystem::is_directory(game.game.programDir / "PLORIKbackup")) {
                for (const auto& entry : std::filesystem::directory_iterator(game.game.programDir / "PLORIKbackup"))
                    EXPECT_EQ(entry.path(), imageFolder(game)) << "left beside the image";
            }
            EXPECT_TRUE(game.control(controls::CreateBackupImageItem).enabled());
            if (each.step || each.setup) {
                EXPECT_EQ(status(game).rfind("Create Backup Image failed: ", 0), 0u) << status(game);
            }
            EXPECT_NE(status(game), "Done.");
            game.startAt(1);
            expectImagesMenu(game, {!older, older});
        }
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
        ASSERT_TRUE(press(game, controls::CreateBackupImageItem));
        ASSERT_EQ(game.prompter.records().size(), 1u);
        const Message& shown = game.prompter.records().front().message;
        EXPECT_EQ(shown.caption, "PLORIK error:");
        EXPECT_NE(shown.text.find("\"" + name + "\""), std::string::npos) << shown.text;
        EXPECT_NE(shown.text.find("Nothing was written."), std::string::npos) << shown.text;
        EXPECT_EQ(changedFiles(before, snapshot(game.dir.path())), std::set<std::string>{});
    }
}
