// A slot's values into a hook file and back: every value survives or is named, the file keeps every
// byte it does not need to change, hostile files are refused or read as the hooks read them, and undo
// puts the file back.
#include "CliRunner.h"
#include "SessionFixture.h"

#include "Sampling.h"
#include "TestSystem.h"
#include "hooks/HookSlotValues.h"
#include "hooks/HookTransfer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace plorik::testing {
namespace {

// The game's value of every hook key this program has a field for, as the slot on screen holds it.
std::map<std::string, std::int64_t> hookValues(const Session& session)
{
    std::map<std::string, std::int64_t> values;
    for (const HookSectionKind kind :
         {HookSectionKind::Stats, HookSectionKind::ExeValues, HookSectionKind::CockpitPov}) {
        for (const HookField& field : hookSectionFields(kind)) {
            if (const auto place = field.control ? hookPlace(field, *session.profile()) : std::nullopt)
                values[std::string(field.key)] = readHookValue(*place, session.slotBuffer());
        }
    }
    return values;
}

bool names(const std::vector<std::string>& lines, const std::string& key)
{
    return std::any_of(lines.begin(), lines.end(), [&](const std::string& line) { return line.starts_with(key); });
}

// Every slot's values, exported and imported into the next slot and written there: each value arrives
// as it was, or a warning of the export or the import names its key. Nothing is lost silently.
TEST(HookTransfer, ExportThenImportGivesBackEveryValueOrNamesIt)
{
    StartedGame xwa{GameBuilder(Family::Xwa)};
    xwa.strict = false; // slots without a model refuse the export with an error box
    std::size_t carried = 0;
    std::size_t compared = 0;
    const auto errors = [&] {
        return std::count_if(xwa.prompter.records().begin(), xwa.prompter.records().end(),
                             [](const auto& record) { return record.message.icon == MessageIcon::Error; });
    };
    for (std::int32_t slot = 1; slot <= xwa.game.slots; ++slot) {
        if (!sampled(slot - 1))
            continue;
        xwa.show(slot);
        const auto before = hookValues(*xwa.session);
        const int category = xwa.control(controls::ShipTypeList).index();
        const std::string file = "FlightModels\\Moved" + std::to_string(slot) + ".ini";
        const HookExportResult out = xwa.session->exportHookFile({.file = file});
        if (!out.written)
            continue; // no model
        const std::int32_t target = slot % xwa.game.slots + 1;
        xwa.show(target);
        // Hull and shield are file values of the model's category: another category gives others.
        const bool sameCategory = xwa.control(controls::ShipTypeList).index() == category;
        const auto errorsBefore = errors();
        const HookImportResult in = xwa.session->importHookFile({file});
        EXPECT_TRUE(in.problems.empty() && in.unsupported.empty()) << slot;
        xwa.form().userPress(controls::WriteButton);
        if (errors() != errorsBefore)
            continue; // the target has no model, or cannot be written for reasons of its own (its ship list)
        ++compared;
        xwa.show(target);
        const auto after = hookValues(*xwa.session);
        for (const auto& [key, value] : before) {
            if ((target > kLastExeValuesSlot && (key.starts_with("Laser") || key.starts_with("Warhead"))) ||
                (!sameCategory &&
                 (key == "HullStrength" || key == "ShieldStrength" || key == "CriticalDamageThreshold")))
                continue;
            if (after.at(key) == value)
                ++carried;
            else
                EXPECT_TRUE(names(out.warnings, key + ":") || names(in.warnings, key + " ="))
                    << "slot " << slot << " -> " << target << ", " << key << ": " << value << " became "
                    << after.at(key);
        }
    }
    EXPECT_GE(compared * sampleStride(), 100u);
    // Most values travel unchanged: only the rounded and the partly shown fields may not.
    EXPECT_GE(carried, compared * 18);
}

struct Case {
    std::string name;
    std::string ini;                    // FlightModels\Craft3.ini before the export
    std::vector<std::string> arguments; // after "export-hooks 4"
    std::function<void(const std::filesystem::path&)> prepare = {};
    int exit = 0;
    std::string after; // the whole file after the export; empty: unchanged
    std::string stderrHas;
};

const std::string kSlot4Stats = "Speed = 102\r\nAcceleration = 91\r\nDeceleration = 82\r\nPitch = 34\r\nRoll = 44\r\n"
                                "CriticalDamageThreshold = 1176\r\nHullStrength = 956\r\nSystemStrength = 44\r\n"
                                "ShieldStrength = 1480\r\nHasShieldGenerator = 1\r\nHasHyperdrive = 1\r\n";

// export-hooks edits the model's .ini in place, byte for byte, or refuses with a reason and writes
// nothing; undo then restores the file byte for byte.
TEST(HookTransfer, ExportEditsInPlaceOrRefusesAndUndoRestores)
{
    const std::string foreign = "; Craft3 - kept as it is\r\n"
                                "[Sound]\r\nEngineSound = Wave\\Engine3.wav\r\n\r\n"
                                "[StatsProfile_Default]\r\n"
                                "  # the hooks read from here\r\n"
                                "SPEED = 90 ; fast\r\n"
                                "Pitch = 34\r\n"
                                "SpeedIncrement = 2\r\n"
                                "\r\n"
                                "[Hyperspace]\r\nType = 2\r\n"
                                "[CockpitPov]\r\nCockpitPovX = 46\r\nCockpitPovY = 40\r\nCockpitPovZ = -43";
    const std::string longLine = "; " + std::string(10 * 1024 * 1024, 'x');
    const Case cases[] = {
        {"foreign sections and comments",
         foreign,
         {"--sections", "pov,stats"},
         {},
         0,
         "; Craft3 - kept as it is\r\n"
         "[Sound]\r\nEngineSound = Wave\\Engine3.wav\r\n\r\n"
         "[StatsProfile_Default]\r\n"
         "  # the hooks read from here\r\n"
         "Speed = 102\r\n"
         "Pitch = 34\r\n"
         "SpeedIncrement = 2\r\n"
         "Acceleration = 91\r\nDeceleration = 82\r\nRoll = 44\r\nCriticalDamageThreshold = 1176\r\n"
         "HullStrength = 956\r\nSystemStrength = 44\r\nShieldStrength = 1480\r\nHasShieldGenerator = 1\r\n"
         "HasHyperdrive = 1\r\n"
         "\r\n"
         "[Hyperspace]\r\nType = 2\r\n"
         "[CockpitPov]\r\nCockpitPovX = 46\r\nCockpitPovY = 40\r\nCockpitPovZ = -43",
         "no file value gives 229 exactly; PLORIK writes Speed = 102, which the hooks turn into 230"},
        // The hooks see no header behind a byte order mark, nor in a line without "]": the section goes
        // to the end, LF-ended as the file's lines are.
        {"a byte order mark and a header without ]",
         "\xEF\xBB\xBF[StatsProfile_Default]\nSpeed = 1\n[Sound\nX = 1",
         {"--sections", "stats"},
         {},
         0,
         "\xEF\xBB\xBF[StatsProfile_Default]\nSpeed = 1\n[Sound\nX = 1\n\n[StatsProfile_Default]\n" +
             [] {
                 std::string lf = kSlot4Stats;
                 lf.erase(std::remove(lf.begin(), lf.end(), '\r'), lf.end());
                 return lf;
             }(),
         "\"[Sound\" is no section header for the hooks"},
        {"a 10 MB line",
         longLine + "\r\n[CockpitPov]\r\nCockpitPovX = 1\r\n",
         {"--sections", "pov"},
         {},
         0,
         longLine + "\r\n[CockpitPov]\r\nCockpitPovX = 46\r\nCockpitPovY = 40\r\nCockpitPovZ = -43\r\n",
         ""},
        {"CR-only lines",
         "[CockpitPov]\rCockpitPovX = 1\r",
         {},
         {},
         1,
         "",
         "ends its lines with CR alone; the hooks read it as one line, so PLORIK does not edit it"},
        {"a link out of the game folder",
         "",
         {},
         [](const std::filesystem::path& models) {
             writeFile(models.parent_path().parent_path() / "outside.ini", "[Sound]\r\n");
             std::filesystem::remove(models / "Craft3.ini");
             std::filesystem::create_symlink(models.parent_path().parent_path() / "outside.ini", models / "Craft3.ini");
         },
         1,
         "",
         "FlightModels\\Craft3.ini leads out of the game folder"},
        {"a file above the game folder",
         "",
         {"--file", "..\\outside.ini"},
         {},
         1,
         "",
         "..\\outside.ini lies outside the game folder"},
        {"a full path outside", "", {"--file", "/tmp/outside.ini"}, {}, 1, "", "/tmp/outside.ini lies outside"},
        {"no .ini", "", {"--file", "FlightModels\\Craft3Turrets.txt"}, {}, 1, "", "is no .ini file"},
    };
    for (const Case& c : cases) {
        if (c.name == "a link out of the game folder" && !linksCanBeMade())
            continue; // this system lets the tests make no symbolic links
        const CliGame xwa{GameBuilder(Family::Xwa)};
        const auto models = xwa.game.gameDir / "FlightModels";
        if (!c.ini.empty())
            writeFile(models / "Craft3.ini", c.ini);
        if (c.prepare)
            c.prepare(models);
        const std::string before = readFile(models / "Craft3.ini");
        std::vector<std::string> arguments = {"export-hooks", "4"};
        arguments.insert(arguments.end(), c.arguments.begin(), c.arguments.end());
        const CliOutput out = xwa.run(arguments);
        EXPECT_EQ(out.exit, c.exit) << c.name << out.err;
        EXPECT_NE(out.err.find(c.stderrHas), std::string::npos) << c.name << ": " << out.err;
        EXPECT_EQ(readFile(models / "Craft3.ini"), c.after.empty() ? before : c.after) << c.name;
        EXPECT_FALSE(std::filesystem::exists(xwa.game.gameDir.parent_path() / "outside.ini") &&
                     readFile(xwa.game.gameDir.parent_path() / "outside.ini") != "[Sound]\r\n")
            << c.name;
        if (c.exit != 0)
            continue;
        EXPECT_EQ(xwa.run({"undo"}).exit, 0) << c.name;
        EXPECT_EQ(readFile(models / "Craft3.ini"), before) << c.name << ": undo";
    }
    // A file the export creates is removed by its undo; XvT refuses.
    const CliGame xwa{GameBuilder(Family::Xwa)};
    EXPECT_EQ(xwa.run({"export-hooks", "4", "--file", "FlightModels\\New.ini"}).exit, 0);
    EXPECT_EQ(xwa.run({"undo"}).exit, 0);
    EXPECT_FALSE(std::filesystem::exists(xwa.game.gameDir / "FlightModels" / "New.ini"));
    // The menu item: its dialog proposes the model's own file, which the answer picks; the warnings
    // follow the write in a box of their own.
    const auto own = xwa.game.gameDir / "FlightModels" / "Craft3.ini";
    const std::string before = readFile(own);
    const CliOutput menu =
        xwa.run({"--answer", "file:" + own.string(), "run", "--slot", "4", "--press", "Export Hook File"});
    EXPECT_EQ(menu.exit, 0) << menu.err;
    EXPECT_NE(menu.err.find("PLORIK warning: Speed: no file value gives 229 exactly"), std::string::npos) << menu.err;
    EXPECT_NE(readFile(own), before);
    const CliOutput xvt = CliGame{GameBuilder(Family::Xvt)}.run({"export-hooks", "4"});
    EXPECT_EQ(xvt.exit, 1);
    EXPECT_NE(xvt.err.find("works on X-Wing Alliance only"), std::string::npos) << xvt.err;
}

// import-hooks sets what the hooks read (a .txt in place of its section), lists the keys without a
// field and names a value with no digits by file and line; slot 7 is a starship (divisor 16).
TEST(HookTransfer, ImportSetsTheFieldsAndNamesWhatItCannot)
{
    const CliGame xwa{GameBuilder(Family::Xwa)};
    writeFile(xwa.game.gameDir / "FlightModels" / "Craft6ExeCraftValues.txt",
              "WarheadCapacity0 = 8\r\nWarheadCapacity1 = many\r\nGameOptions_IsAxisAligned = 1\r\nFoo = 1\r\n");
    const CliOutput out = xwa.run({"import-hooks", "7"});
    EXPECT_EQ(out.exit, 0) << out.err;
    EXPECT_EQ(out.out, "set WarheadCapacity0 = 8 (FlightModels\\Craft6ExeCraftValues.txt, line 1)\n"
                       "set CockpitPovX = 5 (FlightModels\\Craft6.ini, line 12)\n"
                       "set CockpitPovY = 010 (FlightModels\\Craft6.ini, line 13)\n"
                       "set CockpitPovZ = 0x20 (FlightModels\\Craft6.ini, line 14)\n"
                       "not set: GameOptions_IsAxisAligned = 1 (FlightModels\\Craft6ExeCraftValues.txt, line 3): "
                       "PLORIK has no field for it\n"
                       "not set: Foo = 1 (FlightModels\\Craft6ExeCraftValues.txt, line 4): the hooks do not read "
                       "this key here\n"
                       "Set 4 fields of slot 7 from FlightModels\\Craft6.ini and "
                       "FlightModels\\Craft6ExeCraftValues.txt; \"Write\" stores them.\n");
    EXPECT_NE(out.err.find("FlightModels\\Craft6ExeCraftValues.txt, line 2: \"many\" is not a number the hooks can "
                           "read; the game stops on it."),
              std::string::npos)
        << out.err;
    // A starship divides hull and shield by 16; its page shows them in coarser steps than that.
    for (const std::string warning :
         {"HullStrength = 25 (FlightModels\\Craft6.ini, line 2): the game uses 164; from what the page shows, "
          "\"Write\" stores 210.",
          "ShieldStrength = 40 (FlightModels\\Craft6.ini, line 3): the game uses 125; from what the page shows, "
          "\"Write\" stores 100."})
        EXPECT_NE(out.err.find(warning), std::string::npos) << warning;
    EXPECT_NE(out.err.find("[StatsProfile_Default_Hard] of FlightModels\\Craft6.ini applies on Hard only"),
              std::string::npos)
        << out.err;
    // With --write the values reach the executable: hull 25 on a starship is 25 * 105 / 16 = 164.
    const std::string exe = readFile(xwa.game.executable());
    EXPECT_EQ(xwa.run({"import-hooks", "7", "--write"}).exit, 0);
    EXPECT_NE(readFile(xwa.game.executable()), exe);
    const CliOutput shown =
        xwa.run({"--json", "export-hooks", "7", "--sections", "pov", "--file", "FlightModels\\P.ini"});
    EXPECT_EQ(readFile(xwa.game.gameDir / "FlightModels" / "P.ini"),
              "[CockpitPov_Default]\r\nCockpitPovX = 5\r\nCockpitPovY = 8\r\nCockpitPovZ = 32\r\n");
}

} // namespace
} // namespace plorik::testing
