// "Write" on a slot nobody edited: every control still shows what the display showed, so every byte
// and every line behind it stays, in every file of the game folder.
#include "FullSizeBuilder.h"
#include "Sampling.h"
#include "WriteFixture.h"

using namespace plorik;
using namespace plorik::testing;

namespace {

struct UneditedWrites {
    std::vector<std::string> drifts;  // "slot N: FILE FILE ..."
    std::vector<std::string> refused; // "slot N: " and the refusal
    std::int32_t abandoned = 0;       // writes that a question ended (declined)
};

// Shows and writes every slot in turn, declining every question (Cancel where it is offered, else
// No), and compares every file of the game folder after each write.
UneditedWrites writeEverySlot(const BuiltGame& game)
{
    ScriptedPrompter prompter;
    Session session(game.programDir, prompter);
    session.start();
    UneditedWrites result;
    auto before = snapshot(game.gameDir);
    for (std::int32_t slot = 1; slot <= game.slots; ++slot) {
        if (!sampled(slot - 1))
            continue;
        const std::string name = "slot " + std::to_string(slot) + ":";
        session.mainForm().userEdit(controls::CraftNoBox, std::to_string(slot));
        prompter.clearRecords();
        session.mainForm().userPress(controls::WriteButton);
        for (const auto& record : prompter.records()) {
            if (record.message.caption == "PLORIK error:")
                result.refused.push_back(name + " " + record.message.text);
            if (record.answer == "cancel")
                ++result.abandoned;
        }
        auto after = snapshot(game.gameDir);
        const std::set<std::string> changed = changedFiles(before, after);
        if (changed.empty())
            continue;
        std::string files = name;
        for (const std::string& file : changed)
            files += " " + file;
        result.drifts.push_back(files);
        before = std::move(after);
    }
    return result;
}

} // namespace

TEST(WriteUnedited, EverySlotOfEveryGameKeepsEveryFile)
{
    struct Case {
        const char* name;
        Family family;
        bool fullSize;
    };
    for (const Case& game : {Case{"XvT demo", Family::Xvt, false}, Case{"XWA demo", Family::Xwa, false},
                             Case{"XvT full size", Family::Xvt, true}, Case{"XWA full size", Family::Xwa, true}}) {
        SCOPED_TRACE(game.name);
        TempDir dir;
        GameBuilder builder = game.fullSize ? fullSizeBuilder(game.family, 2) : GameBuilder(game.family);
        const BuiltGame built = builder.withPilotFiles().build(dir.path());
        if (game.fullSize)
            growTextFiles(built, 2);
        const UneditedWrites writes = writeEverySlot(built);
        EXPECT_EQ(writes.drifts.size(), 0u) << writes.drifts.size() << " of " << built.slots << " slots drift, e.g. "
                                            << (writes.drifts.empty() ? "" : writes.drifts.front());
        // The only refusal: a slot without a species whose ship list fields show "n/a", as before any edit.
        for (const std::string& refusal : writes.refused)
            EXPECT_NE(refusal.find("shows no value (\"n/a\")"), std::string::npos) << refusal;
        std::cout << game.name << ": " << writes.drifts.size() << " of " << built.slots << " slots drift, "
                  << writes.refused.size() << " writes refused, " << writes.abandoned << " writes declined\n";
    }
}

namespace {

// The lines (split at LF) that differ between two texts of the same line count, as they read now;
// a text of another line count differs as a whole.
std::vector<std::string> changedLines(const std::string& before, const std::string& after)
{
    const auto split = [](const std::string& text) {
        std::vector<std::string> lines;
        std::size_t start = 0;
        while (start < text.size()) {
            const std::size_t end = std::min(text.find('\n', start), text.size());
            lines.push_back(text.substr(start, end - start));
            start = end + 1;
        }
        return lines;
    };
    const auto old = split(before);
    const auto now = split(after);
    if (old.size() != now.size())
        return {std::to_string(now.size()) + " lines instead of " + std::to_string(old.size())};
    std::vector<std::string> changed;
    for (std::size_t i = 0; i < now.size(); ++i) {
        if (now[i] != old[i])
            changed.push_back(now[i]);
    }
    return changed;
}

struct OneEdit {
    const char* name;
    Family family;
    ControlKey key;
    const char* text;               // "" ticks the control
    std::set<std::string> files;    // "exe" for the executable
    std::string file;               // the text file whose lines are checked, or "" for the executable
    std::vector<std::string> lines; // its changed lines, CR LF ends included
};

} // namespace

// Slot 7 has an upper-case "F:" gender line and tagged description lines: an edited control is
// converted and stored as before, and each other value of the same line or region keeps its bytes.
TEST(WriteUnedited, AnEditedControlChangesOnlyItsOwnLineOrBytes)
{
    const std::vector<OneEdit> edits = {
        {"XWA name",
         Family::Xwa,
         controls::CraftNameBox,
         "Renamed",
         {"strings.txt"},
         "strings.txt",
         {"!CRAFT_7!F:Renamed\r"}},
        {"XWA gender", Family::Xwa, controls::FemaleRadioB, "", {"strings.txt"}, "strings.txt", {}},
        {"XWA plural",
         Family::Xwa,
         controls::PluralnameBox,
         "Many",
         {"strings.txt"},
         "strings.txt",
         {"!CRAFT_7_PLURAL!Many\r"}},
        {"XWA crew", Family::Xwa, controls::CrewBox, "Nine", {"specdesc.txt"}, "specdesc.txt", {}},
        {"XWA speed", Family::Xwa, controls::SpeedBox, "100", {"exe"}, "", {}},
        {"XvT name",
         Family::Xvt,
         controls::CraftNameBox,
         "Renamed",
         {"fronttxt.txt", "strings.txt"},
         "strings.txt",
         {"F:Renamed\r"}},
        {"XvT description",
         Family::Xvt,
         controls::DescriptionBox,
         "Plain",
         {"specdesc.txt"},
         "specdesc.txt",
         {"Plain\r"}},
        {"XvT speed", Family::Xvt, controls::SpeedBox, "100", {"exe"}, "", {}},
    };
    for (const OneEdit& edit : edits) {
        SCOPED_TRACE(edit.name);
        WriteGame game{GameBuilder(edit.family)};
        game.startAt(7);
        const auto before = snapshot(game.game.gameDir);
        const std::string name = game.control(controls::CraftNameBox).text();
        if (*edit.text)
            ASSERT_TRUE(game.form().userEdit(edit.key, edit.text));
        else
            ASSERT_TRUE(game.form().userCheck(edit.key, true));
        game.write();
        EXPECT_EQ(game.messages(), std::vector<std::string>{});
        const auto after = snapshot(game.game.gameDir);
        std::set<std::string> expectedFiles;
        for (const std::string& file : edit.files)
            expectedFiles.insert(file == "exe" ? game.game.exeName : file);
        EXPECT_EQ(changedFiles(before, after), expectedFiles);
        if (edit.file.empty()) {
            // 100 is stored as 225 raw units, a word, and nothing else of the executable changes.
            const std::int64_t speed = game.craftAt(7) + game.key("SPEED");
            std::string expected = before.at(game.game.exeName);
            patch(expected, speed, {225, 0});
            EXPECT_EQ(differences(after.at(game.game.exeName), expected), std::vector<std::size_t>{});
            continue;
        }
        std::vector<std::string> lines = edit.lines;
        if (edit.key == controls::FemaleRadioB)
            lines = {"!CRAFT_7!f:" + name + "\r"};
        if (edit.key == controls::CrewBox)
            lines = {"!SPEC_" + game.control(controls::SpecNo).text() + "_CREW!Nine\r"};
        EXPECT_EQ(changedLines(before.at(edit.file), after.at(edit.file)), lines);
    }
}

// A text longer than a line of the game's text files keeps is refused, naming its box (or, when only
// its tag takes the line past the limit, the file and line), before anything is written; 255
// characters are written.
TEST(WriteUnedited, ATextLongerThanALineIsRefused)
{
    struct Text {
        Family family;
        ControlKey key;
        std::string text;
        const char* refusal; // "" for a text that is written
    };
    const std::string longest(255, 'x');
    const std::vector<Text> texts = {
        {Family::Xwa, controls::CraftNameBox, std::string(5000, 'n'),
         "Craft Name: holds 5000 characters; a line of the game's text files keeps at most 255."},
        {Family::Xwa, controls::DescriptionBox, std::string(1000, 'd'),
         "Description: holds 1000 characters; a line of the game's text files keeps at most 255."},
        {Family::Xwa, controls::Shiplistnamebox, std::string(256, 's'),
         "Shiplist Name: holds 256 characters; a line of the game's text files keeps at most 255."},
        {Family::Xvt, controls::PluralnameBox, std::string(256, 'p'),
         "Plural Name: holds 256 characters; a line of the game's text files keeps at most 255."},
        {Family::Xvt, controls::CrewBox, std::string(300, 'c'),
         "Crew: holds 300 characters; a line of the game's text files keeps at most 255."},
        {Family::Xvt, controls::CraftTypeBox, longest, ""},
        // The box holds 250 characters, but the line holds its tag as well.
        {Family::Xwa, controls::CrewBox, std::string(250, 'c'),
         "specdesc.txt line 51 would hold 264 characters; a line of the game's text files keeps at most 255."},
    };
    for (const Text& text : texts) {
        SCOPED_TRACE(std::string(text.key.name()) + " " + std::to_string(text.text.size()));
        WriteGame game{GameBuilder(text.family).withPilotFiles()};
        game.startAt(text.family == Family::Xwa ? 10 : 5); // slots with all their lines
        const auto before = snapshot(game.game.gameDir);
        ASSERT_TRUE(game.form().userEdit(text.key, text.text));
        game.write();
        if (*text.refusal) {
            EXPECT_EQ(game.messages(), std::vector<std::string>{std::string("PLORIK error:|") + text.refusal +
                                                                "\r\rNothing was written."});
            EXPECT_EQ(changedFiles(before, snapshot(game.game.gameDir)), std::set<std::string>{});
        } else {
            EXPECT_EQ(game.messages(), std::vector<std::string>{});
            EXPECT_EQ(changedLines(before.at("specdesc.txt"), game.file("specdesc.txt")),
                      std::vector<std::string>{longest + "\r"});
        }
    }
}

// After a write the files hold what the controls show: typing the old texts back and writing again
// restores every file, byte for byte (slot 8's lines have no tags that an edit would drop).
TEST(WriteUnedited, AnEditWrittenAndTypedBackRestoresEveryFile)
{
    for (const Family family : {Family::Xvt, Family::Xwa}) {
        WriteGame game{GameBuilder(family)};
        game.startAt(8);
        const auto before = snapshot(game.game.gameDir);
        const ControlKey boxes[] = {controls::PluralnameBox, controls::SystemHitsBox, controls::CrewBox};
        std::vector<std::string> shown;
        for (const ControlKey box : boxes) {
            shown.push_back(game.control(box).text());
            ASSERT_TRUE(game.form().userEdit(box, box == controls::SystemHitsBox ? "99" : "Other"));
        }
        game.write();
        ASSERT_NE(changedFiles(before, snapshot(game.game.gameDir)), std::set<std::string>{});
        for (std::size_t i = 0; i < std::size(boxes); ++i)
            ASSERT_TRUE(game.form().userEdit(boxes[i], shown[i]));
        game.write();
        EXPECT_EQ(game.messages(), std::vector<std::string>{});
        EXPECT_EQ(changedFiles(before, snapshot(game.game.gameDir)), std::set<std::string>{});
    }
}
