// "Write" and strings.txt: the gender and name, plural and short-name lines of the slot, and how
// the rest of the file is copied.
#include "WriteFixture.h"

#include "controls/MainWindowControls.h"
#include "io/Platform.h"

#include <set>

using namespace plorik;
using namespace plorik::testing;

namespace {

void renameCraft(Form& form, const std::string& name, const std::string& plural, const std::string& shortName)
{
    ASSERT_TRUE(form.userEdit(controls::CraftNameBox, name));
    ASSERT_TRUE(form.userEdit(controls::PluralnameBox, plural));
    ASSERT_TRUE(form.userEdit(controls::CraftIDBox, shortName));
}

} // namespace

TEST(WriteStrings, XvtLinesAreTheGenderLineOfTheSlotPluralAndShortName)
{
    // Lines as data.txt writes them: gender 10 + s, plural 101 + i, short name 201 + i.
    for (const std::int32_t slot : {1, 3, 80}) {
        WriteGame game{GameBuilder(Family::Xvt)};
        game.startAt(slot);
        std::vector<std::string> expected = crlfLines(game.file("strings.txt"));
        renameCraft(game.form(), "Zed Craft", "Zeds", "ZED");
        ASSERT_TRUE(game.form().userCheck(controls::FemaleRadioB, true));
        game.write();
        expected.at(static_cast<std::size_t>(10 + slot - 1)) = "f:Zed Craft";
        expected.at(static_cast<std::size_t>(101 + slot - 2)) = "Zeds";
        expected.at(static_cast<std::size_t>(201 + slot - 2)) = "ZED";
        EXPECT_EQ(game.file("strings.txt"), crlfText(expected)) << slot;
    }
}

TEST(WriteStrings, XwaLinesKeepTheTagOfTheGenderLine)
{
    for (const std::int32_t slot : {3, 218}) {
        WriteGame game{GameBuilder(Family::Xwa)};
        game.startAt(slot);
        std::vector<std::string> expected = crlfLines(game.file("strings.txt"));
        renameCraft(game.form(), "Zed Craft", "Zeds", "ZED");
        ASSERT_TRUE(game.form().userCheck(controls::MaleRadioB, true));
        game.write();
        EXPECT_EQ(game.messages(), std::vector<std::string>{});
        const std::string tag = "!CRAFT_" + std::to_string(slot);
        expected.at(static_cast<std::size_t>(10 + slot - 1)) = tag + "!m:Zed Craft";
        expected.at(static_cast<std::size_t>(301 + slot - 2)) = tag + "_PLURAL!Zeds";
        expected.at(static_cast<std::size_t>(601 + slot - 2)) = tag + "_SHORT!ZED";
        EXPECT_EQ(game.file("strings.txt"), crlfText(expected)) << slot;
    }
}

TEST(WriteStrings, XwaGenderLineWithAnotherTagLendsItToAllThree)
{
    WriteGame game{GameBuilder(Family::Xwa)};
    std::vector<std::string> lines = crlfLines(game.file("strings.txt"));
    lines.at(10 + 4 - 1) = "!TAG!f:Raven Scout";
    writeFile(game.path("strings.txt"), crlfText(lines));
    game.startAt(4);
    ASSERT_TRUE(game.control(controls::FemaleRadioB).checked());
    renameCraft(game.form(), "Raven", "Ravens", "RAV");
    game.write();
    lines.at(10 + 4 - 1) = "!TAG!f:Raven";
    lines.at(301 + 4 - 2) = "!TAG_PLURAL!Ravens";
    lines.at(601 + 4 - 2) = "!TAG_SHORT!RAV";
    EXPECT_EQ(game.file("strings.txt"), crlfText(lines));
}

TEST(WriteStrings, XwaSlotsAfter218GetANoticeAndTheFileStaysAsItWas)
{
    WriteGame game{GameBuilder(Family::Xwa)};
    game.startAt(219);
    ASSERT_EQ(game.control(controls::CraftNameBox).text(), "n/a");
    ASSERT_TRUE(game.form().userEdit(controls::CraftNameBox, "Too far"));
    ASSERT_TRUE(game.form().userEdit(controls::CraftTypeBox, "Far type"));
    ASSERT_TRUE(game.form().userEdit(controls::SystemHitsBox, "99"));
    const std::string strings = game.file("strings.txt");
    game.write();
    ASSERT_EQ(game.prompter.records().size(), 1u);
    const Message& shown = game.prompter.records().front().message;
    EXPECT_EQ(shown.caption, "PLORIK notify:");
    EXPECT_EQ(shown.text, "Strings.txt stuff will not be written for slots above 217. \r\rEverything else will be "
                          "written as normal.");
    EXPECT_EQ(shown.icon, MessageIcon::Error);
    EXPECT_EQ(shown.buttons, MessageButtons::Ok);
    EXPECT_EQ(game.file("strings.txt"), strings);
    EXPECT_EQ(game.exe()[static_cast<std::size_t>(game.craftAt(219) + 14)], 99);
    EXPECT_EQ(crlfLines(game.file("specdesc.txt")).at(game.builder.descriptionRecordLine(219) - 1),
              "!SPEC_219_NAME!Far type");
}

TEST(WriteStrings, CopiedLinesAndWrittenFieldsStayWhole)
{
    WriteGame game{GameBuilder(Family::Xvt)};
    std::vector<std::string> lines = crlfLines(game.file("strings.txt"));
    const std::string longBefore(300, 'b');
    const std::string longAfter = std::string(254, 'a') + "\xE9" + "tail";
    lines.at(4) = longBefore;
    lines.at(250) = longAfter;
    writeFile(game.path("strings.txt"), crlfText(lines));
    game.startAt(3);
    // The longest name a line keeps beside its "m:"; the plural and short-name lines, not edited, stay
    // as they were, the 300 characters of line 5 too.
    const std::string longName = "N" + std::string(252, 'n');
    ASSERT_TRUE(game.form().userEdit(controls::CraftNameBox, longName));
    game.write();
    EXPECT_EQ(game.messages(), std::vector<std::string>{});
    std::vector<std::string> expected = lines;
    expected.at(10 + 3 - 1) = "m:" + longName;
    EXPECT_EQ(game.file("strings.txt"), crlfText(expected));
    EXPECT_EQ(crlfLines(game.file("fronttxt.txt")).at(21 + 3 - 2), longName);
}

TEST(WriteStrings, NoShortNameLineWithoutItsKey)
{
    WriteGame game{GameBuilder(Family::Xvt)};
    VersionEntry entry = demoXvtEntry();
    entry.keys.emplace_back("SHORTNAMESLINE", "-1");
    writeFile(game.game.programDir / "data.txt", dataFileText({entry}));
    game.startAt(3);
    std::vector<std::string> expected = crlfLines(game.file("strings.txt"));
    renameCraft(game.form(), "Zed Craft", "Zeds", "ZED");
    game.write();
    expected.at(10 + 3 - 1) = "m:Zed Craft";
    expected.at(101 + 3 - 2) = "Zeds";
    EXPECT_EQ(game.file("strings.txt"), crlfText(expected));
}

TEST(WriteStrings, CopiedLinesKeepTheirOwnLineEndsAndWrittenLinesEndWithCrLf)
{
    WriteGame game{GameBuilder(Family::Xvt)};
    std::vector<std::string> lines = crlfLines(game.file("strings.txt"));
    // Bare line feeds, a lone CR on line 3, and a last line without its end.
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i)
        text += lines[i] + (i == 2 ? "\r" : i + 1 == lines.size() ? "" : "\n");
    writeFile(game.path("strings.txt"), text);
    game.startAt(3);
    ASSERT_TRUE(game.form().userEdit(controls::CraftNameBox, "Ends"));
    ASSERT_TRUE(game.form().userEdit(controls::PluralnameBox, "Plurals"));
    ASSERT_TRUE(game.form().userEdit(controls::CraftIDBox, "END"));
    game.write();
    EXPECT_EQ(game.messages(), std::vector<std::string>{});
    std::string expected;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i == 10 + 3 - 1)
            expected += "m:Ends\r\n";
        else if (i == 101 + 3 - 2)
            expected += "Plurals\r\n";
        else if (i == 201 + 3 - 2)
            expected += "END\r\n";
        else
            expected += lines[i] + (i == 2 ? "\r" : i + 1 == lines.size() ? "" : "\n");
    }
    EXPECT_EQ(game.file("strings.txt"), expected);
}

TEST(WriteStrings, AFileNamedInAnotherCaseIsReplacedUnderItsOwnName)
{
    if (platform::isWindows())
        GTEST_SKIP()
            << "Windows finds names in any case itself, and its rename gives a replaced file the name asked for";
    WriteGame game{GameBuilder(Family::Xvt)};
    std::filesystem::rename(game.path("strings.txt"), game.path("Strings.TXT"));
    game.startAt(3);
    std::vector<std::string> expected = crlfLines(game.file("Strings.TXT"));
    ASSERT_TRUE(game.form().userEdit(controls::CraftNameBox, "Cased"));
    game.write();
    EXPECT_EQ(game.messages(), std::vector<std::string>{});
    expected.at(10 + 3 - 1) = "m:Cased";
    EXPECT_EQ(game.file("Strings.TXT"), crlfText(expected));
    // By the names the folder holds: a system that finds names in any case finds "strings.txt" too.
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(game.game.gameDir))
        names.insert(entry.path().filename().string());
    EXPECT_FALSE(names.contains("strings.txt"));
    EXPECT_TRUE(names.contains("Strings.TXT"));
    EXPECT_FALSE(std::filesystem::exists(game.path("temp.tmp")));
}
