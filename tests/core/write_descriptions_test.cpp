// "Write" and the description files: specdesc.txt by species or by slot, and the XvT long names of
// fronttxt.txt.
#include "WriteFixture.h"

#include "controls/MainWindowControls.h"

using namespace plorik;
using namespace plorik::testing;

namespace {

const ControlKey kBoxes[] = {controls::CraftTypeBox, controls::ManufactorBox, controls::UsedByBox,
                             controls::DescriptionBox, controls::CrewBox};

std::vector<std::string> newRecord(std::int32_t slot)
{
    const std::string n = std::to_string(slot);
    return {"Type " + n, "Maker " + n, "Owners " + n, "About craft " + n + ", with a comma", "Crew " + n};
}

void typeRecord(Form& form, const std::vector<std::string>& record)
{
    for (std::size_t i = 0; i < record.size(); ++i)
        ASSERT_TRUE(form.userEdit(kBoxes[i], record[i])) << kBoxes[i];
}

std::vector<std::string> keyed(const std::string& species, const std::vector<std::string>& record)
{
    const char* const tags[] = {"_NAME!", "_MANU!", "_SIDE!", "_DESC!", "_CREW!"};
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < record.size(); ++i)
        lines.push_back("!SPEC_" + species + tags[i] + record[i]);
    return lines;
}

Message only(const WriteGame& game)
{
    EXPECT_EQ(game.prompter.records().size(), 1u);
    return game.prompter.records().empty() ? Message{} : game.prompter.records().front().message;
}

} // namespace

TEST(WriteDescriptions, KeyedRecordOfTheSpeciesIsReplaced)
{
    GameBuilder builder(Family::Xwa);
    // Species 30 is listed before 3: the whole key is compared.
    for (const std::int32_t slot : {3, 12}) {
        WriteGame game{builder};
        game.startAt(slot);
        std::vector<std::string> expected = crlfLines(game.file("specdesc.txt"));
        const std::size_t first = builder.descriptionRecordLine(slot) - 1;
        ASSERT_EQ(expected.at(first), "!SPEC_" + std::to_string(slot) + "_NAME!" + builder.craftType(slot));
        typeRecord(game.form(), newRecord(slot));
        game.write();
        EXPECT_EQ(game.messages(), std::vector<std::string>{});
        const std::vector<std::string> record = keyed(std::to_string(slot), newRecord(slot));
        std::copy(record.begin(), record.end(), expected.begin() + static_cast<std::ptrdiff_t>(first));
        EXPECT_EQ(game.file("specdesc.txt"), crlfText(expected)) << slot;
    }
}

TEST(WriteDescriptions, KeyedRecordOfASpeciesWithoutOneGoesLast)
{
    GameBuilder builder(Family::Xwa);
    ASSERT_FALSE(builder.hasDescriptionRecord(11));
    WriteGame game{builder};
    game.startAt(11);
    ASSERT_EQ(game.control(controls::CraftTypeBox).text(), "**no entry found**");
    std::vector<std::string> expected = crlfLines(game.file("specdesc.txt"));
    typeRecord(game.form(), newRecord(11));
    game.write();
    for (const std::string& line : keyed("11", newRecord(11)))
        expected.push_back(line);
    EXPECT_EQ(game.file("specdesc.txt"), crlfText(expected));
}

TEST(WriteDescriptions, PositionalRecordOfTheSlotIsReplacedUntagged)
{
    GameBuilder builder(Family::Xvt);
    // 1 follows the file's comments; 7 is tagged; 11 follows a comment line; 12 is a plain record.
    for (const std::int32_t slot : {1, 7, 11, 12}) {
        WriteGame game{builder};
        game.startAt(slot);
        std::vector<std::string> expected = crlfLines(game.file("specdesc.txt"));
        const std::size_t first = builder.descriptionRecordLine(slot) - 1;
        typeRecord(game.form(), newRecord(slot));
        game.write();
        EXPECT_EQ(game.messages(), std::vector<std::string>{});
        const std::vector<std::string> record = newRecord(slot);
        std::copy(record.begin(), record.end(), expected.begin() + static_cast<std::ptrdiff_t>(first));
        EXPECT_EQ(game.file("specdesc.txt"), crlfText(expected)) << slot;
    }
}

TEST(WriteDescriptions, ARecordWithACommentInsideComesBackUnchanged)
{
    // The display and the write take the four lines after the first as they come.
    WriteGame game{GameBuilder(Family::Xvt)};
    game.startAt(GameBuilder::kCommentedRecordSlot);
    const std::string before = game.file("specdesc.txt");
    game.write();
    EXPECT_EQ(game.file("specdesc.txt"), before);
}

TEST(WriteDescriptions, AShortPositionalFileStopsTheWriteAfterTheExecutable)
{
    WriteGame game{GameBuilder(Family::Xvt).cutFile("specdesc.txt", 30)};
    game.startAt(12);
    ASSERT_EQ(game.control(controls::CraftTypeBox).text(), "**Not editable**");
    ASSERT_TRUE(game.form().userEdit(controls::CraftTypeBox, "Made up"));
    ASSERT_TRUE(game.form().userEdit(controls::CraftNameBox, "Renamed"));
    ASSERT_TRUE(game.form().userEdit(controls::SystemHitsBox, "99"));
    const auto before = snapshot(game.game.gameDir);
    game.write();
    const Message shown = only(game);
    EXPECT_EQ(shown.caption, "PLORIK error:");
    EXPECT_EQ(shown.text,
              "Bad specdesc.txt file!\r\rPlease note that only the statistic data could be written, you should "
              "check that you have all the files required!");
    EXPECT_EQ(shown.icon, MessageIcon::Error);
    EXPECT_EQ(shown.buttons, MessageButtons::Ok);
    const auto after = snapshot(game.game.gameDir);
    EXPECT_EQ(static_cast<int>(after.at(game.game.exeName)[static_cast<std::size_t>(game.craftAt(12) + 11)]), 99);
    std::set<std::string> changed = changedFiles(before, after);
    changed.erase(game.game.exeName);
    EXPECT_EQ(changed, std::set<std::string>{});
}

TEST(WriteDescriptions, AnUneditableRecordIsSkippedSilently)
{
    WriteGame game{GameBuilder(Family::Xvt).cutFile("specdesc.txt", 30)};
    game.startAt(12);
    ASSERT_TRUE(game.form().userEdit(controls::CraftNameBox, "Renamed"));
    const std::string before = game.file("specdesc.txt");
    game.write();
    EXPECT_EQ(game.messages(), std::vector<std::string>{});
    EXPECT_EQ(game.file("specdesc.txt"), before);
    EXPECT_EQ(crlfLines(game.file("fronttxt.txt")).at(21 + 11 - 1), "Renamed");
}

TEST(WriteDescriptions, XvtSlotsFromSeventyGetANoticeInstead)
{
    WriteGame game{GameBuilder(Family::Xvt)};
    game.startAt(70);
    typeRecord(game.form(), newRecord(70));
    ASSERT_TRUE(game.form().userEdit(controls::CraftNameBox, "Seventy"));
    const std::string before = game.file("specdesc.txt");
    game.write();
    const Message shown = only(game);
    EXPECT_EQ(shown.caption, "PLORIK notify:");
    EXPECT_EQ(shown.text, "PLORIK currently doesn't write Specdesc and OPT list stuff for slots above 70 because BOP "
                          "behaves very differently with those. Edit them manually if you wish.");
    EXPECT_EQ(shown.icon, MessageIcon::Warning);
    EXPECT_EQ(game.file("specdesc.txt"), before);
    EXPECT_EQ(crlfLines(game.file("fronttxt.txt")).at(21 + 90 - 1), "Seventy");
    EXPECT_EQ(crlfLines(game.file("strings.txt")).at(10 + 70 - 1), "m:Seventy");

    // Slot 69 is still written.
    WriteGame below{GameBuilder(Family::Xvt)};
    below.startAt(69);
    typeRecord(below.form(), newRecord(69));
    below.write();
    EXPECT_EQ(below.messages(), std::vector<std::string>{});
    EXPECT_EQ(crlfLines(below.file("specdesc.txt")).at(below.builder.descriptionRecordLine(69) - 1), "Type 69");
}

TEST(WriteFrontText, TheLongNameGoesToTheSlotsLine)
{
    GameBuilder builder(Family::Xvt);
    WriteGame game{builder};
    game.startAt(3);
    std::vector<std::string> expected = crlfLines(game.file("fronttxt.txt"));
    const std::pair<std::int32_t, std::int64_t> slots[] = {{3, 2},   {69, 68}, {70, 90}, {71, 89},
                                                           {72, 77}, {73, 91}, {74, 73}, {80, 79}};
    for (const auto& [slot, distance] : slots) {
        ASSERT_TRUE(game.form().userEdit(controls::CraftNoBox, std::to_string(slot)));
        ASSERT_EQ(game.control(controls::CraftNameBox).text(), builder.longName(slot)) << slot;
        ASSERT_TRUE(game.form().userEdit(controls::CraftNameBox, "Long name of slot " + std::to_string(slot)));
        game.write();
        expected.at(static_cast<std::size_t>(21 + distance - 1)) = "Long name of slot " + std::to_string(slot);
        EXPECT_EQ(game.file("fronttxt.txt"), crlfText(expected)) << slot;
    }
}

TEST(WriteFrontText, AVersionWithoutItsLineStopsTheWriteAfterTheDescriptions)
{
    // The key left out of the entry, and given as -1.
    VersionEntry withoutKey = demoXvtEntry();
    std::erase_if(withoutKey.keys, [](const auto& key) { return key.first == "LONGNAMESTRTLINE"; });
    VersionEntry minusOne = demoXvtEntry();
    minusOne.keys.emplace_back("LONGNAMESTRTLINE", "-1");
    for (const auto& [variant, entry] : {std::pair{"left out", withoutKey}, std::pair{"-1", minusOne}}) {
        SCOPED_TRACE(std::string("LONGNAMESTRTLINE ") + variant);
        WriteGame game{GameBuilder(Family::Xvt).withDataFile(dataFileText({entry}))};
        game.startAt(12);
        typeRecord(game.form(), newRecord(12));
        ASSERT_TRUE(game.form().userEdit(controls::CraftNameBox, "Renamed"));
        const std::string front = game.file("fronttxt.txt");
        const std::string strings = game.file("strings.txt");
        game.write();
        const Message shown = only(game);
        EXPECT_EQ(shown.caption, "PLORIK error:");
        EXPECT_EQ(shown.text,
                  "No offset for fronttxt.txt is specified for this XvT version\r\rPlease note that only the "
                  "statistic data and specdesc descriptions could be written!");
        EXPECT_EQ(shown.icon, MessageIcon::Error);
        EXPECT_EQ(game.file("fronttxt.txt"), front);
        EXPECT_EQ(game.file("strings.txt"), strings);
        EXPECT_EQ(crlfLines(game.file("specdesc.txt")).at(game.builder.descriptionRecordLine(12) - 1), "Type 12");
    }
}
