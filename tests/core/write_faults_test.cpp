// "Write" when it must not or cannot write: values that do not fit their fields are refused before
// anything is written, and a game file that cannot be replaced is left exactly as it was.
#include "WriteFixture.h"

#include "TestSystem.h"
#include "controls/MainWindowControls.h"
#include "io/FileFaults.h"
#include "io/Platform.h"

using namespace plorik;
using namespace plorik::testing;

namespace {

struct Refused {
    Family family;
    std::int32_t slot;
    ControlKey key;
    const char* text;
    const char* caption; // of the field, named in the message
    const char* allowed; // the largest value allowed, named too
};

// One error box, and what it says.
Message theError(const WriteGame& game)
{
    EXPECT_EQ(game.prompter.records().size(), 1u) << ::testing::PrintToString(game.messages());
    if (game.prompter.records().empty())
        return {};
    const Message& shown = game.prompter.records().front().message;
    EXPECT_EQ(shown.icon, MessageIcon::Error);
    EXPECT_EQ(shown.buttons, MessageButtons::Ok);
    return shown;
}

// Renames the craft so that fronttxt.txt, strings.txt and the OPT list have something to write.
void editNames(WriteGame& game)
{
    ASSERT_TRUE(game.form().userEdit(controls::CraftNameBox, "Renamed"));
    ASSERT_TRUE(game.form().userEdit(controls::CraftTypeBox, "Retyped"));
    ASSERT_TRUE(game.form().userEdit(controls::SystemHitsBox, "99"));
    ASSERT_TRUE(game.form().userEdit(controls::DBOPTFile, "RENAMED.opt"));
}

} // namespace

TEST(WriteRefusal, ValuesBeyondTheirFieldStopTheWriteBeforeAnythingIsWritten)
{
    const Refused cases[] = {
        {Family::Xvt, 2, controls::ShieldPowerBox, "-1", "Shield Power:", "85899345"},
        {Family::Xvt, 2, controls::ShieldPowerBox, "85899346", "Shield Power:", "85899345"},
        {Family::Xvt, 7, controls::ShieldPowerBox, "1374389535", "Shield Power:", "1374389534"},
        {Family::Xvt, 2, controls::HullRateBox, "-0.5", "Hull Rate:", "40904450"},
        {Family::Xwa, 2, controls::HullRateBox, "40904451", "Hull Rate:", "40904450"},
        {Family::Xwa, 6, controls::HullRateBox, "163617802", "Hull Rate:", "163617801"},
        {Family::Xvt, 2, controls::UnknownStrengthBox, "4294967296", "Unknown Strength:", "4294967295"},
        {Family::Xwa, 2, controls::UnknownStrengthBox, "-1", "Unknown Strength:", "4294967295"},
        {Family::Xvt, 2, controls::SpeedBox, "29127", "Speed:", "29126"},
        {Family::Xwa, 2, controls::SpeedBox, "65535", "Speed:", "29126"},
        {Family::Xvt, 2, controls::SpeedBox, "65636", "Speed:", "29126"},
        // Slot 5 has no species: the refusal comes before the species question.
        {Family::Xwa, 5, controls::ShieldPowerBox, "-2", "Shield Power:", "85899345"},
        {Family::Xwa, 2, controls::SpecNo, "0", "Species No.:", "230"},
        {Family::Xwa, 2, controls::SpecNo, "231", "Species No.:", "230"},
    };
    for (const Refused& each : cases) {
        SCOPED_TRACE(std::string(each.key.name()) + " = " + each.text + " in slot " + std::to_string(each.slot));
        WriteGame game{GameBuilder(each.family)};
        writeFile(game.path("ace.plt"), std::string(70000, '\0'));
        game.startAt(each.slot);
        ASSERT_TRUE(game.form().userCheck(controls::Known, true) || each.family == Family::Xvt);
        editNames(game);
        ASSERT_TRUE(game.form().userEdit(each.key, each.text));
        const auto before = snapshot(game.game.gameDir);
        game.write();
        const Message shown = theError(game);
        EXPECT_EQ(shown.caption, "PLORIK error:");
        EXPECT_NE(shown.text.find(each.caption), std::string::npos) << shown.text;
        EXPECT_NE(shown.text.find(each.allowed), std::string::npos) << shown.text;
        EXPECT_EQ(changedFiles(before, snapshot(game.game.gameDir)), std::set<std::string>{});
    }
}

TEST(WriteRefusal, TheLargestValuesAreAccepted)
{
    WriteGame game{GameBuilder(Family::Xwa)};
    game.startAt(2);
    ASSERT_TRUE(game.form().userEdit(controls::ShieldPowerBox, "85899345"));
    ASSERT_TRUE(game.form().userEdit(controls::HullRateBox, "40904450"));
    ASSERT_TRUE(game.form().userEdit(controls::SpecNo, "230"));
    game.write();
    EXPECT_EQ(game.messages(), std::vector<std::string>{});
    EXPECT_EQ(numberAt(game.exe(), game.craftAt(2) + 22, 4), 4294967250u);
    EXPECT_EQ(numberAt(game.exe(), game.craftAt(2) + 26, 4), 4294967250u);
}

TEST(WriteFileFaults, NoScratchFileMeansNothingIsWritten)
{
    WriteGame game{GameBuilder(Family::Xvt)};
    // A folder named temp.tmp, with something in it: no file can be made under that name.
    std::filesystem::create_directories(game.path("temp.tmp"));
    writeFile(game.path("temp.tmp") / "keep", "x");
    game.startAt(2);
    editNames(game);
    const auto before = snapshot(game.game.gameDir);
    game.write();
    const Message shown = theError(game);
    EXPECT_NE(shown.text.find("temp.tmp"), std::string::npos) << shown.text;
    EXPECT_NE(shown.text.find("Nothing was written."), std::string::npos) << shown.text;
    EXPECT_EQ(changedFiles(before, snapshot(game.game.gameDir)), std::set<std::string>{});
    EXPECT_TRUE(std::filesystem::is_directory(game.path("temp.tmp")));
}

TEST(WriteFileFaults, AFolderThatCannotBeWrittenToKeepsItsFiles)
{
    if (platform::isWindows())
        GTEST_SKIP() << "a Windows folder has no mode that keeps its owner from writing in it";
    // Root too: a write-protected folder is not written into behind its owner's back.
    WriteGame game{GameBuilder(Family::Xvt)};
    game.startAt(2);
    editNames(game);
    const auto before = snapshot(game.game.gameDir);
    std::filesystem::permissions(game.game.gameDir, std::filesystem::perms(0555));
    game.write();
    std::filesystem::permissions(game.game.gameDir, std::filesystem::perms(0755));
    theError(game);
    EXPECT_EQ(changedFiles(before, snapshot(game.game.gameDir)), std::set<std::string>{});
}

TEST(WriteFileFaults, AWriteProtectedFileIsReportedAndNothingIsWritten)
{
    for (const std::string protectedFile : {"strings.txt", "fronttxt.txt", "IVFiles/spec3640.lst"}) {
        SCOPED_TRACE(protectedFile);
        WriteGame game{GameBuilder(Family::Xvt)};
        game.startAt(2);
        editNames(game);
        const auto before = snapshot(game.game.gameDir);
        std::filesystem::permissions(game.path(protectedFile), std::filesystem::perms(0444));
        game.write();
        const Message shown = theError(game);
        EXPECT_NE(shown.text.find("write-protected"), std::string::npos) << shown.text;
        EXPECT_EQ(changedFiles(before, snapshot(game.game.gameDir)), std::set<std::string>{});
        EXPECT_EQ(std::filesystem::status(game.path(protectedFile)).permissions() & std::filesystem::perms::all,
                  std::filesystem::perms(0444));
    }
}

// A write-protected executable is shown and backed up (both only read it); "Write" refuses it, and a
// list folder that may not be written, before the first byte.
TEST(WriteFileFaults, WriteProtectedFilesAndFoldersAreReadButNotWritten)
{
    const struct {
        const char* name;
        const char* protectedPath;
        std::filesystem::perms mode;
        bool beforeStart;
        const char* reason;
    } cases[] = {
        {"executable, after the display", "", std::filesystem::perms(0444), false, "The file is write-protected"},
        {"executable, before the start", "", std::filesystem::perms(0444), true, "The file is write-protected"},
        {"list folder", "IVFiles", std::filesystem::perms(0555), true, "The folder is write-protected"},
    };
    for (const auto& each : cases) {
        // A Windows folder has no mode that keeps its owner from writing in it.
        if (*each.protectedPath != '\0' && platform::isWindows())
            continue;
        SCOPED_TRACE(each.name);
        WriteGame game{GameBuilder(Family::Xvt)};
        const std::filesystem::path target =
            *each.protectedPath == '\0' ? game.game.executable() : game.path(each.protectedPath);
        if (each.beforeStart)
            std::filesystem::permissions(target, each.mode);
        game.startAt(2);
        EXPECT_EQ(game.control(controls::CraftNoBox).text(), "2");
        if (each.beforeStart) {
            ASSERT_TRUE(game.form().userPress(controls::CreateBackupImageItem));
            EXPECT_EQ(game.messages(), std::vector<std::string>{});
            EXPECT_TRUE(std::filesystem::exists(game.game.programDir / "PLORIKbackup" / game.session->versionName() /
                                                "strings.txt"));
        }
        editNames(game);
        const auto before = snapshot(game.game.gameDir);
        std::filesystem::permissions(target, each.mode);
        game.write();
        const Message shown = theError(game);
        EXPECT_NE(shown.text.find(each.reason), std::string::npos) << shown.text;
        EXPECT_NE(shown.text.find(target.string()), std::string::npos) << shown.text;
        EXPECT_NE(shown.text.find("Nothing was written."), std::string::npos) << shown.text;
        EXPECT_EQ(changedFiles(before, snapshot(game.game.gameDir)), std::set<std::string>{});
    }
}

TEST(WriteFileFaults, AFailingWriteLeavesTheFileAsItWas)
{
    if (!FileSizeLimit::available())
        GTEST_SKIP() << "the system has no limit on the size of the files a process writes";
    WriteGame game{GameBuilder(Family::Xvt)};
    // strings.txt grows beyond what may be written; everything before it stays below.
    std::string strings = game.file("strings.txt");
    for (int line = 0; strings.size() < 150000; ++line)
        strings += "Padding line " + std::to_string(line) + "\r\n";
    writeFile(game.path("strings.txt"), strings);
    // The history would keep strings.txt's 150 000 bytes, more than the limit lets be written: it is
    // switched off, so that the limit stops the write midway.
    const auto ini = game.game.programDir / "plorik.ini";
    writeFile(ini, readFile(ini) + "0\r\n");
    game.startAt(2);
    editNames(game);
    {
        const FileSizeLimit limit(100000);
        game.write();
    }
    // A failure while writing names what was written before it.
    const Message shown = theError(game);
    EXPECT_NE(shown.text.find("\r\rWritten before the failure: the craft entry of slot 2, the ship type entry of slot "
                              "2, ivfiles\\spec3640.lst, "
                              "specdesc.txt, fronttxt.txt."),
              std::string::npos)
        << shown.text;
    EXPECT_EQ(game.file("strings.txt"), strings);
    EXPECT_EQ(crlfLines(game.file("fronttxt.txt")).at(21 + 2 - 2), "Renamed");
}

TEST(WriteFileFaults, AFailingRenameLeavesTheFileAsItWasAndNamesWhatWasWritten)
{
    WriteGame game{GameBuilder(Family::Xvt)};
    game.startAt(2);
    editNames(game);
    const std::string strings = game.file("strings.txt");
    // The OPT list, specdesc.txt and fronttxt.txt are renamed into place before strings.txt.
    FileFaults::arm(FileFaults::Step::Rename, 5); // the first puts the history's record in place
    game.write();
    FileFaults::disarm();
    const Message shown = theError(game);
    EXPECT_NE(shown.text.find("Written before the failure: the craft entry of slot 2, the ship type entry of slot 2, "
                              "ivfiles\\spec3640.lst, specdesc.txt, "
                              "fronttxt.txt."),
              std::string::npos)
        << shown.text;
    EXPECT_EQ(game.file("strings.txt"), strings);
    EXPECT_EQ(crlfLines(game.file("fronttxt.txt")).at(21 + 2 - 2), "Renamed");
    EXPECT_FALSE(std::filesystem::exists(game.path("temp.tmp")));
}
