// The XWA hook files: the values the game takes from them, which source wins, and hostile files.
#include "GameBuilder.h"
#include "TestSystem.h"

#include "controls/MainWindowControls.h"
#include "hooks/HookFields.h"
#include "hooks/HookFiles.h"
#include "hooks/HookNumber.h"
#include "hooks/HookOverrides.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

namespace plorik::testing {
namespace {

const std::string kTestFighterIni = "; TestFighter - hook overrides (example data only)\r\n"
                                    "\r\n"
                                    "[StatsProfile_Default]\r\n"
                                    "Speed = 110\r\nAcceleration = 20\r\nDeceleration = 30\r\n"
                                    "Pitch = 24\r\nRoll = 30\r\nYaw = 24\r\n"
                                    "CriticalDamageThreshold = 5\r\nHullStrength = 25\r\nSystemStrength = 300\r\n"
                                    "ShieldStrength = 40\r\nHasShieldGenerator = 1\r\nHasHyperdrive = 0\r\n"
                                    "\r\n"
                                    "[ExeCraftValues]\r\n"
                                    "LaserTypeId0 = 280\r\nLaserSequence0 = 2\r\nLaserRange0 = 2500\r\n"
                                    "LaserFireRatio0 = 60\r\nWarheadTypeId0 = 0\r\nWarheadCapacity0 = 0\r\n"
                                    "CounterMeasuresCount = 4\r\nAIHitsTakenToEvade = 3\r\n"
                                    "\r\n"
                                    "[CockpitPov]\r\nCockpitPovX = 0\r\nCockpitPovY = -40\r\nCockpitPovZ = 15\r\n";

// key (with its section where it says more) -> the game's value, "-" for none
using Values = std::map<std::string, std::string>;

Values valuesOf(const HookReport& report)
{
    Values values;
    for (const HookOverride& item : report.overrides) {
        std::string key = item.section + "." + item.key + (item.when.empty() ? "" : " (" + item.when + ")") +
                          (item.playerOnly ? " player" : "");
        values[key] = item.value ? std::to_string(*item.value) : "-";
    }
    return values;
}

HookReport overridesIn(const TempDir& game, std::int32_t category = 0, std::int32_t slot = 1,
                       const std::string& opt = "FlightModels\\TestFighter.opt")
{
    return findHookOverrides({game.path().string(), opt, category, slot});
}

TEST(HookFiles, ConvertsTheExampleFileAsTheGameWould)
{
    TempDir game;
    std::filesystem::create_directories(game.path() / "FlightModels");
    writeFile(game.path() / "FlightModels" / "TestFighter.ini", kTestFighterIni);
    const Values common = {{"ExeCraftValues.LaserTypeId0", "280"},
                           {"ExeCraftValues.LaserSequence0", "2"},
                           {"ExeCraftValues.LaserRange0", "2500"},
                           {"ExeCraftValues.LaserFireRatio0", "60"},
                           {"ExeCraftValues.WarheadTypeId0", "0"},
                           {"ExeCraftValues.WarheadCapacity0", "0"},
                           {"ExeCraftValues.CounterMeasuresCount", "4"},
                           {"ExeCraftValues.AIHitsTakenToEvade", "3"},
                           {"CockpitPov.CockpitPovX", "0"},
                           {"CockpitPov.CockpitPovY", "-40"},
                           {"CockpitPov.CockpitPovZ", "15"},
                           {"StatsProfile_Default.Speed", "248"},
                           {"StatsProfile_Default.Acceleration", "45"},
                           {"StatsProfile_Default.Deceleration", "68"},
                           {"StatsProfile_Default.Pitch", "6144"},
                           {"StatsProfile_Default.Roll", "7680"},
                           {"StatsProfile_Default.Yaw", "6144"},
                           {"StatsProfile_Default.SystemStrength", "300"},
                           {"StatsProfile_Default.HasShieldGenerator", "1"},
                           {"StatsProfile_Default.HasHyperdrive", "0"}};
    struct Case {
        std::int32_t category;
        std::string critical, hull, shield;
    };
    // Fighter (divisor 1), starship and station (16), freighter and container (4).
    for (const Case& c : {Case{0, "525", "2625", "2000"}, Case{4, "32", "164", "125"}, Case{5, "32", "164", "125"},
                          Case{3, "131", "656", "500"}, Case{17, "131", "656", "500"}}) {
        Values expected = common;
        expected["StatsProfile_Default.CriticalDamageThreshold"] = c.critical;
        expected["StatsProfile_Default.HullStrength"] = c.hull;
        expected["StatsProfile_Default.ShieldStrength"] = c.shield;
        const HookReport report = overridesIn(game, c.category);
        EXPECT_EQ(valuesOf(report), expected) << "category " << c.category;
        EXPECT_TRUE(report.problems.empty());
        for (const HookOverride& item : report.overrides)
            EXPECT_EQ(item.file, "FlightModels\\TestFighter.ini");
    }
    const HookReport report = overridesIn(game);
    EXPECT_EQ(report.summary(),
              "FlightModels\\TestFighter.ini overrides 23 fields of this slot (Statistics, Weaponry, Cockpit)");
    ASSERT_EQ(report.forControl(controls::CockpitPositionsGrid).size(), 3u);
    EXPECT_EQ(report.forControl(controls::SpeedBox).front()->raw, "110");
    EXPECT_EQ(report.forControl(controls::SpeedBox).front()->line, 4u);

    // The speed group cannot give every value: no file value gives 226 (100 gives 225, 101 gives 227).
    for (std::int32_t v = -2000; v <= 2000; ++v)
        ASSERT_NE(hookGameValue(HookConversion::Speed, v, 1), 226) << v;
    EXPECT_EQ(hookGameValue(HookConversion::Speed, 100, 1), 225);
    EXPECT_EQ(hookGameValue(HookConversion::Speed, 101, 1), 227);
    for (std::int32_t v = 0; v < (1 << 20); v += 997)
        ASSERT_EQ(hookGameValue(HookConversion::Speed, v, 1), (9 * std::int64_t{v} + 2) / 4) << v;
    // A turn rate wraps in its 16-bit field; 32-bit products wrap as in the game.
    EXPECT_EQ(hookGameValue(HookConversion::Turn, 128, 1), -32768);
    EXPECT_EQ(hookGameValue(HookConversion::Hull, 30000000, 1), static_cast<std::int32_t>(3150000000u));

    // Numbers with the base detection the hooks use; nullopt where they crash.
    const std::map<std::string, std::optional<std::int32_t>> numbers = {{"010", 8},
                                                                        {"0x10", 16},
                                                                        {"-0x10", -16},
                                                                        {"  +42", 42},
                                                                        {"90 ; x", 90},
                                                                        {"08", 0},
                                                                        {"0x", 0},
                                                                        {"-1", -1},
                                                                        {"2147483647", 2147483647},
                                                                        {"abc", std::nullopt},
                                                                        {"", std::nullopt},
                                                                        {"- 5", std::nullopt},
                                                                        {"2147483648", std::nullopt},
                                                                        {"-2147483649", std::nullopt},
                                                                        {"99999999999999999999", std::nullopt}};
    for (const auto& [text, value] : numbers)
        EXPECT_EQ(readHookNumber(text), value) << text;
}

TEST(HookFiles, TakesEachValueFromTheSourceTheHooksUse)
{
    TempDir game;
    const auto models = game.path() / "FlightModels";
    std::filesystem::create_directories(models);
    writeFile(models / "Craft1.ini",
              "Speed = 1\n" // above every header: no section's
              "[statsprofile_default]\n# Speed = 2\nspeed = \nSPEED = 3\n"
              "[StatsProfile_Default]\nPitch = 010\nHullStrength = 90 ; x\n" // joined to the first
              "[StatsProfile_Default_Hard]\nRoll = 2\n"
              "[ExeCraftValues]\nLaserTypeId0 = 281\nLaserTypeId1 = 282\n"
              "[CockpitPov_Default]\nCockpitPovX = 1\nCockpitPovY = 2\nCockpitPovZ = 3\n"
              "[CockpitPov]\nCockpitPovX = 7\nCockpitPovY = 8\nCockpitPovZ = 9\n");
    writeFile(models / "Craft1ExeCraftValues.txt", "; comment only\nLaserTypeId2 = 283\n[Other]\nLaserTypeId0 = 9\n");
    // An empty or comment-only .txt hides nothing.
    writeFile(models / "Craft1Turrets.txt", "# none\n\n");
    {
        const HookReport report = overridesIn(game, 0, 1, "FlightModels\\Craft1.opt");
        // The first "speed" line is empty: it wins, and keeps the executable's value.
        const Values expected = {{"StatsProfile_Default.Pitch (Easy, Medium)", "2048"},
                                 {"StatsProfile_Default.HullStrength (Easy, Medium)", "9450"},
                                 {"StatsProfile_Default_Hard.Roll (Hard)", "512"},
                                 {"ExeCraftValues.LaserTypeId2", "283"},
                                 {"CockpitPov_Default.CockpitPovX", "1"},
                                 {"CockpitPov_Default.CockpitPovY", "2"},
                                 {"CockpitPov_Default.CockpitPovZ", "3"}};
        EXPECT_EQ(valuesOf(report), expected);
        EXPECT_EQ(report.summary(), "FlightModels\\Craft1.ini and FlightModels\\Craft1ExeCraftValues.txt override 7 "
                                    "fields of this slot (Statistics, Weaponry, Cockpit)");
    }

    // An incomplete profile view falls back to the plain one; a Turrets section replaces both turrets.
    writeFile(models / "Craft2.ini", "[CockpitPov_Default]\nCockpitPovX = 1\nCockpitPovY = 2\nCockpitPovZ =\n"
                                     "[CockpitPov]\nCockpitPovX = 7\nCockpitPovY = 8\nCockpitPovZ = 9\n"
                                     "[Turrets]\nTurretForwardFire = 0\n1, 2, 3, 4, 5, 6, 7, Gun.opt, 0\n"
                                     "[StatsProfile_Default]\nSpeed = -1\nShieldStrength = 8\n");
    // The Objects list puts another model in the place of Craft3, when that model's file exists.
    writeFile(models / "Objects.txt", "FlightModels\\craft3.OPT = FlightModels\\Craft2.opt\n"
                                      "FlightModels\\Craft4.opt = FlightModels\\Missing.opt\n");
    writeFile(models / "Craft2.opt", "");
    writeFile(models / "Craft4.ini", "[StatsProfile_Default]\nYaw = 1\n");
    // The global StatsProfiles list chooses another profile for a model, by its name alone.
    writeFile(models / "StatsProfiles.txt", "craft5 = Heavy\n");
    writeFile(models / "Craft5.ini", "[StatsProfile_Default]\nYaw = 1\n[StatsProfile_Heavy]\nRoll = 1\n");
    for (const std::string opt : {"FlightModels\\Craft2.opt", "FlightModels\\Craft3.opt"}) {
        const HookReport report = overridesIn(game, 4, 1, opt);
        const Values expected = {{"CockpitPov.CockpitPovX", "7"},
                                 {"CockpitPov.CockpitPovY", "8"},
                                 {"CockpitPov.CockpitPovZ", "9"},
                                 {"Turrets.Turret1.PosX", "1"},
                                 {"Turrets.Turret1.PosY", "2"},
                                 {"Turrets.Turret1.PosZ", "3"},
                                 {"Turrets.Turret1.OrientX", "4"},
                                 {"Turrets.Turret1.OrientY", "5"},
                                 {"Turrets.Turret1.ArcX", "6"},
                                 {"Turrets.Turret1.ArcY", "7"},
                                 {"Turrets.Turret1.OptName", "-"},
                                 {"Turrets.Turret2.OptName", "0"},
                                 {"StatsProfile_Default.ShieldStrength", "25"}};
        EXPECT_EQ(valuesOf(report), expected) << opt;
        EXPECT_EQ(report.forControl(controls::Turret1ActivatedList).front()->raw, "Gun.opt");
    }
    EXPECT_EQ(valuesOf(overridesIn(game, 0, 1, "FlightModels\\Craft4.opt")),
              (Values{{"StatsProfile_Default.Yaw", "256"}}));
    EXPECT_EQ(valuesOf(overridesIn(game, 0, 1, "FlightModels\\Craft5.opt")),
              (Values{{"StatsProfile_Heavy.Roll", "256"}}));
    // The player's craft reads its own sections first; the others still apply to every other craft.
    writeFile(models / "Craft7.ini", "[StatsProfile_Default]\nRoll = 1\n[StatsProfile_Default_Player_Hard]\nRoll = 2\n"
                                     "[StatsProfile_Default_Player]\nPitch = 3\n");
    EXPECT_EQ(valuesOf(overridesIn(game, 0, 1, "FlightModels\\Craft7.opt")),
              (Values{{"StatsProfile_Default.Roll", "256"},
                      {"StatsProfile_Default_Player.Pitch (Easy, Medium) player", "768"},
                      {"StatsProfile_Default_Player_Hard.Roll (Hard) player", "512"}}));
    // ExeCraftValues reach slots 1 to 218 only; no model, no overrides.
    EXPECT_TRUE(valuesOf(overridesIn(game, 0, 219, "FlightModels\\Craft1.opt")).count("ExeCraftValues.LaserTypeId2") ==
                0);
    EXPECT_TRUE(overridesIn(game, 0, 1, "None Assigned").overrides.empty());
}

TEST(HookFiles, HostileFilesAreReadAsTheHooksReadThemOrNotAtAll)
{
    TempDir game;
    TempDir outside;
    const auto models = game.path() / "FlightModels";
    std::filesystem::create_directories(models);
    // A byte order mark sticks to the first header; CR-only line ends make one line.
    writeFile(models / "Bom.ini",
              "\xEF\xBB\xBF[StatsProfile_Default]\r\nSpeed = 4\r\n[ExeCraftValues]\r\nLaserRange0 = 5\r\n");
    writeFile(models / "BomExeCraftValues.txt", "\xEF\xBB\xBFLaserRange0 = 6\nLaserRange1 = 7\n");
    writeFile(models / "CrExeCraftValues.txt", "LaserRange0 = 8\rLaserRange1 = 9\r");
    writeFile(models / "Cr.ini", "[StatsProfile_Default]\rSpeed = 4\r");
    // A 10 MB line is passed over; the lines around it count.
    writeFile(models / "Long.ini",
              "[StatsProfile_Default]\nSpeed = 4\n; " + std::string(10 * 1024 * 1024, 'x') +
                  "\nPitch = 1\n[ExeCraftValues\nLaserRange0 = 5\n[CockpitPov] ; x\nCockpitPovX = 1\n");
    // A value with no digits, which the hooks crash on.
    writeFile(models / "BadExeCraftValues.txt", "LaserRange0 = fast\nLaserRange1 = 0x\n");
    // A link out of the game folder, and a folder where a file should be.
    writeFile(outside.path() / "Elsewhere.ini", "[StatsProfile_Default]\nSpeed = 4\n");
    if (linksCanBeMade())
        std::filesystem::create_symlink(outside.path() / "Elsewhere.ini", models / "Linked.ini");
    std::filesystem::create_directories(models / "Folder.ini");

    struct Case {
        std::string model;
        Values values;
        std::vector<std::string> problems;
    };
    const Case cases[] = {
        {"Bom",
         {{"ExeCraftValues.LaserRange1", "7"}},
         {"FlightModels\\BomExeCraftValues.txt starts with a UTF-8 byte order mark; the hooks read it as part of "
          "the first line."}},
        {"Cr",
         {{"ExeCraftValues.LaserRange0", "8"}},
         {"FlightModels\\CrExeCraftValues.txt ends its lines with CR alone; the hooks read it as one line.",
          "FlightModels\\Cr.ini ends its lines with CR alone; the hooks read it as one line."}},
        {"Long",
         {{"StatsProfile_Default.Speed", "9"}, {"StatsProfile_Default.Pitch", "256"}},
         {"FlightModels\\Long.ini, line 3 is longer than 65536 characters; PLORIK did not read it."}},
        {"Bad",
         {{"ExeCraftValues.LaserRange1", "0"}},
         {"FlightModels\\BadExeCraftValues.txt, line 1: \"fast\" is not a number the hooks can read; the game stops "
          "on it."}},
        {"Linked", {}, {"FlightModels\\Linked.ini leads out of the game folder; PLORIK did not read it."}},
        {"..\\..\\Elsewhere",
         {},
         {"FlightModels\\..\\..\\ElsewhereStatsProfile_Default_Easy.txt lies outside the game folder; PLORIK did not "
          "read it."}},
    };
    for (const Case& c : cases) {
        // Where no symbolic link can be made, the case of one is left out.
        if (c.model == "Linked" && !linksCanBeMade())
            continue;
        const HookReport report = overridesIn(game, 0, 1, "FlightModels\\" + c.model + ".opt");
        EXPECT_EQ(valuesOf(report), c.values) << c.model;
        for (const std::string& problem : c.problems)
            EXPECT_NE(std::find(report.problems.begin(), report.problems.end(), problem), report.problems.end())
                << c.model << ": " << problem;
    }
    const HookReport folder = overridesIn(game, 0, 1, "FlightModels\\Folder.opt");
    EXPECT_TRUE(folder.overrides.empty());
    EXPECT_EQ(folder.problems.size(), 1u);
}

} // namespace
} // namespace plorik::testing
