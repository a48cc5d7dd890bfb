// plorik-cli run: steps in order on the session's own handlers, the windows they address, and the
// steps that stop a run.
#include "CliRunner.h"
#include "controls/CockpitEditorControls.h"
#include "controls/MainWindowControls.h"
#include "controls/WeaponEditorControls.h"

#include <gtest/gtest.h>

namespace plorik::testing {
namespace {

// The "slot" of a JSON result.
std::string slotOf(const CliOutput& result)
{
    const std::size_t at = result.out.find("\"slot\":");
    return at == std::string::npos ? "" : result.out.substr(at + 7, result.out.find(',', at) - at - 7);
}

std::string joined(const std::vector<std::string>& words)
{
    std::string text;
    for (const std::string& word : words)
        text += word + " ";
    return text;
}

TEST(CliRun, StepsRunInTheOrderGivenOnTheWindowsHandlers)
{
    const CliGame cli{GameBuilder(Family::Xvt)};
    struct Run {
        std::vector<std::string> steps;
        std::string slot;
        std::string messages;
    };
    const std::vector<Run> runs = {
        {{"--slot", "5", "--press", "+"}, "6", ""},
        {{"--press", "+", "--slot", "5"}, "5", ""},
        {{"--slot=80", "--press=NextSlotButton"}, "1", ""},
        {{"--slot", "1", "--press", "&-"}, "80", ""},
        // A context-menu command through its box, then a caption of the main window again.
        {{"--slot", "5", "--press", "DBOPTFile:Add New Opt", "--window", "weapons", "--window", "main", "--press", "+"},
         "6",
         "PLORIK note: The OPT list file has now been set to unknown. This will force PLORIK to assign a new opt entry "
         "for this craft. In this way you can enable a craft that does not have a proper opt index, like the BOP "
         "*tienew crafts.\n"},
    };
    for (const auto& [steps, slot, messages] : runs) {
        SCOPED_TRACE(joined(steps));
        std::vector<std::string> arguments = {"--json", "run"};
        arguments.insert(arguments.end(), steps.begin(), steps.end());
        const CliOutput result = cli.run(arguments);
        EXPECT_EQ(result.exit, 0) << result.err;
        EXPECT_EQ(result.err, messages);
        EXPECT_EQ(slotOf(result), slot);
    }
}

TEST(CliRun, TheResultHoldsEveryAddressedWindowInOrder)
{
    const CliGame cli{GameBuilder(Family::Xvt)};
    const std::vector<std::string> steps = {"run",           "--window", "weapons", "--set",
                                            "WeaponList=@2", "--window", "cockpit", "--window",
                                            "weapons",       "--slot",   "4"};
    std::vector<std::string> json = {"--json"};
    json.insert(json.end(), steps.begin(), steps.end());
    const CliOutput result = cli.run(json);
    EXPECT_EQ(result.exit, 0) << result.err;
    const std::string& out = result.out;
    const std::size_t main = out.find(R"("windows":{"main":{"CraftNoBox":{"text":"4",)");
    const std::size_t weapons = out.find(R"(},"weapons":{"WeaponList":{"text":"Ion cannon","enabled":true,"items":[)");
    const std::size_t cockpit =
        out.find(R"(},"cockpit":{"IntFileGroup":{"text":"","enabled":true},"CockpitFileBox":{"text":"CPIT1",)");
    ASSERT_NE(main, std::string::npos) << out.substr(0, 300);
    ASSERT_NE(weapons, std::string::npos);
    ASSERT_NE(cockpit, std::string::npos) << "windows are listed once, in the order first addressed";
    EXPECT_LT(main, weapons);
    EXPECT_LT(weapons, cockpit);

    const CliOutput text = cli.run(steps);
    EXPECT_EQ(text.exit, 0) << text.err;
    EXPECT_EQ(text.out.rfind("[main]\nCraftNoBox\t4\n", 0), 0u) << text.out.substr(0, 100);
    EXPECT_NE(text.out.find("\n[weapons]\nWeaponList\tIon cannon\n"), std::string::npos);
    EXPECT_NE(text.out.find("\n[cockpit]\nIntFileGroup\t\nCockpitFileBox\tCPIT1\n"), std::string::npos);
}

// Each refused step stops the run with status 2 and its line; the step before it stays done and the
// one after it does not run.
TEST(CliRun, AStepNoUserCouldDoStopsTheRunWithStatusTwo)
{
    struct Refusal {
        Family family;
        std::vector<std::string> step;
        std::string line;
    };
    const std::vector<Refusal> refusals = {
        {Family::Xvt, {"--press", "Frobnicate"}, "Frobnicate is not a control"},
        {Family::Xvt, {"--set", "NoSuchBox=1"}, "NoSuchBox is not a control"},
        {Family::Xvt, {"--press", "Add New Opt"}, "Add New Opt is not a control"},
        {Family::Xvt, {"--window", "weapons", "--press", "Write"}, "Write is not a control"},
        {Family::Xvt, {"--press", "Paste Ship"}, "Paste Ship is disabled"},
        {Family::Xvt, {"--window", "weapons", "--set", "WpnEnabledBox=true"}, "WpnEnabledBox is disabled"},
        {Family::Xwa, {"--window", "cockpit"}, "INTCockpitEditor1 is disabled"},
        {Family::Xwa, {"--press", "INT Editor"}, "INT Editor is disabled"},
        {Family::Xvt, {"--press", "SpeedBox"}, "SpeedBox cannot be pressed"},
        {Family::Xvt, {"--set", "ComboBox10=@99"}, "ComboBox10 has no item @99"},
        {Family::Xvt, {"--set", "CraftnameBox2=x"}, "CraftnameBox2 does not take the value x"},
        // The value is told back as it was typed, in UTF-8.
        {Family::Xvt, {"--set", "DisplayBox=Caf\xC3\xA9"}, "DisplayBox has no item Caf\xC3\xA9"},
        {Family::Xvt, {"--set", "CraftnameBox2=\xC3\x89lan"}, "CraftnameBox2 does not take the value \xC3\x89lan"},
    };
    const CliGame xvt{GameBuilder(Family::Xvt)};
    const CliGame xwa{GameBuilder(Family::Xwa)};
    for (const Refusal& refusal : refusals) {
        SCOPED_TRACE(joined(refusal.step));
        std::vector<std::string> arguments = {"--json", "run", "--slot", "4"};
        arguments.insert(arguments.end(), refusal.step.begin(), refusal.step.end());
        arguments.insert(arguments.end(), {"--slot", "6"});
        const CliOutput result = (refusal.family == Family::Xwa ? xwa : xvt).run(arguments);
        EXPECT_EQ(result.exit, 2);
        EXPECT_EQ(result.err, "plorik-cli: " + refusal.line + "\n");
        EXPECT_EQ(slotOf(result), "4");
        EXPECT_NE(result.out.find(R"("messages":[],"exit":2})"), std::string::npos) << result.out.substr(0, 200);
    }
}

TEST(CliRun, AnErrorBoxOrTheProgramsEndStopsTheStepsAfterIt)
{
    const CliGame cli{GameBuilder(Family::Xvt)};
    const CliOutput outOfRange = cli.run({"--json", "run", "--slot", "0", "--slot", "5"});
    EXPECT_EQ(outOfRange.exit, 1);
    EXPECT_EQ(outOfRange.err, "PLORIK error: The selected slot is out of range!\n");
    EXPECT_EQ(slotOf(outOfRange), "1");

    // "Write" refuses the value: the slot chosen after it is not shown.
    const CliOutput refused =
        cli.run({"--json", "run", "--slot", "2", "--set", "SpeedBox=40000", "--press", "Write", "--slot", "5"});
    EXPECT_EQ(refused.exit, 1);
    EXPECT_EQ(refused.err.rfind("PLORIK error: Speed:", 0), 0u) << refused.err;
    EXPECT_EQ(slotOf(refused), "2");

    // "E&xit" ends the program as the user asked: status 0, and nothing after it runs.
    const CliOutput exit = cli.run({"--json", "run", "--slot", "3", "--press", "Exit", "--slot", "5"});
    EXPECT_EQ(exit.exit, 0) << exit.err;
    EXPECT_EQ(slotOf(exit), "3");
}

TEST(CliRun, AnAbsentStartFileIsIgnoredAndMalformedStepsAreUsageErrors)
{
    const CliGame cli{GameBuilder(Family::Xwa)};
    const CliOutput plain = cli.run({"--json", "run", "--slot", "2"});
    for (const std::vector<std::string>& given :
         {std::vector<std::string>{"--start-with", "/nonexistent/ship.shp"}, {"--start-with=no-such-file.shp"}}) {
        SCOPED_TRACE(given.front());
        std::vector<std::string> arguments = given;
        arguments.insert(arguments.end(), {"--json", "run", "--slot", "2"});
        const CliOutput started = cli.run(arguments);
        EXPECT_EQ(started.exit, 0) << started.err;
        EXPECT_EQ(started.err, "");
        EXPECT_EQ(started.out, plain.out);
    }
    const std::vector<std::vector<std::string>> badLines = {
        {"--start-with"}, {"--start-with=", "identify"},      {"run", "--window", "bridge"},
        {"run", "5"},     {"write", "5", "--press", "Write"}, {"controls", "--window", "main", "extra"}};
    for (const std::vector<std::string>& bad : badLines) {
        SCOPED_TRACE(joined(bad));
        const CliOutput result = cli.run(bad);
        EXPECT_EQ(result.exit, 2);
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(result.err.rfind("plorik-cli: ", 0), 0u) << result.err;
    }
}

TEST(CliControls, EachWindowListsItsOwnControlsAndContextItemsTheirBox)
{
    const CliGame cli{GameBuilder(Family::Xvt)};
    const CliOutput weapons = cli.run({"controls", "--window", "weapons"});
    EXPECT_EQ(weapons.exit, 0) << weapons.err;
    EXPECT_EQ(weapons.out.rfind("WeaponList\tlistbox\t\tWeapon:\nWriteWpnButton\tbutton\t\tWrite Wpn.\n", 0), 0u)
        << weapons.out;
    const CliOutput cockpit = cli.run({"controls", "--window", "cockpit"});
    EXPECT_EQ(cockpit.out.rfind("IntFileGroup\tgroup\t\t&INT file editor\nCockpitFileBox\tcombobox\t\tCockpit:\n", 0),
              0u)
        << cockpit.out;
    EXPECT_NE(cockpit.out.find("\nPanelBrowse\tmenuitem\t\t&Browse..\tPanelBox\n"), std::string::npos);

    const CliOutput main = cli.run({"controls", "--window=main"});
    EXPECT_EQ(main.out, cli.run({"controls"}).out);
    EXPECT_NE(main.out.find("\nAddNewOpt1\tmenuitem\tOpt\tAdd New Opt\tDBOPTFile\n"), std::string::npos);
    const CliOutput json = cli.run({"--json", "controls"});
    EXPECT_NE(json.out.find(R"({"key":"AddNewOpt1","caption":"Add New Opt","kind":"menuitem","page":"Opt",)"
                            R"("box":"DBOPTFile"})"),
              std::string::npos);
}

} // namespace
} // namespace plorik::testing
