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
        game.form().userEdit(ui::CraftNoBox, std::to_string(slot));
    ASSERT_TRUE(game.form().userEdit(ui::CraftNameBox, name));
    ASSERT_TRUE(game.form().userEdit(ui::ShieldRechargeBox, "3"));
    ASSERT_TRUE(game.form().userEdit(ui::DescriptionBox, "Rebuilt " + name));
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
        const std::string shownName = game.control(ui::CraftNameBox).text();
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

        ASSERT_TRUE(press(game, ui::Recreatefromimage1));
        EXPECT_EQ(game.messages(), std::vector<std::string>{});
        EXPECT_EQ(status(game), "Done.");
        auto expected = before;
        expected["late.plt"] = "a pilot of later";
        if (!each.keys.empty()) // a block without its key stays as it is
            put(expected[game.game.exeName], weapons + 10, "WEAPONS");
        EXPECT_EQ(changedFiles(expected, snapshot(game.game.gameDir)), std::set<std::string>{});
        // The slot on screen shows what was restored.
        EXPECT_EQ(game.control(ui::CraftNameBox).text(), shownName);
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
        const std::string shownRecharge = game.control(ui::ShieldRechargeBox).text();
        editAndWrite(game, 4, "Four", {});
        // Slot 5 of the XWA demo has no species: "yes" gives it the new species 221, whose entry
        // held slot 221. Its ship list values are entered first.
        game.form().userEdit(ui::CraftNoBox, "5");
        if (family == Family::Xwa) {
            ASSERT_TRUE(game.form().userEdit(ui::Shiplistnamebox, "Five"));
            ASSERT_TRUE(game.form().userEdit(ui::Playmodebox, "Flyable"));
            ASSERT_TRUE(game.form().userEdit(ui::InSkirmishBox, "Skirmish"));
        }
        editAndWrite(game, 5, "Five",
                     family == Family::Xwa ? std::vector<std::string>{"yes"} : std::vector<std::string>{});
        if (family == Family::Xwa) {
            ASSERT_EQ(game.control(ui::SpecNo).text(), "221");
        }
        editAndWrite(game, 6, "Six", {});
        const auto edited = snapshot(game.game.gameDir);
        game.form().userEdit(ui::CraftNoBox, "5");
        game.prompter.clearRecords();

        ASSERT_TRUE(press(game, ui::Recreatesingleslot1));
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
        EXPECT_EQ(game.control(ui::ShieldRechargeBox).text(), shownRecharge);
        EXPECT_EQ(game.control(ui::CraftNameBox).text(), "Five");
    }
}

TEST(RestoreFromImage, ABlockFileMissingOrBeyondTheExecutableStopsBeforeAnythingIsWritten)
{
    struct Case {
        const char* name;
        ControlKey command;
        std::string file;
        std::function<void(std::string&)> change; // nullptr: the file is removed
        const char* named;                        // in the error
    };
    const Case cases[] = {
        {"missing weapon block", ui::Recreatefromimage1, "Weaponstats118784.bin", nullptr, "Weaponstats118784.bin"},
        {"species table past the end", ui::Recreatefromimage1, "specno114688.bin",
         [](std::string& bytes) { bytes.append(20000, 'x'); }, "the species table"},
        {"short craft table", ui::Recreatesingleslot1, "shipstats8192.bin",
         [](std::string& bytes) { bytes.resize(bytes.size() - 1); }, "shipstats8192.bin"},
        {"missing species table", ui::Recreatesingleslot1, "specno114688.bin", nullptr, "specno114688.bin"},
    };
    for (const Case& each : cases) {
        SCOPED_TRACE(each.name);
        WriteGame game{GameBuilder(Family::Xwa)};
        backUpAndRestart(game, 230);
        editAndWrite(game, 230, "Changed", {});
        game.prompter.clearRecords();
        const std::filesystem::path file = imageFolder(game) / each.file;
        if (each.change) {
            std::string bytes = readFile(file);
            each.change(bytes);
            writeFile(file, bytes);
        } else {
            std::filesystem::remove(file);
        }
        const auto before = snapshot(game.game.gameDir);
        ASSERT_TRUE(press(game, each.command));
        ASSERT_EQ(game.prompter.records().size(), 1u) << ::testing::PrintToString(game.messages());
        const Message& shown = game.prompter.records().front().message;
        EXPECT_EQ(shown.icon, MessageIcon::Error);
        EXPECT_NE(shown.text.find(each.named), std::string::npos) << shown.text;
        EXPECT_NE(shown.text.find("Nothing was written."), std::string::npos) << shown.text;
        EXPECT_EQ(changedFiles(before, snapshot(game.game.gameDir)), std::set<std::string>{});
        EXPECT_NE(status(game), "Done.");
    }
}

TEST(RestoreFromImage, ABlockFileLongerThanItsBlockIsWrittenWhole)
{
    WriteGame game{GameBuilder(Family::Xvt)};
    backUpAndRestart(game);
    const std::filesystem::path weapons = imageFolder(game) / "Weaponstats32768.bin";
    writeFile(weapons, readFile(weapons) + "LONGER");
    ASSERT_TRUE(press(game, ui::Recreatefromimage1));
    EXPECT_EQ(status(game), "Done.");
    EXPECT_EQ(region(game.exe(), 0x8000 + 336, 6), "LONGER");
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
                armed.emplace(FileFaults::Step::Rename, each.renameFault);
            ASSERT_TRUE(press(game, ui::Recreatefromimage1));
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
        // Six text and list files are written before the craft table; the ship type block fails.
        const ArmedFault armed(FileFaults::Step::Write, 8, 10);
        ASSERT_TRUE(press(game, ui::Recreatefromimage1));
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
