// plorik-cli run as a user runs it: the real program on a built game, stdin from /dev/null.
#include "CliOptions.h"
#include "CliRunner.h"

#include "GameBuilder.h"
#include "SessionFixture.h"
#include "controls/MainWindowControls.h"

#include <gtest/gtest.h>

#include <regex>
#include <sstream>

namespace plorik::testing {
namespace {

std::vector<std::string> lines(const std::string& text)
{
    std::vector<std::string> result;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        result.push_back(line);
    return result;
}

std::string errorJson(const std::string& text)
{
    return R"({"caption":"PLORIK error:","text":")" + text + R"(","icon":"error","buttons":"ok","answer":"ok"})";
}

TEST(CliIdentify, GivesTheVersionAndEveryKeyAsWritten)
{
    const CliOutput result = CliGame(GameBuilder(Family::Xvt)).run({"--json", "identify"});
    EXPECT_EQ(result.exit, 0) << result.err;
    EXPECT_EQ(result.err, "");
    const std::string& json = result.out;
    EXPECT_EQ(json.rfind(R"({"command":"identify","version":"PLORIK Demo XvT","slot":1,"status":")", 0), 0u) << json;
    EXPECT_NE(json.find(R"("LASTCRAFT":80,)"), std::string::npos) << "as written, not lowered by 1";
    EXPECT_NE(json.find(R"("PLURALSTRTLINE":101,)"), std::string::npos);
    EXPECT_NE(json.find(R"("CRAFTOFFSET":4096,)"), std::string::npos) << "$1000 read as hexadecimal";
    EXPECT_NE(json.find(R"("STARFIGHTERSCALEENDSLOT":30,)"), std::string::npos) << "absent key: its default";
    EXPECT_NE(json.find(R"("WARHEADLOAD1":1000,)"), std::string::npos);
    EXPECT_NE(json.find(R"("XWATYPE":0,)"), std::string::npos);
    EXPECT_NE(json.find(R"("UNKNOWN1NAME":"Free byte 224",)"), std::string::npos);
    EXPECT_NE(json.find(R"("UNKNOWN3MAINOFFSET":"Shiptype",)"), std::string::npos);
    EXPECT_NE(json.find(R"("UNKNOWN9SLOTOFFSET":""},"messages":[],"exit":0})"), std::string::npos);
    EXPECT_EQ(json.find("\"INTPANOFFSET =\""), std::string::npos) << "keys are named without \" =\"";
    EXPECT_EQ(json.back(), '\n');
    EXPECT_EQ(lines(json).size(), 1u);
}

TEST(CliIdentify, NumberRuleAndMinusOneApplyButLineKeysAreNotLowered)
{
    VersionEntry entry = demoXvtEntry();
    entry.keys.emplace_back("PLURALSTRTLINE", "-1");
    entry.keys.emplace_back("GenderStrtLine", "x1A");
    entry.keys.emplace_back("LASTCRAFT", "12 slots here");
    const CliGame cli(GameBuilder(Family::Xvt).withDataFile(dataFileText({entry})));

    const CliOutput identify = cli.run({"--json", "identify"});
    EXPECT_EQ(identify.exit, 0) << identify.err;
    EXPECT_NE(identify.out.find(R"("PLURALSTRTLINE":1000,)"), std::string::npos) << identify.out;
    EXPECT_NE(identify.out.find(R"("GENDERSTRTLINE":26,)"), std::string::npos);
    EXPECT_NE(identify.out.find(R"("LASTCRAFT":12,)"), std::string::npos);

    const CliOutput slots = cli.run({"slots"});
    EXPECT_EQ(slots.out, "1\n2\n3\n4\n5\n6\n7\n8\n9\n10\n11\n12\n");
}

TEST(CliIdentify, ReadableOutputListsTheKeysAsDataTxtLines)
{
    const CliOutput result = CliGame(GameBuilder(Family::Xwa)).run({"identify"});
    EXPECT_EQ(result.exit, 0) << result.err;
    const std::vector<std::string> shown = lines(result.out);
    ASSERT_EQ(shown.size(), 1 + 41 + 36u);
    EXPECT_EQ(shown[0], "PLORIK Demo XWA");
    EXPECT_EQ(shown[1], "INTPANOFFSET = 1000");
    EXPECT_EQ(shown[6], "XWATYPE = 1");
    EXPECT_EQ(shown[25], "LASTCRAFT = 230");
    EXPECT_EQ(shown[41], "FREIGHTERSCALEENDSLOT = 40");
    EXPECT_EQ(shown[42], "UNKNOWN1NAME =Free long 376");
    EXPECT_EQ(shown[53], "UNKNOWN3TYPE =Char");
    EXPECT_EQ(shown[77], "UNKNOWN9SLOTOFFSET =");
}

TEST(CliIdentify, WithoutSettingsNothingIsIdentified)
{
    const CliOutput result = CliGame(GameBuilder(Family::Xvt).unconfigured()).run({"--json", "identify"});
    EXPECT_EQ(result.exit, 1);
    EXPECT_EQ(result.err.rfind("PLORIK tip: As a first starter", 0), 0u) << result.err;
    EXPECT_NE(result.out.find(R"("version":"","slot":null,)"), std::string::npos) << result.out;
    EXPECT_NE(result.out.find(R"("profile":{},)"), std::string::npos);
    EXPECT_NE(result.out.find(R"("icon":"information","buttons":"ok","answer":"ok"}],"exit":1})"), std::string::npos);
}

TEST(CliSlots, XvtListsTheBareNumbers)
{
    const CliOutput result = CliGame(GameBuilder(Family::Xvt)).run({"slots"});
    EXPECT_EQ(result.exit, 0) << result.err;
    const std::vector<std::string> items = lines(result.out);
    ASSERT_EQ(items.size(), 80u);
    EXPECT_EQ(items.front(), "1");
    EXPECT_EQ(items[6], "7");
    EXPECT_EQ(items.back(), "80");
}

TEST(CliSlots, XwaPadsNamedSlotsAndLeavesTheRestBare)
{
    const GameBuilder builder(Family::Xwa);
    const CliOutput result = CliGame(builder).run({"slots"});
    EXPECT_EQ(result.exit, 0) << result.err;
    const std::vector<std::string> items = lines(result.out);
    ASSERT_EQ(items.size(), 230u);
    EXPECT_EQ(items[0], "1   " + builder.shortName(1));
    EXPECT_EQ(items[6], "7   " + builder.shortName(7));
    EXPECT_EQ(items[9], "10  " + builder.shortName(10));
    EXPECT_EQ(items[217], "218 " + builder.shortName(218));
    EXPECT_EQ(items[218], "219");
    EXPECT_EQ(items[229], "230");
}

TEST(CliSlots, JsonCarriesSingleByteNamesAsUtf8)
{
    std::vector<std::string> names = {"Caf\xE9", "\"Quote\\"};
    const CliGame cli(GameBuilder(Family::Xwa).shortNames(names));

    const CliOutput json = cli.run({"--json", "slots"});
    EXPECT_EQ(json.exit, 0) << json.err;
    EXPECT_NE(json.out.find(R"("items":["1   Café","2   \"Quote\\","3   ",)"), std::string::npos) << json.out;

    const CliOutput text = cli.run({"slots"});
    EXPECT_EQ(lines(text.out).at(0), "1   Caf\xE9") << "readable output keeps the game's bytes";
}

TEST(CliControls, ListsEveryMainWindowControl)
{
    const CliGame cli{GameBuilder(Family::Xvt)};
    const CliOutput text = cli.run({"controls"});
    EXPECT_EQ(text.exit, 0) << text.err;
    EXPECT_NE(text.out.find("\nShieldPowerBox\ttextbox\tStatistics\tShield Power:\n"), std::string::npos) << text.out;
    EXPECT_EQ(text.out.rfind("CraftNoBox\tcombobox\t\tCraft No.\n", 0), 0u);
    EXPECT_NE(text.out.find("\nStatusBar\tstatusbar\t\t\n"), std::string::npos);

    const CliOutput json = cli.run({"--json", "controls"});
    EXPECT_EQ(json.exit, 0) << json.err;
    EXPECT_NE(json.out.find(R"("list":[{"key":"CraftNoBox","caption":"Craft No.","kind":"combobox","page":""},)"),
              std::string::npos)
        << json.out;
    EXPECT_NE(
        json.out.find(R"({"key":"ShieldPowerBox","caption":"Shield Power:","kind":"textbox","page":"Statistics"})"),
        std::string::npos);
    std::size_t listed = 0;
    for (std::size_t at = json.out.find("{\"key\":"); at != std::string::npos; at = json.out.find("{\"key\":", at + 1))
        ++listed;
    EXPECT_EQ(listed, lines(text.out).size());
}

// The start-up errors end the program: exit 1, the box on stderr and in the result.
struct StartUpFailure {
    std::string name;
    std::string dataFile;
    std::string text;
};

std::vector<StartUpFailure> startUpFailures(Family family)
{
    VersionEntry unknown = family == Family::Xwa ? demoXwaEntry() : demoXvtEntry();
    unknown.signature = "NOT THIS GAME";
    return {
        {"missing versions", withoutSection(shippedDataFile(), "[XVT VERSIONS]"),
         "Missing [XVT VERSIONS] section in DATA.TXT"},
        {"no match", dataFileText({unknown}), "Unkown XvT EXE version."},
        {"entry length 0", dataWithKey(family, "ENTRYLENGTH", "0"),
         "EntryLength key is set to Zero, which will result in a DBZ error."},
        {"missing convergence", withoutSection(shippedDataFile(), "[GUN CONVERGENCE]"),
         "Missing [GUN CONVERGENCE] section in DATA.TXT"},
    };
}

TEST(CliStartUp, FatalErrorsEndWithStatusOneAndTheirMessage)
{
    for (const Family family : {Family::Xvt, Family::Xwa}) {
        for (const StartUpFailure& failure : startUpFailures(family)) {
            SCOPED_TRACE(failure.name + (family == Family::Xwa ? " (XWA)" : " (XvT)"));
            const CliGame cli(GameBuilder(family).withDataFile(failure.dataFile));

            const CliOutput json = cli.run({"--json", "identify"});
            EXPECT_EQ(json.exit, 1);
            EXPECT_EQ(json.err, "PLORIK error: " + failure.text + "\n");
            EXPECT_NE(json.out.find(R"("messages":[)" + errorJson(failure.text) + R"(],"exit":1})"), std::string::npos)
                << json.out;

            const CliOutput text = cli.run({"slots"});
            EXPECT_EQ(text.exit, 1);
            EXPECT_EQ(text.err, "PLORIK error: " + failure.text + "\n");
            if (failure.name == "missing versions") {
                EXPECT_EQ(text.out, "") << "no profile, no slots";
            }
        }
    }
}

TEST(CliUsage, BadCommandLinesExitWithTwoBeforeTheStartUp)
{
    // An unconfigured game: a start-up that ran would show its tip.
    const CliGame cli(GameBuilder(Family::Xvt).unconfigured());
    const std::vector<std::vector<std::string>> badLines = {
        {},           {"frobnicate"},        {"--verbose", "identify"},
        {"--json"},   {"identify", "extra"}, {"identify", "--json"},
        {"--answer"},
    };
    for (const std::vector<std::string>& words : badLines) {
        std::string shown;
        for (const std::string& word : words)
            shown += word + " ";
        SCOPED_TRACE(shown);
        const CliOutput result = cli.run(words);
        EXPECT_EQ(result.exit, 2);
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(result.err.rfind("plorik-cli: ", 0), 0u) << result.err;
        EXPECT_NE(result.err.find("\nusage: plorik-cli [--program-dir DIR] [--answer A]... [--json] COMMAND"),
                  std::string::npos);
        EXPECT_EQ(result.err.find("PLORIK tip:"), std::string::npos);
    }
    EXPECT_EQ(runCli({"--program-dir"}).exit, 2);
}

TEST(CliUsage, HelpPrintsTheUsageWithoutStartingUp)
{
    // An unconfigured game: a start-up that ran would show its tip.
    const CliGame cli(GameBuilder(Family::Xvt).unconfigured());
    const struct {
        std::vector<std::string> words;
        const char* begins;
        const char* holds;
    } cases[] = {
        {{"--help"}, "usage: plorik-cli [--program-dir DIR]", "\n  identify "},
        {{"help"}, "usage: plorik-cli [--program-dir DIR]", "\n  --program-dir DIR\n"},
        {{"help", "show"}, "usage: plorik-cli [OPTIONS] show SLOT\n", "KEY[ROW]"},
        {{"show", "--help"}, "usage: plorik-cli [OPTIONS] show SLOT\n", "KEY[ROW]"},
        {{"write", "3", "--set", "SpeedBox=1", "--help"}, "usage: plorik-cli [OPTIONS] write SLOT [--set", "@N"},
        {{"help", "help"}, "usage: plorik-cli [OPTIONS] help [COMMAND]\n", "Nothing is started."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.words.front() + " " + c.words.back());
        const CliOutput result = cli.run(c.words);
        EXPECT_EQ(result.exit, 0);
        EXPECT_EQ(result.out.rfind(c.begins, 0), 0u) << result.out;
        EXPECT_NE(result.out.find(c.holds), std::string::npos) << result.out;
        EXPECT_EQ(result.err, "");
    }
    // The version of the build (CMake's project version), and nothing else, whatever follows.
    for (const std::vector<std::string>& words : {std::vector<std::string>{"--version"}, {"--version", "show", "1"}}) {
        const CliOutput result = cli.run(words);
        EXPECT_EQ(result.exit, 0);
        EXPECT_EQ(result.out, cli::versionText() + "\n");
        EXPECT_TRUE(std::regex_match(result.out, std::regex("plorik-cli [0-9]+(\\.[0-9]+)+\n"))) << result.out;
        EXPECT_EQ(result.err, "");
    }
    for (const std::vector<std::string>& words :
         {std::vector<std::string>{"help", "frobnicate"}, {"help", "show", "x"}}) {
        const CliOutput result = cli.run(words);
        EXPECT_EQ(result.exit, 2);
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(result.err.find("PLORIK tip:"), std::string::npos);
    }
}

} // namespace
} // namespace plorik::testing
