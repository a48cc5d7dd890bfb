// The command line's own parts, tested without a game. The test program does not link plorik-cli,
// so their sources are compiled in here, once.
#include "CliPrompter.h"
#include "controls/MainWindowControls.h"

#include "FormJson.h"
#include "Json.h"
#include "PressTarget.h"

#include <gtest/gtest.h>
#include <sstream>

namespace plorik::cli {
namespace {

TEST(CliJson, GameTextBytesBecomeTheSameCharactersInUtf8)
{
    EXPECT_EQ(jsonString("Caf\xE9"), "\"Caf\xC3\xA9\"");
    EXPECT_EQ(jsonString("\x80\xBF\xC0\xFF"), "\"\xC2\x80\xC2\xBF\xC3\x80\xC3\xBF\"");
    EXPECT_EQ(jsonString("plain ~ text"), "\"plain ~ text\"");
}

TEST(CliJson, EscapesQuotesBackslashesAndControlCharacters)
{
    EXPECT_EQ(jsonString("say \"hi\""), R"("say \"hi\"")");
    EXPECT_EQ(jsonString("C:\\Games\\"), R"("C:\\Games\\")");
    EXPECT_EQ(jsonString("a\rb\nc\td"), R"("a\rb\nc\td")");
    EXPECT_EQ(jsonString(std::string("\x01\x1F\b\f", 4)), R"("\u0001\u001f\b\f")");
    EXPECT_EQ(jsonString(std::string("a\0b", 3)), R"("a\u0000b")");
}

TEST(CliJson, WritesEveryKindOfValue)
{
    Json value = Json::object();
    value.set("null", nullptr);
    value.set("yes", true);
    value.set("no", false);
    value.set("negative", -5);
    value.set("big", std::int64_t{4294967296});
    value.set("half", 0.5);
    value.set("empty list", Json::array());
    value.set("empty object", Json::object());
    value.set("names", Json::arrayOf({"X-Wing", "\xE9"}));
    EXPECT_EQ(value.dump(), R"({"null":null,"yes":true,"no":false,"negative":-5,"big":4294967296,"half":0.5,)"
                            R"("empty list":[],"empty object":{},"names":["X-Wing","é"]})");
}

TEST(CliJson, ObjectKeysKeepTheirFirstPlace)
{
    Json value = Json::object();
    value.set("command", "identify");
    value.set("version", nullptr);
    value.set("exit", 0);
    value.set("version", "PLORIK Demo XvT");
    EXPECT_EQ(value.dump(), R"({"command":"identify","version":"PLORIK Demo XvT","exit":0})");
    ASSERT_NE(value.find("exit"), nullptr);
    EXPECT_EQ(value.find("missing"), nullptr);
    EXPECT_EQ(value.size(), 3u);
}

// A form with one control of each kind that carries its own fields. A form refers to its entries,
// so the varied ones are constants too.
template <class Change> constexpr ControlEntry varied(ControlEntry entry, Change change)
{
    change(entry);
    return entry;
}
constexpr std::string_view kTypes[] = {"0  Starfighter", "1  Transport"};
constexpr std::string_view kSlots[] = {"1", "2"};
constexpr std::string_view kHitzoneColumns[] = {"", "X"};
constexpr std::string_view kHitzoneRows[] = {"Span"};
constexpr ControlEntry kSpeed = varied(controls::SpeedBox, [](ControlEntry& e) { e.text = "\xE9t\xE9"; });
constexpr ControlEntry kRadio{
    .key = "Radio1", .kind = ControlKind::RadioButton, .caption = "One", .radioGroup = "group"};
constexpr ControlEntry kType = varied(controls::ShipTypeList, [](ControlEntry& e) {
    e.items = kTypes;
    e.index = 1;
});
constexpr ControlEntry kSlotList = varied(controls::CraftNoBox, [](ControlEntry& e) {
    e.items = kSlots;
    e.text = "7";
});
constexpr ControlEntry kHitzones{.key = "HitzoneGrid",
                                 .kind = ControlKind::Grid,
                                 .rows = 2,
                                 .columns = 2,
                                 .columnHeadings = kHitzoneColumns,
                                 .rowHeadings = kHitzoneRows};

class FormJsonTest : public ::testing::Test {
protected:
    FormJsonTest()
    {
        for (const ControlEntry* entry : std::initializer_list<const ControlEntry*>{
                 &kSpeed, &controls::Shiplistwrite, &kRadio, &kType, &kSlotList, &kHitzones})
            form.add(*entry);
        form.add(controls::TurboFirePriorityBar).setPosition(40);
        form.add(controls::WriteButton).setEnabled(false);
    }
    std::string state(ControlKey key) { return controlStateJson(form[key]).dump(); }

    Form form{"test"};
};

TEST_F(FormJsonTest, EachKindCarriesOnlyItsOwnFields)
{
    EXPECT_EQ(state(controls::SpeedBox), R"({"text":"été","enabled":true})");
    EXPECT_EQ(state(controls::Shiplistwrite), R"({"text":"","enabled":true,"checked":true})");
    EXPECT_EQ(state(kRadio), R"({"text":"","enabled":true,"checked":false})");
    EXPECT_EQ(state(controls::ShipTypeList),
              R"({"text":"1  Transport","enabled":true,"items":["0  Starfighter","1  Transport"],"index":1})");
    EXPECT_EQ(state(controls::HitzoneGrid), R"({"text":"","enabled":true,"cells":[["","X"],["Span",""]]})");
    EXPECT_EQ(state(controls::TurboFirePriorityBar), R"({"text":"","enabled":true,"position":40})");
    EXPECT_EQ(state(controls::WriteButton), R"({"text":"","enabled":false})");
    // Free text in an editable list selects nothing.
    EXPECT_EQ(state(controls::CraftNoBox), R"({"text":"7","enabled":true,"items":["1","2"],"index":-1})");
}

TEST_F(FormJsonTest, TheFormIsKeyedByControlInItsOrder)
{
    const std::string all = formStateJson(form).dump();
    EXPECT_EQ(all.rfind(R"({"SpeedBox":{"text":"été","enabled":true},"Shiplistwrite":)", 0), 0u) << all;
    EXPECT_LT(all.find("\"TrackBar1\""), all.find("\"Button3\""));
    EXPECT_EQ(formStateJson(form).size(), form.controls().size());
}

// --press names: keys, captions as shown or shortened, context-menu items only through their box,
// and among shared captions the one a press would reach.
TEST(CliPressTarget, NamesResolveToTheControlAUserWouldClick)
{
    static constexpr ControlEntry kPathBox{.key = "PathBox", .caption = "Path:"};
    static constexpr ControlEntry kBrowse1{
        .key = "Browse1", .kind = ControlKind::MenuItem, .caption = "&Browse..", .contextMenuOf = "PathBox"};
    static constexpr ControlEntry kOtherBox{.key = "OtherBox", .caption = "Other:"};
    static constexpr ControlEntry kBrowse2{
        .key = "Browse2", .kind = ControlKind::MenuItem, .caption = "&Browse..", .contextMenuOf = "OtherBox"};
    static constexpr ControlEntry kSaveA{.key = "SaveA", .kind = ControlKind::Button, .caption = "&Save.."};
    static constexpr ControlEntry kSaveB{.key = "SaveB", .kind = ControlKind::Button, .caption = "Save"};
    static constexpr ControlEntry kLoadA{.key = "LoadA", .kind = ControlKind::Button, .caption = "Load"};
    static constexpr ControlEntry kLoadB{.key = "LoadB", .kind = ControlKind::Button, .caption = "&Load..."};
    static constexpr ControlEntry kTool{.key = "Tool", .kind = ControlKind::ToolButton};
    static constexpr ControlEntry kOrphan{
        .key = "Orphan", .kind = ControlKind::MenuItem, .caption = "x", .contextMenuOf = "NoBox"};
    Form form{"test"};
    const auto add = [&form](const ControlEntry& entry, bool enabled = true) { form.add(entry).setEnabled(enabled); };
    add(kPathBox);
    add(kBrowse1);
    add(kOtherBox, false);
    add(kBrowse2);
    add(kSaveA, false);
    add(kSaveB);
    add(kLoadA, false);
    add(kLoadB, false);
    add(kTool);
    EXPECT_THROW(add(kOrphan), std::logic_error);

    const std::vector<std::pair<std::string, std::string>> cases = {
        {"SaveA", "SaveA"},            // a key names its control, enabled or not
        {"Save", "SaveB"},             // the enabled one of a shared caption
        {"&Save..", "SaveB"},          // the caption as shown
        {"Load", "LoadA"},             // none enabled: the first, to be reported disabled
        {"PathBox:Browse", "Browse1"}, // a context-menu item through its box
        {"OtherBox:&Browse..", "Browse2"},
        {"PathBox", "PathBox"},
        {"Browse", ""}, // a context-menu item needs its box
        {"SaveB:Save", ""},
        {"", ""}, // tool buttons have no caption to match
        {"&.", ""},
    };
    for (const auto& [name, key] : cases) {
        SCOPED_TRACE(name);
        const Control* target = findPressTarget(form, name);
        EXPECT_EQ(target ? target->key().name() : "", key);
    }
    EXPECT_TRUE(form.canPress(kBrowse1));
    EXPECT_FALSE(form.canPress(kBrowse2)) << "a disabled box opens no context menu";
    EXPECT_FALSE(form.userPress(kBrowse2));
    EXPECT_FALSE(form.canPress(kPathBox));
}

Message question(MessageButtons buttons)
{
    return {"PLORIK query:", "Write it?\rSure?", MessageIcon::Question, buttons, Answer::Yes};
}

TEST(CliPrompter, UsesTheGivenAnswersOfEachKindInOrderAndLogsEveryBox)
{
    std::ostringstream log;
    // Each kind of question takes the next answer of its kind, whatever order the kinds come in.
    CliPrompter prompter({"file:", "text:Falcon", "no"}, nullptr, log);
    prompter.message({"PLORIK error:", "Bad.", MessageIcon::Error, MessageButtons::Ok, Answer::Ok});
    EXPECT_EQ(prompter.message(question(MessageButtons::YesNo)), Answer::No);
    EXPECT_EQ(prompter.input("Name", "New name:", ""), "Falcon");
    EXPECT_EQ(prompter.saveFile({"Save ship", "shp", "Ship files|*.shp"}), std::nullopt);
    EXPECT_FALSE(prompter.unanswered());
    EXPECT_TRUE(prompter.errorShown());
    EXPECT_EQ(log.str(), "PLORIK error: Bad.\n"
                         "PLORIK query: Write it?\nSure?\n  answer: no\n"
                         "Name New name:\n  answer: Falcon\n"
                         "Save ship Ship files|*.shp\n  answer: cancel\n");
}

TEST(CliPrompter, WithoutATerminalALeftQuestionTakesCancelOrNo)
{
    std::ostringstream log;
    CliPrompter prompter({}, nullptr, log);
    EXPECT_EQ(prompter.message({"PLORIK tip:", "Hi.", MessageIcon::Information, MessageButtons::Ok, Answer::Ok}),
              Answer::Ok);
    EXPECT_FALSE(prompter.unanswered()) << "an OK box asks nothing";
    EXPECT_FALSE(prompter.errorShown());
    EXPECT_EQ(prompter.message(question(MessageButtons::YesNoCancel)), Answer::Cancel);
    EXPECT_EQ(prompter.message(question(MessageButtons::YesNo)), Answer::No);
    EXPECT_TRUE(prompter.unanswered());

    CliPrompter notOffered({"cancel"}, nullptr, log);
    EXPECT_EQ(notOffered.message(question(MessageButtons::YesNo)), Answer::No);
    EXPECT_TRUE(notOffered.unanswered());
}

TEST(CliPrompter, OnATerminalAsksUntilAnOfferedAnswerIsTyped)
{
    std::ostringstream log;
    // Typed text is UTF-8 for the game's single bytes, asked again when it has no such form; a file
    // name stays the system's bytes.
    std::istringstream typed("maybe\nok\n  N \nGold \xC5\x91\n\xC3\x89lan Leader\r\n/tmp/\xC3\xA9.shp\n");
    CliPrompter prompter({"yes"}, &typed, log);
    EXPECT_EQ(prompter.message(question(MessageButtons::YesNo)), Answer::Yes); // from --answer
    EXPECT_EQ(prompter.message(question(MessageButtons::YesNoCancel)), Answer::No);
    EXPECT_EQ(prompter.input("Name", "New name:", ""), "\xC9lan Leader");
    EXPECT_EQ(prompter.openFile({"Open ship", "shp", "Ship files|*.shp"}), "/tmp/\xC3\xA9.shp");
    EXPECT_FALSE(prompter.unanswered());
    const std::string shown = log.str();
    EXPECT_NE(shown.find("PLORIK query:\nWrite it?\nSure?\n[yes/no/cancel]? [yes/no/cancel]? [yes/no/cancel]? "),
              std::string::npos)
        << shown;
    EXPECT_NE(shown.find("text (end of input cancels): \"\xC5\x91\" cannot be stored in the game's text\n"
                         "text (end of input cancels): "),
              std::string::npos)
        << shown;
    EXPECT_EQ(prompter.records().at(1).answer, "no");
}

TEST(CliPrompter, TheEndOfTheTerminalInputLeavesTheQuestionUnanswered)
{
    std::ostringstream log;
    std::istringstream typed("");
    CliPrompter prompter({}, &typed, log);
    EXPECT_EQ(prompter.message(question(MessageButtons::OkCancel)), Answer::Cancel);
    EXPECT_EQ(prompter.input("Name", "New name:", "old"), std::nullopt);
    EXPECT_TRUE(prompter.unanswered());
}

} // namespace
} // namespace plorik::cli
