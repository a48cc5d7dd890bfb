// SHP craft files: "Save Ship as.." writes the V1.7 layout byte for byte, "Open Ship.." reads every
// accepted version into the slot the user confirms, and loading changes memory only.
#include "ShipFiles.h"

#include "TestSystem.h"
#include "WriteFixture.h"
#include "controls/MainWindowControls.h"

#include <chrono>

using namespace plorik;
using namespace plorik::testing;

namespace {

const ControlKey kTextKeys[] = {controls::PatchCommentMemo, controls::DBOPTFile,    controls::PluralnameBox,
                                controls::CraftNameBox,     controls::CraftTypeBox, controls::ManufactorBox,
                                controls::UsedByBox,        controls::CrewBox,      controls::DescriptionBox};

std::vector<std::string> shownTexts(WriteGame& game)
{
    std::vector<std::string> texts;
    for (ControlKey key : kTextKeys)
        texts.push_back(game.control(key).text());
    return texts;
}

std::string entryText(const WriteGame& game, std::int32_t slot)
{
    return game.exe().substr(static_cast<std::size_t>(game.craftAt(slot)),
                             static_cast<std::size_t>(game.key("ENTRYLENGTH")));
}

std::string bufferText(const WriteGame& game, std::size_t length)
{
    const auto& bytes = game.session->slotBuffer().bytes();
    return std::string(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(length));
}

// Presses "Open Ship.." on `file` with the answers that follow the file choice.
void open(WriteGame& game, const std::filesystem::path& file, const std::vector<std::string>& answers = {})
{
    game.prompter.addAnswer("file:" + file.string());
    for (const std::string& answer : answers)
        game.prompter.addAnswer(answer);
    ASSERT_TRUE(game.form().userPress(controls::OpenShipItem));
}

} // namespace

TEST(ShipFileSave, WritesTheV17LayoutByteForByteWithTheSlotAsOneRawByte)
{
    for (const Family family : {Family::Xvt, Family::Xwa}) {
        for (const std::int32_t slot : {10, 13}) {
            SCOPED_TRACE(std::to_string(slot) + (family == Family::Xwa ? " XWA" : " XvT"));
            WriteGame game{GameBuilder(family)};
            game.startAt(slot);
            ASSERT_TRUE(game.form().userEdit(controls::PatchCommentMemo, "Two\r\nlines"));
            ASSERT_TRUE(game.form().userEdit(controls::DescriptionBox, "Line one\nline two"));
            ASSERT_TRUE(game.form().userEdit(controls::SystemHitsBox, "99")); // not written yet: not in the file
            const std::filesystem::path file = game.dir.path() / "saved.shp";
            game.prompter.addAnswer("file:" + file.string());
            ASSERT_TRUE(game.form().userPress(controls::SaveShipAsItem));
            EXPECT_EQ(game.messages(),
                      std::vector<std::string>{"Save current Ship slot as a *.shp file|PLORIK SHP file |*.shp"});
            std::vector<std::string> texts = shownTexts(game);
            texts[0] = "Two lines";
            texts[8] = "Line one line two";
            for (ControlKey key :
                 {controls::ShipTypeList, controls::CraftIDBox, controls::Playmodebox, controls::CapWpnSys})
                texts.push_back(game.control(key).text());
            texts.insert(texts.begin() + 9, game.game.versionName);
            EXPECT_EQ(readFile(file),
                      shipFileBytes(
                          {.slot = static_cast<std::uint8_t>(slot), .texts = texts, .binary = entryText(game, slot)}));
        }
    }
}

TEST(ShipFileSave, AnExistingFileIsReplacedOnlyWhenTheUserSaysSo)
{
    WriteGame game{GameBuilder(Family::Xvt)};
    game.startAt(4);
    const std::filesystem::path file = game.dir.path() / "kept.shp";
    writeFile(file, "mine");
    for (const std::string answer : {"no", "yes"}) {
        game.prompter.addAnswer("file:" + file.string());
        game.prompter.addAnswer(answer);
        ASSERT_TRUE(game.form().userPress(controls::SaveShipTool));
        EXPECT_EQ(readFile(file) == "mine", answer == "no");
    }
    const Message& asked = game.prompter.records().at(1).message;
    EXPECT_EQ(asked.caption, "Save current Ship slot as a *.shp file");
    EXPECT_EQ(asked.text, "kept.shp already exists.\rDo you want to replace it?");
}

// A text holding "[Bin]" would save a file whose craft data the load finds in the wrong place: the
// save is refused and no file is made.
TEST(ShipFileSave, ATextHoldingTheDataMarkerIsRefused)
{
    WriteGame game{GameBuilder(Family::Xwa)};
    game.startAt(7);
    ASSERT_TRUE(game.form().userEdit(controls::DescriptionBox, "Fast. [Bin] Deadly."));
    const std::filesystem::path file = game.dir.path() / "marker.shp";
    game.prompter.addAnswer("file:" + file.string());
    game.prompter.clearRecords();
    ASSERT_TRUE(game.form().userPress(controls::SaveShipAsItem));
    EXPECT_EQ(game.messages(), (std::vector<std::string>{
                                   "Save current Ship slot as a *.shp file|PLORIK SHP file |*.shp",
                                   "PLORIK error:|Description: holds \"[Bin]\", which marks where a ship file's craft "
                                   "data begins: the file would not load again. Remove it and save again.\r\rNothing "
                                   "was written."}));
    EXPECT_FALSE(std::filesystem::exists(file));
}

TEST(ShipFileLoad, SaveThenLoadGivesBackTheBytesAndTextsInBothFamilies)
{
    for (const Family family : {Family::Xvt, Family::Xwa}) {
        SCOPED_TRACE(family == Family::Xwa ? "XWA" : "XvT");
        WriteGame game{GameBuilder(family)};
        game.startAt(7);
        ASSERT_TRUE(game.form().userEdit(controls::PatchCommentMemo, "My patch"));
        const std::filesystem::path file = game.dir.path() / "seven.shp";
        game.prompter.addAnswer("file:" + file.string());
        game.form().userPress(controls::SaveShipAsItem);
        const std::vector<std::string> saved = shownTexts(game);
        const std::size_t length = static_cast<std::size_t>(game.key("ENTRYLENGTH"));
        const std::string bytes = bufferText(game, length);

        game.form().userEdit(controls::CraftNoBox, "20");
        const auto before = snapshot(game.game.gameDir);
        game.prompter.clearRecords();
        open(game, file, {"yes"});
        EXPECT_EQ(game.messages(),
                  (std::vector<std::string>{
                      "Open a *.shp file|PLORIK SHP file |*.shp",
                      "Confirm PLORIK Ship file location:|Would you like to locate this craft at its original slot: 7",
                      "Ship file information:|My patch"}));
        EXPECT_EQ(game.session->currentSlot(), 7);
        EXPECT_EQ(game.control(controls::CraftNoBox).text(), "7");
        EXPECT_EQ(game.control(controls::OrigSlotBox).text(), "7");
        EXPECT_EQ(bufferText(game, length), bytes);
        EXPECT_EQ(shownTexts(game), saved);
        EXPECT_TRUE(game.control(controls::EnabledBox).checked());
        EXPECT_EQ(changedFiles(before, snapshot(game.game.gameDir)), std::set<std::string>{}) << "memory only";
    }
}

TEST(ShipFileLoad, EachVersionReadsItsOwnLines)
{
    struct Case {
        const char* version;
        bool slotAsked;
        bool versionCompared; // line 13 is another game's: "Version difference!"
        bool shipTypeRead;
        bool lastLinesRead;
        bool binaryAfterMarker;
    };
    const Case cases[] = {
        {"PLORIK craft file V1.0", false, false, false, false, false},
        {"PLORIK craft file V1.3", true, false, false, false, false},
        {"PLORIK craft file V1.4", true, false, false, false, true},
        {"PLORIK craft file V1.5", true, true, false, false, true},
        {"PLORIK craft file V1.6", true, true, true, false, true},
        {"PLORIK craft file V1.7", true, true, true, true, true},
    };
    for (const Case& each : cases) {
        SCOPED_TRACE(each.version);
        WriteGame game{GameBuilder(Family::Xvt)};
        game.startAt(9);
        std::vector<std::string> texts = demoShipTexts(40, "Another game");
        const std::string binary = "\x01\x02\x03\x04";
        const std::string file = shipFileBytes({.version = each.version, .slot = 40, .texts = texts, .binary = binary});
        writeFile(game.dir.path() / "v.shp", file);
        const std::string typeBefore = game.control(controls::ShipTypeList).text();
        std::vector<std::string> answers;
        if (each.slotAsked)
            answers.push_back("no");
        if (each.versionCompared)
            answers.push_back("yes");
        open(game, game.dir.path() / "v.shp", answers);
        std::vector<std::string> asked;
        for (const auto& record : game.prompter.records())
            asked.push_back(record.message.caption);
        std::vector<std::string> expected = {"Open a *.shp file"};
        if (each.slotAsked)
            expected.insert(expected.end(), {"Confirm PLORIK Ship file location:", "Ship file information:"});
        if (each.versionCompared)
            expected.push_back("Version difference!");
        EXPECT_EQ(asked, expected);
        EXPECT_EQ(game.session->currentSlot(), 9) << "No to the original slot 40 keeps slot 9";
        const std::string loaded = each.binaryAfterMarker ? binary : file;
        EXPECT_EQ(bufferText(game, loaded.size()), loaded);
        EXPECT_EQ(game.control(controls::CraftNameBox).text(), texts[3]);
        EXPECT_EQ(game.control(controls::DescriptionBox).text(), texts[8]);
        EXPECT_EQ(game.control(controls::ShipTypeList).text(), each.shipTypeRead ? texts[10] : typeBefore);
        // Without lines 15 to 17 "Craft ID:" shows what the display read from the new bytes.
        EXPECT_EQ(game.control(controls::CraftIDBox).text() == texts[11], each.lastLinesRead);
    }
}

TEST(ShipFileLoad, RefusedFilesChangeNothingButTheCheckPassBoxes)
{
    struct Case {
        std::string name;
        std::string file;
        std::vector<std::string> answers;
        std::string message;         // the last one shown; "" when the load stops without one
        bool checkPassRead = true;   // "Original Craft Slot:" and "Patch Comment:" may show the file's
        std::int64_t sparseSize = 0; // the file grown (sparse) to this size
    };
    const std::vector<std::string> texts = demoShipTexts(6, "PLORIK Demo XvT");
    const auto v17 = [&](ShipFileShape entry) {
        entry.texts = texts;
        return shipFileBytes(entry);
    };
    const auto saved = [](const char* version, std::uint8_t slot) {
        return shipFileBytes({.version = version,
                              .slot = slot,
                              .texts = demoShipTexts(slot, "PLORIK Demo XvT"),
                              .binary = std::string(120, '\x11') + "\r\n" + std::string(118, '\x22')});
    };
    std::string lastLineLf = saved("PLORIK craft file V1.7", 40);
    lastLineLf.erase(lastLineLf.find("\r\n[Bin]"), 1);
    const std::string changed = "PLORIK error:|This SHP file's line ends were changed (it was copied as text); its "
                                "ship data is damaged. Nothing was loaded.";
    // The entry's 240 bytes after at most 64 KiB of text.
    constexpr std::int64_t limit = 64 * 1024 + 240;
    const auto tooLarge = [](std::int64_t size) {
        return "PLORIK error:|This SHP file is " + std::to_string(size) +
               " bytes long, longer than any ship file of this game (at most " + std::to_string(limit) +
               " bytes). Nothing was loaded.";
    };
    const std::vector<Case> cases = {
        {"empty", "", {}, "PLORIK error:|Bad SHP file format!"},
        {"no marker line", "PLORIK craft file V1.7\r\n\x06\r\n", {}, "PLORIK error:|Bad SHP file format!"},
        {"marker line last", "junk\r\n" + kMarkerLine + "\r\n", {}, "PLORIK error:|Bad SHP file format!"},
        {"lower case", v17({.version = "plorik craft file v1.7"}), {}, "PLORIK error:|SHP file version not supported!"},
        {"V1.2", v17({.version = "PLORIK craft file V1.2"}), {}, "PLORIK error:|SHP file version not supported!"},
        {"no [Bin]", v17({.binMarker = false, .binary = "xyz"}), {"no"}, "PLORIK error:|Missing Bin section!"},
        {"[Bin] at the end",
         v17({.binary = ""}).substr(0, v17({.binary = ""}).size() - 2),
         {"no"},
         "PLORIK error:|Missing Bin section!"},
        {"another version refused",
         shipFileBytes({.texts = demoShipTexts(6, "Another game"), .binary = "ab"}),
         {"no", "no"},
         ""},
        {"slot 0 on Yes", v17({.slot = 0, .binary = "ab"}), {"yes"}, "PLORIK error:|Invalid Slot number!"},
        {"slot 200 on Yes", v17({.slot = 200, .binary = "ab"}), {"yes"}, "PLORIK error:|Invalid Slot number!"},
        {"one byte more than the entry",
         v17({.binary = std::string(241, 'x')}),
         {"no"},
         "PLORIK error:|The ship data in this SHP file is 241 bytes long; a craft entry of this game holds 240 "
         "bytes. Nothing was loaded."},
        {"V1.3 longer than the slot buffer",
         v17({.version = "PLORIK craft file V1.3", .binary = std::string(1001, 'x')}),
         {"no"},
         "PLORIK error:|This SHP file is " + std::to_string(v17({.binary = std::string(1001, 'x')}).size()) +
             " bytes long; a file of its version is read whole into the slot, which holds at most 1001 bytes. "
             "Nothing was loaded."},
        // Copied as text: refused before anything is shown, from the marker line on.
        {"V1.7 with LF", lineEndsChanged(saved("PLORIK craft file V1.7", 40), "\n"), {}, changed, false},
        {"V1.7 of slot 10 with LF", lineEndsChanged(saved("PLORIK craft file V1.7", 10), "\n"), {}, changed, false},
        {"V1.7 of slot 13 with LF", lineEndsChanged(saved("PLORIK craft file V1.7", 13), "\n"), {}, changed, false},
        {"V1.7 with CR", lineEndsChanged(saved("PLORIK craft file V1.7", 40), "\r"), {}, changed, false},
        {"V1.5 with LF", lineEndsChanged(saved("PLORIK craft file V1.5", 40), "\n"), {}, changed, false},
        {"V1.0 with LF", lineEndsChanged(saved("PLORIK craft file V1.0", 40), "\n"), {}, changed, false},
        {"only line 17 with LF", lastLineLf, {}, changed, false},
        // Larger than any ship file: refused before it is read.
        {"one byte over the largest file",
         std::string(static_cast<std::size_t>(limit) + 1, 'x'),
         {},
         tooLarge(limit + 1),
         false},
        {"2 GB", "", {}, tooLarge(std::int64_t{2} << 30), false, std::int64_t{2} << 30},
    };
    for (const Case& each : cases) {
        SCOPED_TRACE(each.name);
        WriteGame game{GameBuilder(Family::Xvt)};
        game.startAt(9);
        ASSERT_TRUE(game.form().userEdit(controls::PatchCommentMemo, "before"));
        const auto shownBefore = shownTexts(game);
        const std::string originalSlot = game.control(controls::OrigSlotBox).text();
        const std::string buffer = bufferText(game, 240);
        const auto before = snapshot(game.game.gameDir);
        const std::filesystem::path file = game.dir.path() / "bad.shp";
        writeFile(file, each.file);
        if (each.sparseSize > 0)
            std::filesystem::resize_file(file, static_cast<std::uintmax_t>(each.sparseSize));
        const std::int64_t peakBefore = peakMemoryKilobytes();
        const auto start = std::chrono::steady_clock::now();
        open(game, file, each.answers);
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        const std::int64_t peakAfter = peakMemoryKilobytes();
        const std::vector<std::string> shown = game.messages();
        EXPECT_EQ(shown.back(), each.message.empty() ? shown.back() : each.message);
        if (each.message.empty()) {
            EXPECT_EQ(shown.back().rfind("Version difference!|", 0), 0u);
        }
        if (!each.checkPassRead) {
            EXPECT_EQ(shown.size(), 2u) << "no question before the refusal";
            EXPECT_EQ(game.control(controls::OrigSlotBox).text(), originalSlot);
        }
        EXPECT_EQ(game.session->currentSlot(), 9);
        EXPECT_EQ(game.control(controls::CraftNoBox).text(), "9");
        EXPECT_EQ(bufferText(game, 240), buffer);
        std::vector<std::string> now = shownTexts(game);
        if (each.checkPassRead)
            now[0] = shownBefore[0]; // the comment box shows the file's comment once the check pass read it
        EXPECT_EQ(now, shownBefore);
        EXPECT_EQ(changedFiles(before, snapshot(game.game.gameDir)), std::set<std::string>{});
        // Read no further than the largest ship file: the peak grows by kilobytes, not gigabytes.
        EXPECT_LT(peakAfter - peakBefore, 64 * 1024) << "KB";
        EXPECT_LT(seconds, 5.0);
    }
}

TEST(ShipFileLoad, LineEndsAreJudgedFromTheMarkerLineToTheBinaryPart)
{
    // Text before the marker line may end its lines as it likes, and the binary part holds any bytes.
    WriteGame game{GameBuilder(Family::Xvt)};
    game.startAt(9);
    const std::string binary = std::string(120, '\x11') + "\n\r\r\n" + std::string(116, '\x22');
    const std::string file = shipFileBytes({.slot = 9, .texts = demoShipTexts(9, "PLORIK Demo XvT"), .binary = binary});
    writeFile(game.dir.path() / "good.shp", "A readme\nwith LF\rand CR\n" + file);
    open(game, game.dir.path() / "good.shp", {"yes"});
    EXPECT_EQ(game.messages().back(), "Ship file information:|" + demoShipTexts(9, "PLORIK Demo XvT")[0]);
    EXPECT_EQ(bufferText(game, 240), binary);
}

TEST(ShipFileLoad, AFileWithoutAShipTypeLineShowsTheShipTypeOfTheSlotItGoesTo)
{
    // Files before V1.6 carry no ship type: moved to another slot by the original-slot question or
    // by the slot query, "Ship Type:" is that slot's own, and "Write" keeps its ship type entry.
    struct Case {
        const char* version;
        std::uint8_t original;
        std::vector<std::string> answers;
        std::int32_t target;
    };
    const Case cases[] = {
        {"PLORIK craft file V1.5", 40, {"yes"}, 40},
        {"PLORIK craft file V1.4", 9, {"no", "text:30"}, 30},
        {"PLORIK craft file V1.3", 40, {"yes"}, 40},
    };
    for (const Case& each : cases) {
        SCOPED_TRACE(each.version);
        WriteGame game{GameBuilder(Family::Xvt)};
        game.startAt(each.target);
        const std::string targetType = game.control(controls::ShipTypeList).text();
        const std::string targetEntry = game.exe().substr(static_cast<std::size_t>(game.shipTypeAt(each.target)), 1);
        game.form().userEdit(controls::CraftNoBox, "9");
        ASSERT_NE(game.control(controls::ShipTypeList).text(), targetType) << "slot 9's ship type differs";
        const std::vector<std::string> texts = demoShipTexts(each.target, game.game.versionName);
        writeFile(game.dir.path() / "old.shp",
                  shipFileBytes({.version = each.version, .slot = each.original, .texts = texts, .binary = "Q"}));
        game.prompter.clearRecords();
        open(game, game.dir.path() / "old.shp", each.answers);
        ASSERT_EQ(game.session->currentSlot(), each.target);
        EXPECT_EQ(game.control(controls::ShipTypeList).text(), targetType);
        game.strict = false; // what the write asks about the file's texts is not the point
        game.write({"yes", "yes", "yes"});
        EXPECT_EQ(game.exe().substr(static_cast<std::size_t>(game.shipTypeAt(each.target)), 1), targetEntry);
    }
}

TEST(ShipFileLoad, TheSlotQueryTakesOneToLastcraftMinusTwo)
{
    // LASTCRAFT is 80: the query takes 1 to 78, by the low 8 bits of the number typed.
    const std::pair<const char*, std::int32_t> cases[] = {{"text:0", 0}, {"text:79", 0},  {"text:78", 78},
                                                          {"text:1", 1}, {"text:261", 5}, {"text:abc", 0}};
    for (const auto& [typed, slot] : cases) {
        SCOPED_TRACE(typed);
        WriteGame game{GameBuilder(Family::Xvt)};
        game.startAt(40);
        writeFile(game.dir.path() / "q.shp",
                  shipFileBytes({.slot = 40, .texts = demoShipTexts(40, "PLORIK Demo XvT"), .binary = "Q"}));
        open(game, game.dir.path() / "q.shp", {"no", typed});
        EXPECT_EQ(game.prompter.records().at(2).message.caption, "PLORIK User query");
        EXPECT_EQ(game.prompter.records().at(2).message.text, "Which slot number should the SHP file be loaded to:");
        if (slot == 0) {
            EXPECT_EQ(game.messages().back(), "PLORIK error:|Invalid Slot number!");
            EXPECT_EQ(game.session->currentSlot(), 40);
            continue;
        }
        EXPECT_EQ(game.session->currentSlot(), slot);
        // A short binary part leaves the rest of the new slot's own entry.
        std::string expected = entryText(game, slot);
        expected[0] = 'Q';
        EXPECT_EQ(bufferText(game, 240), expected);
    }
}

TEST(ShipFileLoad, HostileFilesGiveAMessageAndNeverTouchTheGame)
{
    const std::string good =
        shipFileBytes({.slot = 5, .texts = demoShipTexts(5, "PLORIK Demo XvT"), .binary = std::string(240, '\x7F')});
    std::vector<std::string> files = {std::string(10000, 'x'), std::string(5000, '\0') + good,
                                      kMarkerLine + std::string(20000, '\r'),
                                      kMarkerLine + "\nPLORIK craft file V1.7\n\r",
                                      kMarkerLine + "\r\nPLORIK craft file V1.7\r\n\n\r\n" + std::string(10000, 'c')};
    for (std::size_t cut = 0; cut < good.size(); cut += 7)
        files.push_back(good.substr(0, cut));
    for (const std::string& file : files) {
        SCOPED_TRACE(file.size());
        WriteGame game{GameBuilder(Family::Xvt)};
        game.strict = false; // how many questions a broken file gets to is not the point
        game.startAt(5);
        const auto before = snapshot(game.game.gameDir);
        writeFile(game.dir.path() / "h.shp", file);
        open(game, game.dir.path() / "h.shp", {"yes", "yes", "yes"});
        EXPECT_EQ(changedFiles(before, snapshot(game.game.gameDir)), std::set<std::string>{});
    }
}

TEST(ShipFileLoad, AFileNamedAtStartIsLoadedAfterTheFirstSlot)
{
    WriteGame game{GameBuilder(Family::Xwa)};
    const std::filesystem::path file = game.dir.path() / "start.shp";
    writeFile(file, shipFileBytes({.slot = 12, .texts = demoShipTexts(12, "PLORIK Demo XWA"), .binary = "S"}));
    game.prompter.addAnswer("yes");
    game.session = std::make_unique<Session>(game.game.programDir, game.prompter);
    game.session->start(file.string());
    EXPECT_EQ(game.session->currentSlot(), 12);
    EXPECT_EQ(game.control(controls::CraftNameBox).text(), "Ship 12");
    EXPECT_EQ(game.session->slotBuffer().bytes()[0], 'S');
}
