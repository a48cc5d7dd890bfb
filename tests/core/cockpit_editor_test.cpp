// The cockpit editor on the demo's INT files: the "Cockpit:" list, what a cockpit and a part show,
// the bytes "Save CP" writes (whole files compared) and what it refuses.
#include "TestSystem.h"
#include "WriteFixture.h"

#include "cockpit/CockpitParts.h"
#include "controls/CockpitEditorControls.h"

#include <functional>
#include <set>

using namespace plorik;
using namespace plorik::testing;
namespace c = plorik::controls::cockpit;

namespace {

const char* const kCpit1 = "CP640/CPIT1.int";

struct CockpitGame : WriteGame {
    explicit CockpitGame(GameBuilder built = GameBuilder(Family::Xvt)) : WriteGame(std::move(built)) { start(); }
    Form& cockpit() { return session->cockpitForm(); }
    const std::string& text(ControlKey key) { return cockpit()[key].text(); }
    // The name, value and panel boxes against what the demo wrote into `name` ("CP640\CPIT1").
    void expectShows(const std::string& name)
    {
        for (std::size_t record = 0; record < c::kImageRecords.size(); ++record) {
            EXPECT_EQ(text(*c::kImageRecords[record].name.box), builder.cockpitName(name, record)) << record;
            EXPECT_EQ(text(*c::kImageRecords[record].value), std::to_string(builder.cockpitValue(name, record)))
                << record;
        }
        EXPECT_EQ(text(c::PanelBox), builder.cockpitPanel(name));
    }
};

// A prompter that keeps the file choices it was shown.
class ChoiceKeeper : public ScriptedPrompter {
public:
    std::optional<std::string> openFile(const FileChoice& choice) override
    {
        choices.push_back(choice);
        return ScriptedPrompter::openFile(choice);
    }
    std::vector<FileChoice> choices;
};

} // namespace

TEST(CockpitEditor, TheStartListsCp640AndShowsTheSlotsCockpit)
{
    CockpitGame xvt;
    EXPECT_EQ(xvt.messages(), std::vector<std::string>{});
    // Not "mapfront" (lower-case "map") nor "SHORT" (no longer than the panel's offset).
    EXPECT_EQ(xvt.cockpit()[c::CockpitFileBox].items(),
              (std::vector<std::string>{"CPIT1", "CPIT2", "CPIT3", "MapView"}));
    EXPECT_EQ(xvt.text(c::CockpitFileBox), "CPIT1");
    // The 8-letter name without a 0 byte, the code words (193, 206, 145), code 0 and 0xFF 0xFF.
    xvt.expectShows("CP640\\CPIT1");
    EXPECT_EQ(xvt.text(c::NormalTopBox), "C1NRMTOP");
    EXPECT_EQ(xvt.text(c::HighTopRightBox), "ImpMirror");
    EXPECT_EQ(xvt.text(c::MapValue), "65535");
    EXPECT_EQ(xvt.cockpit()[c::CockpitPartsBox].items().size(), 188u);

    // XWA: the list is made (from a folder the game does not have), but nothing loads.
    CockpitGame xwa{GameBuilder(Family::Xwa)};
    EXPECT_EQ(xwa.messages(), std::vector<std::string>{});
    EXPECT_EQ(xwa.text(c::CockpitFileBox), "Cockpit1");
    EXPECT_TRUE(xwa.cockpit()[c::CockpitFileBox].items().empty());
    EXPECT_EQ(xwa.text(c::NormalTopBox), "");
    xwa.cockpit().userEdit(c::CockpitFileBox, "CPIT1");
    EXPECT_EQ(xwa.messages(), std::vector<std::string>{});
}

TEST(CockpitEditor, ACockpitLoadsFromTheFolderOfTheResolution)
{
    const std::string kept = "CP640\\CPIT1"; // what the boxes keep when a load fails
    struct Case {
        int resolution;
        std::string name;
        std::string shows;   // the file the boxes show afterwards
        std::string message; // "CAPTION|TEXT" (its start), or empty
    };
    const std::vector<Case> cases = {
        {1, "CPIT1", "CP480\\CPIT1", ""},
        {2, "CPIT2", "CP320\\CPIT2", ""}, // the folder is named "cp320" on disk
        {0, "CPIT3", "CP640\\CPIT3", ""}, // the file is named "CPIT3.INT"
        {1, "CPIT2", kept,
         "PLORIK Warning:|This slot's defined cockpit for the present resolution setting could not "
         "be found.\rPlease ensure that the slot has at least one cockpit available in one of the "
         "resolution, so it is playable in XvT. Also note that it's quite normal for custom "
         "cockpits, to be available in 640 resolution only."},
        {0, "..\\CP480\\CPIT1", kept,
         "PLORIK error:|The cockpit name \"..\\CP480\\CPIT1\" does not name a file in CP640: a cockpit name holds no "
         "\"\\\", \"/\" or \"..\"."},
        {0, "/etc/passwd", kept, "PLORIK error:|The cockpit name \"/etc/passwd\""},
        {0, "SHORT", kept, "PLORIK|Read beyond end of file"},
    };
    for (const Case& each : cases) {
        SCOPED_TRACE(each.name);
        CockpitGame game;
        ASSERT_TRUE(game.cockpit().userPick(c::ResolutionList, each.resolution));
        EXPECT_EQ(game.messages(), std::vector<std::string>{}) << "choosing a resolution loads nothing";
        game.cockpit().userEdit(c::CockpitFileBox, each.name);
        game.expectShows(each.shows);
        if (each.message.empty()) {
            EXPECT_EQ(game.messages(), std::vector<std::string>{});
        } else {
            ASSERT_EQ(game.messages().size(), 1u);
            EXPECT_EQ(game.messages()[0].rfind(each.message, 0), 0u) << game.messages()[0];
        }
    }
}

TEST(CockpitEditor, PartsHaveDistinctRecordsOnTheTwelveByteGrid)
{
    std::set<std::int64_t> offsets;
    for (const CockpitPart& part : cockpitParts()) {
        EXPECT_TRUE(offsets.insert(part.offset).second) << part.name;
        EXPECT_EQ((part.offset - 1008) % 12, 0) << part.name;
        EXPECT_GE(part.offset, 1008) << part.name;
        EXPECT_LE(part.offset, 4344) << part.name;
    }
    EXPECT_EQ(offsets.size(), 188u);
}

TEST(CockpitEditor, ChoosingAPartShowsItsRecordByPosition)
{
    struct Case {
        int index;
        std::string name;
        std::int64_t offset;
        std::string caption;
    };
    const std::vector<Case> cases = {
        {0, "Front radar", 1008, "n/a"},
        {4, "Command screen", 1032, "Zoom factor"},
        {6, "Laser/Ion indicator 1", 1044, "Discharge Heading"},
        {13, "Laser/Ion indicator 8", 1128, "Discharge Heading"},
        {74, "On target lamp 8", 1824, "n/a"},
        {93, "No beam seal", 2316, "n/a"},
        {94, "No beam seal", 2328, "n/a"},
        {114, "HUD command scrn.", 2760, "Zoom factor"},
        {154, "HUD on target lamp 8", 3552, "n/a"},
        {174, "HUD no beam seal", 4056, "n/a"},
        {187, "HUD score box", 4344, "n/a"},
    };
    CockpitGame game;
    const std::string file = game.file(kCpit1);
    Form& cockpit = game.cockpit();
    for (const Case& each : cases) {
        SCOPED_TRACE(each.index);
        ASSERT_TRUE(cockpit.userPick(c::CockpitPartsBox, each.index));
        EXPECT_EQ(game.text(c::CockpitPartsBox), each.name);
        EXPECT_EQ(game.text(c::PartXBox), std::to_string(numberAt(file, each.offset, 2)));
        EXPECT_EQ(game.text(c::PartYBox), std::to_string(numberAt(file, each.offset + 2, 2)));
        EXPECT_EQ(game.text(c::VariableCaption), each.caption);
        const bool variable = each.caption != "n/a";
        EXPECT_EQ(cockpit[c::VariableBox].enabled(), variable);
        if (variable) {
            EXPECT_EQ(game.text(c::VariableBox), std::to_string(numberAt(file, each.offset + 6, 2)));
        }
        EXPECT_EQ(cockpit[c::VariableBox].items(),
                  each.caption == "Discharge Heading"
                      ? (std::vector<std::string>{"0   right to left", "1   left to right"})
                      : std::vector<std::string>{});
    }
    EXPECT_EQ(game.messages(), std::vector<std::string>{});

    // A folder without the file: the caption follows the choice, X and Y keep their texts.
    ASSERT_TRUE(cockpit.userPick(c::ResolutionList, 2));
    ASSERT_TRUE(cockpit.userPick(c::CockpitPartsBox, 4));
    EXPECT_EQ(game.text(c::VariableCaption), "Zoom factor");
    EXPECT_EQ(game.text(c::PartXBox), std::to_string(numberAt(file, 4344, 2)));
    // A text that is no entry chooses no part.
    cockpit.userEdit(c::CockpitPartsBox, "Front rada");
    EXPECT_EQ(game.text(c::PartXBox), "n/a");
    EXPECT_EQ(game.text(c::PartYBox), "n/a");
    EXPECT_EQ(game.text(c::VariableCaption), "n/a");
    EXPECT_EQ(game.messages(), std::vector<std::string>{});
}

TEST(CockpitEditor, SaveWritesNamesPanelAndTheChosenPartAndNothingElse)
{
    using Bytes = std::vector<std::uint8_t>;
    const auto text = [](const std::string& s, bool withZero = true) {
        Bytes bytes(s.begin(), s.end());
        if (withZero)
            bytes.push_back(0);
        return bytes;
    };
    const auto word = [](std::uint32_t value) {
        return Bytes{static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8)};
    };
    // Every save ends each name: the 8-letter name at 0 gets its 0 byte, and the records that show
    // a code word (9 ImpMirror, 11 RebMirror, 17 Standard, 19 nothing) a 0 byte at record + 1.
    const std::vector<std::pair<std::int64_t, Bytes>> always = {
        {9, {0}}, {325, {0}}, {397, {0}}, {613, {0}}, {721, {0}}};
    struct Case {
        std::string name;
        std::function<void(Form&)> edit;
        std::vector<std::pair<std::int64_t, Bytes>> patches;
        bool withoutPanelKey = false;
    };
    const std::vector<Case> cases = {
        {"unchanged", [](Form&) {}, {}},
        {"6 letters", [](Form& f) { f.userEdit(c::HudBox, "ABCDEF"); }, {{685, text("ABCDEF")}}},
        {"8 letters", [](Form& f) { f.userEdit(c::NormalTopBox, "ABCDEFGH"); }, {{1, text("ABCDEFGH")}}},
        {"name over a code word", [](Form& f) { f.userEdit(c::HighTopRightBox, "NEWNAME"); }, {{325, text("NEWNAME")}}},
        {"Standard from the menu", [](Form& f) { f.userPress(c::HudStandard); }, {{685, {0}}}},
        {"panel", [](Form& f) { f.userEdit(c::PanelBox, "NEWPANEL"); }, {{4400, text("NEWPANEL")}}},
        {"discharge heading",
         [](Form& f) {
             f.userPick(c::CockpitPartsBox, 7);
             f.userEdit(c::PartXBox, "300");
             f.userEdit(c::PartYBox, "70000");
             f.userPick(c::VariableBox, 1);
         },
         {{1056, word(300)}, {1058, word(70000 & 0xFFFF)}, {1062, word(1)}}},
        {"zoom factor",
         [](Form& f) {
             f.userPick(c::CockpitPartsBox, 4);
             f.userEdit(c::PartXBox, "abc");
             f.userEdit(c::PartYBox, "$10");
             f.userEdit(c::VariableBox, "1200");
         },
         {{1032, word(0)}, {1034, word(16)}, {1038, word(120)}}},
        {"part without a variable",
         [](Form& f) {
             f.userPick(c::CockpitPartsBox, 0);
             f.userEdit(c::PartXBox, "7");
         },
         {{1008, word(7)}}},
        {"no part chosen",
         [](Form& f) {
             f.userPick(c::CockpitPartsBox, 7);
             f.userEdit(c::CockpitPartsBox, "Nonsense");
             f.userEdit(c::PartXBox, "1");
         },
         {}},
        {"no panel offset", [](Form&) {}, {}, true},
    };
    for (const Case& each : cases) {
        SCOPED_TRACE(each.name);
        GameBuilder builder(Family::Xvt);
        if (each.withoutPanelKey)
            builder.withKey("INTPANOFFSET", "-1");
        CockpitGame game{builder};
        EXPECT_EQ(game.cockpit()[c::PanelBox].enabled(), !each.withoutPanelKey);
        const auto before = snapshot(game.game.gameDir);
        std::string expected = game.file(kCpit1);
        each.edit(game.cockpit());
        ASSERT_TRUE(game.cockpit().userPress(c::SaveCPButton));
        EXPECT_EQ(game.messages(), std::vector<std::string>{});
        for (const auto& [at, bytes] : always)
            patch(expected, at, bytes);
        for (const auto& [at, bytes] : each.patches)
            patch(expected, at, bytes);
        EXPECT_EQ(differences(game.file(kCpit1), expected), std::vector<std::size_t>{});
        EXPECT_EQ(changedFiles(before, snapshot(game.game.gameDir)), std::set<std::string>{kCpit1});
    }

    // The code byte stays: a name typed over "ImpMirror" still shows the code's word.
    CockpitGame game;
    game.cockpit().userEdit(c::HighTopRightBox, "NEWNAME");
    game.cockpit().userPress(c::SaveCPButton);
    game.cockpit().userEdit(c::CockpitFileBox, "CPIT1");
    EXPECT_EQ(game.text(c::HighTopRightBox), "ImpMirror");
}

TEST(CockpitEditor, SaveRefusesBeforeWritingAnything)
{
    struct Case {
        std::string name;
        std::function<void(CockpitGame&)> edit;
        std::vector<std::string> messages; // the start of each "CAPTION|TEXT"
    };
    const std::string kTooLong = "(9 characters); an image name has at most 8 characters. Nothing was written.";
    const std::vector<Case> cases = {
        {"long name",
         [](CockpitGame& g) { g.cockpit().userEdit(c::HudBox, "ABCDEFGHI"); },
         {"PLORIK error:|\"Hud:\" holds \"ABCDEFGHI\" " + kTooLong}},
        {"long panel",
         [](CockpitGame& g) { g.cockpit().userPress(c::PanelImpMirror); },
         {"PLORIK error:|\"Panel:\" holds \"ImpMirror\" " + kTooLong}},
        {"a path from Browse",
         [](CockpitGame& g) { g.cockpit()[c::UpBox].setText("C:\\GAMES\\XVT\\CP640\\VIEW.LFD"); },
         {"PLORIK error:|\"Up:\" holds \"C:\\GAMES\\XVT\\CP640\\VIEW.LFD\" (27 characters); an image name has at "
          "most 8 characters. Nothing was written."}},
        {"outside the folder",
         [](CockpitGame& g) { g.cockpit().userEdit(c::CockpitFileBox, "../CP480/CPIT1"); },
         {"PLORIK error:|The cockpit name \"../CP480/CPIT1\"",
          "PLORIK error:|The cockpit name \"../CP480/CPIT1\" does not name a file in CP640: a cockpit name holds no "
          "\"\\\", \"/\" or \"..\". Nothing was written."}},
        {"no such file",
         [](CockpitGame& g) { g.cockpit().userEdit(c::CockpitFileBox, "NOSUCH"); },
         {"PLORIK Warning:|This slot's defined cockpit",
          "PLORIK notify:|The Cockpit name specified doesn't exist as a file.\r\rTo create a new cokpit from "
          "scratch, first copy an existing INT cockpit file!"}},
        {"no name", [](CockpitGame& g) { g.cockpit()[c::CockpitFileBox].setText(""); }, {}},
        {"n/a", [](CockpitGame& g) { g.cockpit()[c::CockpitFileBox].setText("n/a"); }, {}},
        {"too short for the panel",
         [](CockpitGame& g) { g.cockpit().userEdit(c::CockpitFileBox, "SHORT"); },
         {"PLORIK|Read beyond end of file",
          "PLORIK error:|\"Panel:\" (bytes 4400 to 4406) lies outside CP640\\SHORT.int, which has 4400 bytes. "
          "Nothing was written."}},
        {"shorter than the name records",
         [](CockpitGame& g) {
             writeFile(g.path("CP640/TINY.int"), std::string(100, '\x01'));
             g.cockpit().userEdit(c::CockpitFileBox, "TINY");
         },
         {"PLORIK|Read beyond end of file",
          "PLORIK error:|\"Normal: bottom right\" (bytes 109 to 114) lies outside CP640\\TINY.int, which has 100 "
          "bytes. Nothing was written."}},
        {"a link out of the game folder",
         [](CockpitGame& g) {
             const std::filesystem::path outside = g.dir.path() / "CPIT1.int";
             std::filesystem::rename(g.path(kCpit1), outside);
             std::filesystem::create_symlink(outside, g.path(kCpit1));
             g.cockpit().userEdit(c::HudBox, "LINKED");
         },
         {"PLORIK error:|A link to a file outside the game folder"}},
        {"write-protected",
         [](CockpitGame& g) {
             std::filesystem::permissions(g.path(kCpit1), std::filesystem::perms::owner_write,
                                          std::filesystem::perm_options::remove);
         },
         {"PLORIK|The file is write-protected"}},
    };
    for (const Case& each : cases) {
        // Where no symbolic link can be made, the case of one is left out.
        if (each.name.find("a link") != std::string::npos && !linksCanBeMade())
            continue;
        SCOPED_TRACE(each.name);
        CockpitGame game;
        each.edit(game);
        const auto before = snapshot(game.game.gameDir);
        game.cockpit().userPress(c::SaveCPButton);
        const std::vector<std::string> shown = game.messages();
        ASSERT_EQ(shown.size(), each.messages.size());
        for (std::size_t i = 0; i < shown.size(); ++i)
            EXPECT_EQ(shown[i].rfind(each.messages[i], 0), 0u) << shown[i];
        EXPECT_EQ(changedFiles(before, snapshot(game.game.gameDir)), std::set<std::string>{});
    }
}

TEST(CockpitEditor, TheContextMenuActsOnItsOwnBox)
{
    TempDir dir;
    const GameBuilder builder(Family::Xvt);
    const BuiltGame game = builder.build(dir.path());
    ChoiceKeeper prompter;
    Session session(game.programDir, prompter);
    session.start();
    Form& cockpit = session.cockpitForm();

    prompter.addAnswer("file:/home/modder/cockpits/NEWVIEW.LFD");
    ASSERT_TRUE(cockpit.userPress(c::NormalTopBrowse));
    EXPECT_EQ(cockpit[c::NormalTopBox].text(), "NEWVIEW");
    ASSERT_EQ(prompter.choices.size(), 1u);
    const FileChoice& choice = prompter.choices[0];
    EXPECT_EQ(choice.title, "Open a *.LFD file");
    EXPECT_EQ(choice.defaultExtension, "*.lfd");
    EXPECT_EQ(choice.filter, "LFD file |*.lfd");
    EXPECT_EQ(std::filesystem::path(choice.directory), game.gameDir / "CP640");

    prompter.addAnswer("file:"); // Cancel
    ASSERT_TRUE(cockpit.userPress(c::HudBrowse));
    EXPECT_EQ(cockpit[c::HudBox].text(), builder.cockpitName("CP640\\CPIT1", 18));

    ASSERT_TRUE(cockpit.userPress(c::MapRebMirror));
    ASSERT_TRUE(cockpit.userPress(c::UpImpMirror));
    EXPECT_EQ(cockpit[c::MapBox].text(), "RebMirror");
    EXPECT_EQ(cockpit[c::UpBox].text(), "ImpMirror");
    EXPECT_EQ(cockpit[c::CameraBox].text(), "Standard");
    EXPECT_EQ(prompter.unusedAnswers(), 0u);
    ASSERT_EQ(prompter.records().size(), 2u); // the two file choices, and no message
    EXPECT_EQ(prompter.records()[1].answer, "cancel");
}
