// The XWA demo's hook files, end to end: what `show --json` and the status bar say for a slot.
#include "CliRunner.h"

#include <gtest/gtest.h>

namespace plorik::testing {
namespace {

// The text of a result's member: a string with its quotes, an array or object up to its close.
std::string member(const std::string& json, const std::string& name)
{
    const std::size_t at = json.find("\"" + name + "\":");
    if (at == std::string::npos)
        return "(none)";
    const std::size_t start = at + name.size() + 3;
    int depth = 0;
    bool quoted = false;
    for (std::size_t i = start; i < json.size(); ++i) {
        const char c = json[i];
        if (quoted && c == '\\')
            ++i;
        else if (c == '"')
            quoted = !quoted;
        else if (!quoted && (c == '[' || c == '{'))
            ++depth;
        else if (!quoted && (c == ']' || c == '}'))
            --depth;
        if (depth < 0 || (depth == 0 && !quoted && c == ','))
            return json.substr(start, i - start);
        if (depth == 0 && !quoted && (c == ']' || c == '}' || c == '"'))
            return json.substr(start, i - start + 1);
    }
    return json.substr(start);
}

std::string override(const std::string& control, const std::string& file, const std::string& section,
                     const std::string& key, const std::string& value, const std::string& raw,
                     const std::string& when = {})
{
    return "{\"control\":\"" + control + "\",\"file\":\"FlightModels\\\\" + file + "\",\"section\":\"" + section +
           "\",\"key\":\"" + key + "\",\"value\":" + value + ",\"raw\":\"" + raw + "\"" +
           (when.empty() ? "" : ",\"when\":\"" + when + "\"") + "}";
}

TEST(HookOverridesCli, ShowNamesEveryFieldTheDemosHookFilesSet)
{
    const CliGame xwa{GameBuilder(Family::Xwa)};
    struct Case {
        std::string slot;
        std::vector<std::string> overrides;
        std::string status;
    };
    const std::string ini3 = "Craft3.ini";
    const std::string ini6 = "Craft6.ini";
    const std::string txt6 = "Craft6ExeCraftValues.txt";
    const Case cases[] = {
        // A shuttle: hull and shields at their plain factors.
        {"4",
         {override("SpeedBox", ini3, "StatsProfile_Default", "Speed", "248", "110"),
          override("AccBox", ini3, "StatsProfile_Default", "Acceleration", "45", "20"),
          override("PitchBox", ini3, "StatsProfile_Default", "Pitch", "6144", "24"),
          override("HullRateBox", ini3, "StatsProfile_Default", "HullStrength", "2625", "25"),
          override("ShieldPowerBox", ini3, "StatsProfile_Default", "ShieldStrength", "2000", "40"),
          override("HyperDriveRadioB", ini3, "StatsProfile_Default", "HasHyperdrive", "0", "0"),
          override("ComboBox1", ini3, "ExeCraftValues", "LaserTypeId0", "280", "280"),
          override("Edit83", ini3, "ExeCraftValues", "LaserSequence0", "2", "2"),
          override("WarheadLoad1Box", ini3, "ExeCraftValues", "WarheadCapacity0", "6", "6"),
          override("Countersbox", ini3, "ExeCraftValues", "CounterMeasuresCount", "4", "4"),
          override("StringGrid2[1,1]", ini3, "CockpitPov", "CockpitPovX", "0", "0"),
          override("StringGrid2[1,3]", ini3, "CockpitPov", "CockpitPovY", "-40", "-40"),
          override("StringGrid2[1,2]", ini3, "CockpitPov", "CockpitPovZ", "15", "15")},
         "\"FlightModels\\\\Craft3.ini overrides 13 fields of this slot (Statistics, Weaponry, Cockpit)\""},
        // A starship: hull and shields divided by 16; Hard has a profile of its own; the .txt hides the
        // .ini's ExeCraftValues; the cockpit view profile comes before the plain one.
        {"7",
         {override("HullRateBox", ini6, "StatsProfile_Default", "HullStrength", "164", "25", "Easy, Medium"),
          override("ShieldPowerBox", ini6, "StatsProfile_Default", "ShieldStrength", "125", "40", "Easy, Medium"),
          override("SpeedBox", ini6, "StatsProfile_Default_Hard", "Speed", "68", "30", "Hard"),
          override("ComboBox3", txt6, "ExeCraftValues", "WarheadTypeId0", "3", "3"),
          override("WarheadLoad1Box", txt6, "ExeCraftValues", "WarheadCapacity0", "8", "8"),
          override("StringGrid2[1,1]", ini6, "CockpitPov_Default", "CockpitPovX", "5", "5"),
          override("StringGrid2[1,3]", ini6, "CockpitPov_Default", "CockpitPovY", "8", "010"),
          override("StringGrid2[1,2]", ini6, "CockpitPov_Default", "CockpitPovZ", "32", "0x20")},
         "\"FlightModels\\\\Craft6.ini and FlightModels\\\\Craft6ExeCraftValues.txt override 8 fields of this slot "
         "(Statistics, Weaponry, Cockpit)\""},
        // Slot 1 has no hook files: its own note stays alone.
        {"1", {}, "\" - This slot has s-foils function.\""},
    };
    for (const Case& c : cases) {
        const CliOutput result = xwa.run({"--json", "show", c.slot});
        EXPECT_EQ(result.exit, 0) << result.out << result.err;
        std::string expected = "[";
        for (const std::string& item : c.overrides)
            expected += (expected.size() > 1 ? "," : "") + item;
        EXPECT_EQ(member(result.out, "overrides"), expected + "]") << "slot " << c.slot;
        EXPECT_EQ(member(result.out, "status"), c.status) << "slot " << c.slot;
        EXPECT_EQ(member(result.out, "hookProblems"), "(none)");
    }
    // `run` carries them too; XvT has no hook files, and no "overrides".
    EXPECT_NE(member(xwa.run({"--json", "run", "--slot", "4"}).out, "overrides"), "[]");
    const CliOutput xvt = CliGame{GameBuilder(Family::Xvt)}.run({"--json", "show", "4"});
    EXPECT_EQ(member(xvt.out, "overrides"), "(none)");
}

} // namespace
} // namespace plorik::testing
