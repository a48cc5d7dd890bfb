// "Recreate from Image" and "Recreate Single Slot": the game comes back byte for byte, only what the
// command restores changes, and a restore that cannot complete says what it wrote.
#include "ImageFixture.h"

#include <functional>
#include <optional>

using namespace plorik;
using namespace plorik::testing;

namespace {

// Writes new values into a slot through the pages, as a user would.
void editAndWrite(WriteGame& game, std::int32_t slot, const std::string& name, const std::vector<std::string>& answers)
{
    if (game.session->currentSlot() != slot)
        game.form().userEdit(controls::CraftNoBox, std::to_string(slot));
    ASSERT_TRUE(game.form().userEdit(controls::CraftNameBox, name));
    ASSERT_TRUE(game.form().userEdit(controls::ScoreBox, "3"));
    ASSERT_TRUE(game.form().userEdit(controls::DescriptionBox, "Rebuilt " + name));
    game.write(answers);
}

std::string region(const std::string& bytes, std::int64_t at, std::int64_t length)
{
    return bytes.substr(static_cast<std::size_t>(at), static_cast<std::size_t>(length));
}

void put(std::string& bytes, std::int64_t at, const std::string& part)
{
    bytes.replace(static_cast<std::size_t>(at), part.size(), part);
}

} // namespace

TEST(RestoreFromImage, UndoesEditsOfSlotsAndTextFilesByteForByte)
{
    struct Case {
        const char* name;
        Family family;
        std::vector<std::pair<std::string, std::string>> keys;
    };
    const Case cases[] = {
        {"XvT", Family::Xvt, {}},
        {"XWA", Family::Xwa, {}},
        {"XWA without a weapon block", Family::Xwa, {{"WeaponOffset", "-1"}}},
    };
    for (const Case& each : cases) {
        SCOPED_TRACE(each.name);
        GameBuilder builder(each.family);
        for (const auto& [key, value] : each.keys)
            builder.withKey(key, value);
        WriteGame game{builder};
        const auto before = snapshot(game.game.gameDir);
        backUpAndRestart(game, 7);
        const std::string shownName = game.control(controls::CraftNameBox).text();
        editAndWrite(game, 3, "Restored Three", {});
        editAndWrite(game, 7, "Restored Seven", {});
        // The weapon block changes behind the editor's back; a pilot file appears.
        const std::int64_t weapons = each.family == Family::Xwa ? 0x1D000 : 0x8000;
        std::string exe = game.exe();
        put(exe, weapons + 10, "WEAPONS");
        writeFile(game.game.executable(), exe);
        writeFile(game.path("late.plt"), "a pilot of later");
        ASSERT_EQ(game.messages(), std::vector<std::string>{});
        const auto edited = snapshot(game.game.gameDir);
        ASSERT_GE(changedFiles(before, edited).size(), 4u);

        ASSERT_TRUE(press(game, controls::RecreateFromImageItem));
        EXPECT_EQ(game.messages(), std::vector<std::string>{});
        EXPECT_EQ(status(game), "Done.");
        auto expected = before;
        expected["late.plt"] = "a pilot of later";
        if (!each.keys.empty()) // a block without its key stays as it is
            put(expected[game.game.exeName], weapons + 10, "WEAPONS");
        EXPECT_EQ(changedFiles(expected, snapshot(game.game.gameDir)), std::set<std::string>{});
        // The slot on screen shows what was restored.
        EXPECT_EQ(game.control(controls::CraftNameBox).text(), shownName);
    }
}

TEST(RestoreSingleSlot, RestoresTheSlotsRecordsAndTheSpeciesEntriesThatNameIt)
{
    for (const Family family : {Family::Xvt, Family::Xwa}) {
        SCOPED_TRACE(family == Family::Xwa ? "XWA" : "XvT");
        GameBuilder builder(family);
        WriteGame game{builder};
        const std::string original = game.exe();
        backUpAndRestart(game, 5);
        const std::string shownRecharge = game.control(controls::ScoreBox).text();
        editAndWrite(game, 4, "Four", {});
        // Slot 5 of the XWA demo has no species: "yes" gives it the new species 221, whose entry
        // held slot 221. Its ship list values are entered first.
        game.form().userEdit(controls::CraftNoBox, "5");
        if (family == Family::Xwa) {
            ASSERT_TRUE(game.form().userEdit(controls::Shiplistnamebox, "Five"));
            ASSERT_TRUE(game.form().userEdit(controls::Playmodebox, "Flyable"));
            ASSERT_TRUE(game.form().userEdit(controls::InSkirmishBox, "Skirmish"));
        }
        editAndWrite(game, 5, "Five",
                     family == Family::Xwa ? std::vector<std::string>{"yes"} : std::vector<std::string>{});
        if (family == Family::Xwa) {
            ASSERT_EQ(game.control(controls::SpecNo).text(), "221");
        }
        editAndWrite(game, 6, "Six", {});
        const auto edited = snapshot(game.game.gameDir);
        game.form().userEdit(controls::CraftNoBox, "5");
        game.prompter.clearRecords();

        ASSERT_TRUE(press(game, controls::RecreateSingleSlotItem));
        EXPECT_EQ(game.messages(), std::vector<std::string>{});
        EXPECT_EQ(status(game), "Done.");
        auto expected = edited;
        std::string& exe = expected[game.game.exeName];
        const std::int64_t entry = game.key("ENTRYLENGTH");
        put(exe, game.craftAt(5), region(original, game.craftAt(5), entry));
        const std::int64_t shipType = game.shipTypeAt(5) - 3;
        put(exe, shipType, region(original, shipType, game.key("SHIPTYPELEN")));
        if (family == Family::Xwa) {
            const std::int64_t species221 = game.key("SPECNOOFFSET") + 2 * 220;
            put(exe, species221, region(original, species221, 2));
        }
        EXPECT_EQ(changedFiles(expected, snapshot(game.game.gameDir)), std::set<std::string>{});
        // The executable's values come back; the names, kept in the text files, stay.
        EXPECT_EQ(game.control(controls::ScoreBox).text(), shownRecharge);
        EXPECT_EQ(game.control(controls::CraftNameBox).text(), "Five");
    }
}

TEST(RestoreFromImage, ABlockFileOfAnotherSizeOrBeyondTheExecutableStopsBeforeAnythingIsWritten)
{
    // A block file's size is the one the backup wrote: shorter, longer or replaced, it is refused
    // before a byte of it is read, by both restores and by the package made from it.
    struct Case {
        const char* name;
        ControlKey command;
        std::string file;
        std::function<void(std::string&, const std::string&)> change; // the file's bytes, a ZT file; or 2 GB
        std::string named;                                            // in the error
    };
    const auto sized = [](std::size_t bytes) { return " has " + std::to_string(bytes) + " bytes; a backup writes"; };
    const Case cases[] = {
        {"craft table of 100 bytes", controls::RecreateFromImageItem, "shipstats8192.bin",
         [](std::string& bytes, const std::string&) { bytes.resize(100); }, sized(100)},
        {"weapon block longer", controls::RecreateFromImageItem, "Weaponstats118784.bin",
         [](std::string& bytes, const std::string&) { bytes += "LONGER"; }, sized(342)},
        {"ship type block a byte short", controls::RecreateFromImageItem, "shiptypeblock",
         [](std::string& bytes, const std::string&) { bytes.pop_back(); }, "shiptypeblock"},
        {"species table past the end", controls::RecreateFromImageItem, "specno114688.bin",
         [](std::string& bytes, const std::string&) { bytes.append(20000, 'x'); }, "(the species table)"},
        {"short craft table, one slot", controls::RecreateSingleSlotItem, "shipstats8192.bin",
         [](std::string& bytes, const std::string&) { bytes.resize(bytes.size() - 1); }, "shipstats8192.bin"},
        {"longer species table, one slot", controls::RecreateSingleSlotItem, "specno114688.bin",
         [](std::string& bytes, const std::string&) { bytes += "xy"; }, "specno114688.bin"},
        {"a ZT file saved over the craft table, package", controls::ZtPackageItem, "shipstats8192.bin",
         [](std::string& bytes, const std::string& zt) { bytes = zt; }, "shipstats8192.bin"},
        {"a ZT file saved over the craft table", controls::RecreateFromImageItem, "shipstats8192.bin",
         [](std::string& bytes, const std::string& zt) { bytes = zt; }, "shipstats8192.bin"},
        // Refused by its size alone: reading it would take 2 GB.
        {"craft table of 2 GB", controls::RecreateFromImageItem, "shipstats8192.bin", nullptr,
         sized(std::size_t{2} << 30)},
        {"weapon block of 2 GB, package", controls::ZtPackageItem, "Weaponstats118784.bin", nullptr,
         sized(std::size_t{2} << 30)},
    };
    for (const Case& each : cases) {
        SCOPED_TRACE(each.name);
        WriteGame game{GameBuilder(Family::Xwa)};
        backUpAndRestart(game, 230);
        editAndWrite(game, 230, "Changed", {});
        const std::filesystem::path zt = game.dir.path() / "slot.zt";
        ASSERT_TRUE(press(game, controls::SaveAsZtItem, {"file:" + zt.string()}));
        const std::string ztFile = readFile(zt);
        std::filesystem::remove(zt);
        game.prompter.clearRecords();
        std::filesystem::path file = imageFolder(game) / each.file;
        for (const auto& entry : std::filesystem::directory_iterator(imageFolder(game)))
            if (entry.path().filename().string().starts_with(each.file))
                file = entry.path();
        std::string bytes = readFile(file);
        const std::size_t expected = bytes.size();
        if (each.change) {
            each.change(bytes, ztFile);
            writeFile(file, bytes);
        } else {
            std::filesystem::resize_file(file, std::uintmax_t{2} << 30); // sparse: no 2 GB on the disk
        }
        const auto before = snapshot(game.game.gameDir);
        const std::filesystem::path package = game.dir.path() / "package.zt";
        ASSERT_TRUE(press(game, each.command,
                          each.command == controls::ZtPackageItem ? std::vector<std::string>{"file:" + package.string()}
                                                                  : std::vector<std::string>{}));
        // The package asks for its file first.
        const std::size_t asked = each.command == controls::ZtPackageItem ? 1 : 0;
        ASSERT_EQ(game.prompter.records().size(), asked + 1) << ::testing::PrintToString(game.messages());
        const Message& shown = game.prompter.records().back().message;
        EXPECT_EQ(shown.caption, "PLORIK error:");
        EXPECT_EQ(shown.icon, MessageIcon::Error);
        const std::string named = "The backup image file " + file.filename().string() + " (";
        EXPECT_NE(shown.text.find(named), std::string::npos) << shown.text;
        EXPECT_NE(shown.text.find("; a backup writes it with exactly " + std::to_string(expected) + " bytes."),
                  std::string::npos)
            << shown.text;
        EXPECT_NE(shown.text.find(each.named), std::string::npos) << shown.text;
        if (each.command != controls::ZtPackageItem) {
            EXPECT_NE(shown.text.find("Nothing was written."), std::string::npos) << shown.text;
        }
        EXPECT_EQ(changedFiles(before, snapshot(game.game.gameDir)), std::set<std::string>{});
        EXPECT_FALSE(std::filesystem::exists(package));
        EXPECT_EQ(
            status(game).rfind(std::string(each.command == controls::ZtPackageItem           ? "Make ZT Package"
                                           : each.command == controls::RecreateFromImageItem ? "Recreate from Image"
                                                                                             : "Recreate Single Slot") +
                                   " failed: " + named,
                               0),
            0u)
            << status(game);
    }
}

TEST(RestoreFromImage, AnImageWithoutABlockRestoresEveryBlockItHasAndNamesTheAbsentOnes)
{
    // An image taken before data.txt named the weapon block and the species table: it has neither
    // file. What it has comes back; the two blocks keep what the game holds now.
    for (const ControlKey command : {controls::RecreateFromImageItem, controls::RecreateSingleSlotItem}) {
        SCOPED_TRACE(command.name());
        WriteGame game{GameBuilder(Family::Xwa)};
        const auto original = snapshot(game.game.gameDir);
        backUpAndRestart(game, 3);
        std::filesystem::remove(imageFolder(game) / "Weaponstats118784.bin");
        std::filesystem::remove(imageFolder(game) / "specno114688.bin");
        editAndWrite(game, 3, "Three", {});
        std::string exe = game.exe();
        put(exe, 118784 + 10, "WEAPONS");
        put(exe, 114688 + 8, "KEPT");
        writeFile(game.game.executable(), exe);
        const auto edited = snapshot(game.game.gameDir);
        game.prompter.clearRecords();

        ASSERT_TRUE(press(game, command));
        // The single slot has nothing in the weapon block.
        const bool whole = command == controls::RecreateFromImageItem;
        EXPECT_EQ(game.messages(),
                  std::vector<std::string>{std::string("PLORIK warning:|The backup image has no ") +
                                           (whole ? "Weaponstats118784.bin (the weapon block), specno114688.bin (the "
                                                    "species table): it was taken before data.txt named those blocks."
                                                  : "specno114688.bin (the species table): it was taken before "
                                                    "data.txt named that block.") +
                                           " The game keeps what it holds there now; everything the image has is "
                                           "restored."});
        EXPECT_EQ(status(game), std::string(whole ? "2 files" : "1 file") +
                                    " could not be restored (see the warnings); everything else is done.");
        auto expected = command == controls::RecreateFromImageItem ? original : edited;
        std::string& restored = expected[game.game.exeName];
        if (command == controls::RecreateFromImageItem) {
            put(restored, 118784, region(exe, 118784, 336));
            put(restored, 114688, region(exe, 114688, 460));
        } else {
            const std::string& before = original.at(game.game.exeName);
            put(restored, game.craftAt(3), region(before, game.craftAt(3), game.key("ENTRYLENGTH")));
            const std::int64_t shipType = game.shipTypeAt(3) - 3;
            put(restored, shipType, region(before, shipType, game.key("SHIPTYPELEN")));
        }
        EXPECT_EQ(changedFiles(expected, snapshot(game.game.gameDir)), std::set<std::string>{});
    }
}

TEST(RestoreFromImage, ATextFileThatCannotBeRestoredStaysAsItWasAndTheRestoreGoesOn)
{
    struct Case {
        const char* name;
        Family family;
        std::function<void(WriteGame&)> fault; // done to the game before the press
        std::string warning;
        std::string unchanged; // the game file left as it was
        int renameFault = 0;   // the nth rename fails instead
    };
    const Case cases[] = {
        {"strings.txt cannot be renamed into place", Family::Xvt, nullptr, "\"strings.txt\" could not be restored!.",
         "strings.txt", 2},
        {"fronttxt.txt missing from the image", Family::Xvt,
         [](WriteGame& game) { std::filesystem::remove(imageFolder(game) / "fronttxt.txt"); },
         "\"fronttxt.txt\" could not be restored!.", "fronttxt.txt"},
        {"shiplist.txt missing from the image", Family::Xwa,
         [](WriteGame& game) { std::filesystem::remove(imageFolder(game) / "shiplist.txt"); },
         "\"shiplist.txt\" could not be restored.", "shiplist.txt"},
        {"a list file missing from the image", Family::Xwa,
         [](WriteGame& game) { std::filesystem::remove(imageFolder(game) / "Equipment0.lst"); },
         "\"FlightModels\\Equipment0.lst\" could not be restored.", "FlightModels/EQUIPMENT0.LST"},
    };
    for (const Case& each : cases) {
        SCOPED_TRACE(each.name);
        GameBuilder builder(each.family);
        WriteGame game{builder};
        const std::string original = game.exe();
        backUpAndRestart(game, 2);
        editAndWrite(game, 2, "Kept", {});
        game.prompter.clearRecords();
        if (each.fault)
            each.fault(game);
        const std::string kept = game.file(each.unchanged);
        {
            std::optional<ArmedFault> armed;
            if (each.renameFault > 0)
                armed.emplace(FileFaults::Step::Rename, each.renameFault); // the record is added to its file
            ASSERT_TRUE(press(game, controls::RecreateFromImageItem));
        }
        EXPECT_EQ(game.messages(), std::vector<std::string>{"PLORIK warning:|" + each.warning});
        EXPECT_EQ(game.prompter.records().front().message.icon, MessageIcon::Error);
        EXPECT_EQ(game.file(each.unchanged), kept);
        EXPECT_EQ(game.exe(), original);
        EXPECT_EQ(game.file("specdesc.txt"), readFile(imageFolder(game) / "specdesc.txt"));
        EXPECT_FALSE(std::filesystem::exists(game.path("temp.tmp")));
        EXPECT_EQ(status(game), "1 file could not be restored (see the warnings); everything else is done.");
    }
}

TEST(RestoreFromImage, AnExecutableWriteThatFailsNamesWhatWasWritten)
{
    WriteGame game{GameBuilder(Family::Xvt)};
    backUpAndRestart(game, 2);
    editAndWrite(game, 2, "Half", {});
    game.prompter.clearRecords();
    {
        // The history's record and six text and list files are written before the craft table; the
        // ship type block fails.
        const ArmedFault armed(FileFaults::Step::Write, 9, 10);
        ASSERT_TRUE(press(game, controls::RecreateFromImageItem));
    }
    ASSERT_EQ(game.prompter.records().size(), 1u) << ::testing::PrintToString(game.messages());
    EXPECT_NE(game.prompter.records().front().message.text.find(
                  "Written before the failure: specdesc.txt, strings.txt, fronttxt.txt, ivfiles\\spec640.lst, "
                  "ivfiles\\spec2640.lst, ivfiles\\spec3640.lst, the craft table (shipstats4096.bin)."),
              std::string::npos)
        << game.prompter.records().front().message.text;
    EXPECT_NE(game.prompter.records().front().message.text.find(
                  "the ship type block (shiptypeblock24576.bin) may be written in part."),
              std::string::npos);
    EXPECT_NE(status(game), "Done.");
}
