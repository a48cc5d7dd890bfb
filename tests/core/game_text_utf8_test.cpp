// The game's single-byte text and UTF-8: the one mapping both ways, and the command line reading
// --set and --answer text: values through it, refusing before anything is written.
#include "CliRunner.h"

#include "ShipFiles.h"
#include "WriteFixture.h"
#include "form/GameTextUtf8.h"
#include "io/Platform.h"

using namespace plorik;
using namespace plorik::testing;

namespace {

using Fault = GameTextFromUtf8::Fault;

TEST(GameTextUtf8, ReadsUtf8StrictlyIntoSingleBytesOrSaysWhyNot)
{
    struct Case {
        std::string utf8;
        Fault fault;
        std::string expected; // the game text, or the refusal
    };
    const Case cases[] = {
        {"", Fault::None, ""},
        {"Cli Craft ~", Fault::None, "Cli Craft ~"},
        {"\xC3\xA9", Fault::None, "\xE9"},
        {"\xC3\x84", Fault::None, "\xC4"},
        {"\xC3\x89lan", Fault::None, "\xC9lan"},
        {"\xC2\x80\xC2\x9F\xC3\xBF", Fault::None, "\x80\x9F\xFF"},
        {"o\xC5\x91", Fault::NoSingleByteForm, "\"\xC5\x91\" cannot be stored in the game's text"},
        {"a\xE2\x82\xAC", Fault::NoSingleByteForm, "\"\xE2\x82\xAC\" cannot be stored in the game's text"},
        {"\xF0\x9F\x98\x80", Fault::NoSingleByteForm, "\"\xF0\x9F\x98\x80\" cannot be stored in the game's text"},
        {"\xC4\x80", Fault::NoSingleByteForm, "\"\xC4\x80\" cannot be stored in the game's text"},
        // Not UTF-8: the byte where the bad sequence starts is named.
        {"Caf\xE9", Fault::NotUtf8, "byte 0xE9 is not valid UTF-8"},              // Latin-1 as it is
        {"\xC3", Fault::NotUtf8, "byte 0xC3 is not valid UTF-8"},                 // cut at the end
        {"\xC3Z", Fault::NotUtf8, "byte 0xC3 is not valid UTF-8"},                // no continuation
        {"\x89", Fault::NotUtf8, "byte 0x89 is not valid UTF-8"},                 // a stray continuation
        {"\xC1\x81", Fault::NotUtf8, "byte 0xC1 is not valid UTF-8"},             // "A" overlong
        {"\xE0\x83\xA9", Fault::NotUtf8, "byte 0xE0 is not valid UTF-8"},         // "é" overlong
        {"\xED\xA0\x80", Fault::NotUtf8, "byte 0xED is not valid UTF-8"},         // a surrogate
        {"\xF4\x90\x80\x80", Fault::NotUtf8, "byte 0xF4 is not valid UTF-8"},     // past U+10FFFF
        {"\xF8\x88\x80\x80\x80", Fault::NotUtf8, "byte 0xF8 is not valid UTF-8"}, // five bytes
        {"\xFF", Fault::NotUtf8, "byte 0xFF is not valid UTF-8"},
        // The first fault from the start is the one told.
        {"\xC5\x91\xE9", Fault::NoSingleByteForm, "\"\xC5\x91\" cannot be stored in the game's text"},
        {"\xE9\xC5\x91", Fault::NotUtf8, "byte 0xE9 is not valid UTF-8"},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.expected);
        const GameTextFromUtf8 read = gameTextFromUtf8(test.utf8);
        EXPECT_EQ(read.fault, test.fault);
        EXPECT_EQ(read.ok() ? read.gameText : read.refusal(), test.expected);
        if (!read.ok()) {
            EXPECT_EQ(read.gameText, "") << "a refused text yields no part of itself";
        }
    }
}

TEST(GameTextUtf8, EveryByteReadsBackAsItselfAndOnlyTwoLeadBytesAppear)
{
    std::string every;
    for (int byte = 0; byte < 256; ++byte)
        every.push_back(static_cast<char>(byte));
    const std::string utf8 = gameTextToUtf8(every);
    EXPECT_EQ(utf8.size(), 128u + 2u * 128u);
    EXPECT_EQ(utf8.substr(0, 128), every.substr(0, 128));
    for (std::size_t i = 128; i < utf8.size(); i += 2)
        EXPECT_TRUE(utf8[i] == '\xC2' || utf8[i] == '\xC3') << i;
    const GameTextFromUtf8 back = gameTextFromUtf8(utf8);
    ASSERT_TRUE(back.ok()) << back.refusal();
    EXPECT_EQ(back.gameText, every);
}

} // namespace

namespace {

// What a typed value becomes: the game's bytes, or the refusal on standard error.
struct TypedCase {
    std::string typed; // UTF-8, as a terminal passes it
    std::string stored;
    std::string refusal; // empty when it is stored
};

const std::vector<TypedCase>& typedCases()
{
    static const std::vector<TypedCase> cases = {
        {"Cli Craft", "Cli Craft", ""},
        {"Caf\xC3\xA9", "Caf\xE9", ""},
        {"\xC3\x84gir", "\xC4gir", ""},
        {"", "", ""},
        {"B\xC5\x91r", "", "\"\xC5\x91\" cannot be stored in the game's text. Nothing was written."},
        {"\xE2\x82\xAC", "", "\"\xE2\x82\xAC\" cannot be stored in the game's text. Nothing was written."},
        {"Caf\xE9", "", "byte 0xE9 is not valid UTF-8. Nothing was written."},
    };
    return cases;
}

std::string replacedLine(const std::string& text, std::size_t index, const std::string& line)
{
    std::vector<std::string> lines = crlfLines(text);
    lines.at(index) = line;
    return crlfText(lines);
}

} // namespace

// The craft name is on the slot's gender line of strings.txt and its line of fronttxt.txt: a typed
// name lands there as the game's bytes, with every other byte of the game folder as the plain
// ASCII write leaves it; a refused one changes no file of either folder.
TEST(GameTextUtf8, WriteSetStoresTypedTextAsTheGamesBytes)
{
    constexpr std::int32_t kSlot = 8;
    const GameBuilder builder(Family::Xvt);
    std::map<std::string, std::string> written; // the game folder after the ASCII write
    for (const TypedCase& test : typedCases()) {
        // Windows hands a program its arguments as UTF-16: bytes that are no UTF-8 cannot reach it.
        if (test.refusal.find("is not valid UTF-8") != std::string::npos && platform::isWindows())
            continue;
        SCOPED_TRACE(test.typed);
        const CliGame cli{builder};
        const auto gameBefore = snapshot(cli.game.gameDir);
        const auto programBefore = snapshot(cli.game.programDir);
        const CliOutput result =
            cli.run({"--json", "write", std::to_string(kSlot), "--set", "CraftNameBox=" + test.typed});
        const auto gameAfter = snapshot(cli.game.gameDir);
        if (!test.refusal.empty()) {
            EXPECT_EQ(result.exit, 2);
            EXPECT_EQ(result.err.substr(0, result.err.find('\n') + 1),
                      "plorik-cli: CraftNameBox: " + test.refusal + "\n");
            EXPECT_TRUE(result.out.empty());
            EXPECT_EQ(changedFiles(gameBefore, gameAfter), std::set<std::string>{});
            EXPECT_EQ(changedFiles(programBefore, snapshot(cli.game.programDir)), std::set<std::string>{});
            continue;
        }
        EXPECT_EQ(result.exit, 0) << result.err;
        // The form shows what was typed, in the same UTF-8.
        EXPECT_NE(result.out.find("\"CraftNameBox\":{\"text\":\"" + test.typed + "\""), std::string::npos);
        if (written.empty()) {
            written = gameAfter;
            const auto lines = crlfLines(gameAfter.at("strings.txt"));
            ASSERT_EQ(lines.at(10 + kSlot - 1), std::string(1, builder.gender(kSlot)) + ":Cli Craft");
            ASSERT_EQ(crlfLines(gameAfter.at("fronttxt.txt")).at(21 + kSlot - 2), "Cli Craft");
        }
        auto expected = written;
        expected["strings.txt"] = replacedLine(written.at("strings.txt"), 10 + kSlot - 1,
                                               std::string(1, builder.gender(kSlot)) + ":" + test.stored);
        expected["fronttxt.txt"] = replacedLine(written.at("fronttxt.txt"), 21 + kSlot - 2, test.stored);
        EXPECT_EQ(changedFiles(expected, gameAfter), std::set<std::string>{});
    }
}

// The slot query of "Open Ship" takes the typed answer. The run writes a name first: a refused
// answer stops the command before that write, so nothing at all is written.
TEST(GameTextUtf8, RunAnswerTextIsReadAsTheGamesBytesOrRefusedBeforeAnyStep)
{
    const GameBuilder builder(Family::Xvt);
    const std::string nameLine = std::string(1, builder.gender(40)) + ":\xC9lan";
    for (const TypedCase& test : typedCases()) {
        // Windows hands a program its arguments as UTF-16: bytes that are no UTF-8 cannot reach it.
        if (test.refusal.find("is not valid UTF-8") != std::string::npos && platform::isWindows())
            continue;
        SCOPED_TRACE(test.typed);
        const CliGame cli{builder};
        const std::filesystem::path ship = cli.dir.path() / "q.shp";
        writeFile(ship, shipFileBytes({.slot = 40, .texts = demoShipTexts(40, cli.game.versionName), .binary = "Q"}));
        const auto gameBefore = snapshot(cli.game.gameDir);
        const CliOutput result = cli.run({"--json", "--answer", "file:" + ship.string(), "--answer", "no", "--answer",
                                          "text:" + test.typed, "run", "--slot", "40", "--set",
                                          "CraftNameBox=\xC3\x89lan", "--press", "Write", "--press", "Open Ship"});
        const auto gameAfter = snapshot(cli.game.gameDir);
        if (!test.refusal.empty()) {
            EXPECT_EQ(result.exit, 2);
            EXPECT_EQ(result.err.substr(0, result.err.find('\n') + 1),
                      "plorik-cli: --answer 3: " + test.refusal + "\n");
            EXPECT_EQ(changedFiles(gameBefore, gameAfter), std::set<std::string>{});
            continue;
        }
        // The name was written as the game's bytes either way.
        EXPECT_EQ(crlfLines(gameAfter.at("strings.txt")).at(10 + 40 - 1), nameLine);
        // The answer the query took, shown back in UTF-8: only the number loads the file.
        EXPECT_NE(result.out.find(R"("caption":"PLORIK User query","text":"Which slot number should the SHP file be )"
                                  R"(loaded to:","icon":"none","buttons":"okcancel","answer":")" +
                                  test.typed + "\""),
                  std::string::npos)
            << result.out.substr(result.out.find("\"messages\""));
        EXPECT_EQ(result.exit, 1) << "no typed text here is a slot number";
        EXPECT_NE(result.err.find("PLORIK error: Invalid Slot number!"), std::string::npos);
    }
}
