// The change report: after edits written in a few slots it names exactly those slots and fields,
// with the texts the pages showed before and after, and the changed lines of the text files; a game
// equal to its image gives an empty report; another version's executable is refused; nothing is
// ever written.
#include "CliRunner.h"
#include "ImageFixture.h"

#include "changes/ChangeReport.h"
#include "controls/WeaponEditorControls.h"

#include <tuple>

namespace plorik::testing {
namespace {

struct Edit {
    std::int32_t slot;
    ControlKey key;
    std::size_t row; // a grid cell's, 0 for a box
    std::size_t column;
    std::string text;
};

// slot, control, row, column, text before, text after
using Seen = std::tuple<std::int32_t, std::string, std::size_t, std::size_t, std::string, std::string>;

std::string shown(WriteGame& game, const Edit& edit)
{
    const Control& control = game.control(edit.key);
    return edit.row > 0 ? control.cell(edit.row, edit.column) : control.text();
}

// Makes each slot's edits and presses "Write" once per slot; returns what the pages showed of each
// edited field before the edits and once the slot is shown again.
std::vector<Seen> editAndWrite(WriteGame& game, const std::vector<Edit>& edits)
{
    std::vector<Seen> seen;
    for (std::size_t first = 0; first < edits.size();) {
        const std::int32_t slot = edits[first].slot;
        std::size_t last = first;
        while (last < edits.size() && edits[last].slot == slot)
            ++last;
        EXPECT_TRUE(game.form().userEdit(controls::CraftNoBox, std::to_string(slot)));
        std::vector<std::string> before;
        for (std::size_t i = first; i < last; ++i) {
            const Edit& edit = edits[i];
            before.push_back(shown(game, edit));
            EXPECT_TRUE(edit.row > 0 ? game.form().userEditCell(edit.key, edit.row, edit.column, edit.text)
                                     : game.form().userEdit(edit.key, edit.text))
                << edit.key;
        }
        game.write();
        EXPECT_EQ(game.messages(), std::vector<std::string>{});
        EXPECT_TRUE(game.form().userEdit(controls::CraftNoBox, std::to_string(slot)));
        for (std::size_t i = first; i < last; ++i) {
            const Edit& edit = edits[i];
            seen.emplace_back(slot, std::string(edit.key.name()), edit.row, edit.column, before[i - first],
                              shown(game, edit));
        }
        first = last;
    }
    return seen;
}

std::vector<Seen> reported(const ChangeReport& report)
{
    std::vector<Seen> seen;
    for (const SlotChanges& slot : report.craftSlots) {
        for (const FieldChange& field : slot.fields)
            seen.emplace_back(slot.slot, field.key, field.row, field.column, field.before, field.after);
    }
    return seen;
}

struct ReportCase {
    Family family;
    std::vector<Edit> edits;             // in slot order
    std::vector<std::string> namesFiles; // the lines "Craft Name:" of slots 3 and 6 rewrite
};

TEST(ChangeReport, NamesExactlyTheWrittenFieldsOfBothFamiliesAndWritesNothing)
{
    const std::vector<ReportCase> cases = {
        {Family::Xvt,
         {{2, controls::ShieldPowerBox, 0, 0, "140"},
          {2, controls::SpeedBox, 0, 0, "77"},
          {5, controls::WeaponSlotsGrid, 3, 2, "-44"},
          {7, controls::HullRateBox, 0, 0, "33"}},
         {"strings.txt", "strings.txt", "fronttxt.txt", "fronttxt.txt"}},
        {Family::Xwa,
         {{2, controls::ShieldPowerBox, 0, 0, "140"},
          {4, controls::CockpitPositionsGrid, 1, 3, "321"},
          {4, controls::SpeedBox, 0, 0, "77"},
          {9, controls::WeaponSlotsGrid, 3, 2, "-44"}},
         {"strings.txt", "strings.txt"}},
    };
    for (const ReportCase& c : cases) {
        SCOPED_TRACE(c.family == Family::Xwa ? "XWA" : "XvT");
        WriteGame game{GameBuilder(c.family)};
        backUpAndRestart(game);
        const auto empty = game.session->changeReport(std::nullopt, 1, 1000);
        EXPECT_TRUE(empty.empty());
        EXPECT_EQ(changeReportText(empty), "No changes against the backup image.\n");

        std::vector<Seen> expected = editAndWrite(game, c.edits);
        // "Craft Name:" lives in a text file: the report gives its lines, not a field; the
        // unchanged lines between slot 3's and slot 6's are no change.
        std::vector<std::string> oldNames;
        for (const char* slot : {"3", "6"}) {
            ASSERT_TRUE(game.form().userEdit(controls::CraftNoBox, slot));
            oldNames.push_back(game.control(controls::CraftNameBox).text().substr(0, 5));
            ASSERT_TRUE(game.form().userEdit(controls::CraftNameBox, "Renamed Craft"));
            game.write();
            ASSERT_EQ(game.messages(), std::vector<std::string>{});
        }

        // A weapon's value, written by the weapon editor.
        Form& weapons = game.session->weaponForm();
        ASSERT_TRUE(weapons.userPick(controls::weapons::WeaponList, 2));
        const std::string oldPower = weapons[controls::weapons::PowerBox].text();
        ASSERT_TRUE(weapons.userEdit(controls::weapons::PowerBox, "555"));
        ASSERT_TRUE(weapons.userPress(controls::weapons::WriteWpnButton));
        ASSERT_EQ(game.messages(), std::vector<std::string>{});

        const auto files = snapshot(game.dir.path());
        const ChangeReport report = game.session->changeReport(std::nullopt, 1, 1000);
        EXPECT_EQ(snapshot(game.dir.path()), files);
        std::vector<Seen> got = reported(report);
        std::sort(expected.begin(), expected.end());
        std::sort(got.begin(), got.end());
        EXPECT_EQ(got, expected);
        for (const auto& [slot, key, row, column, before, after] : expected)
            EXPECT_NE(before, after) << key;
        ASSERT_EQ(report.weapons.size(), 1u);
        EXPECT_EQ(report.weapons[0].weapon, 2);
        ASSERT_EQ(report.weapons[0].fields.size(), 1u);
        const FieldChange& power = report.weapons[0].fields[0];
        EXPECT_EQ(std::make_tuple(power.key, power.before, power.after),
                  std::make_tuple(std::string(controls::weapons::PowerBox.key), oldPower, std::string("555")));
        std::vector<std::string> lineFiles;
        for (const LineChange& line : report.lines) {
            lineFiles.push_back(line.file);
            const std::string before = line.before.value_or("");
            EXPECT_TRUE(before.find(oldNames[0]) != std::string::npos || before.find(oldNames[1]) != std::string::npos)
                << line.file << " line " << line.line << ": " << before;
            EXPECT_NE(line.after.value_or("").find("Renamed Craft"), std::string::npos) << line.file;
        }
        EXPECT_EQ(lineFiles, c.namesFiles);
        // A range leaves out the slots outside it.
        const ChangeReport slotTwo = game.session->changeReport(std::nullopt, 2, 2);
        ASSERT_EQ(slotTwo.craftSlots.size(), 1u);
        EXPECT_EQ(slotTwo.craftSlots[0].slot, 2);
    }
}

// The forms a user reads, whole, for one case: the text lines and the patch notes.
TEST(ChangeReport, TextAndMarkdownForms)
{
    WriteGame game{GameBuilder(Family::Xvt)};
    backUpAndRestart(game);
    editAndWrite(game, {{2, controls::ShieldPowerBox, 0, 0, "140"}, {5, controls::WeaponSlotsGrid, 3, 2, "-44"}});
    const ChangeReport report = game.session->changeReport(std::nullopt, 1, 1000);
    EXPECT_EQ(changeReportText(report), "Slot 2 Hawk Interceptor Mark 2 · Statistics · Shield Power: 102 → 140 SBD\n"
                                        "Slot 5 Osprey Gunboat Mark 5 · Wpn. Slots · row 2, Y: 50 → -44\n");
    EXPECT_EQ(changeReportMarkdown(report), "## Changes against the backup image\n"
                                            "\n"
                                            "### Slot 2 Hawk Interceptor Mark 2\n"
                                            "\n"
                                            "- Statistics · Shield Power: 102 → 140 SBD\n"
                                            "\n"
                                            "### Slot 5 Osprey Gunboat Mark 5\n"
                                            "\n"
                                            "- Wpn. Slots · row 2, Y: 50 → -44\n");
}

TEST(ChangeReportCli, ReportsAndRefuses)
{
    const CliGame xvt{GameBuilder(Family::Xvt)};
    const CliGame xwa{GameBuilder(Family::Xwa)};
    const CliOutput noImage = xvt.run({"diff"});
    EXPECT_EQ(noImage.exit, 1);
    EXPECT_EQ(noImage.err, "PLORIK There is no backup image of PLORIK Demo XvT to compare with: \"Create Backup "
                           "Image\" takes one.\n");
    const CliOutput otherVersion = xvt.run({"diff", "--against", xwa.game.executable().string()});
    EXPECT_EQ(otherVersion.exit, 1);
    EXPECT_EQ(otherVersion.err, "PLORIK \"" + xwa.game.executable().string() +
                                    "\" is not an executable of PLORIK Demo XvT (it is PLORIK Demo XWA): only "
                                    "executables of the same version can be compared.\n");
    const CliOutput badRange = xvt.run({"diff", "--slots", "5-2"});
    EXPECT_EQ(badRange.exit, 2);
    EXPECT_EQ(badRange.err.substr(0, badRange.err.find('\n')),
              "plorik-cli: --slots takes A-B or A, slot numbers from 1 with A not above B");
    // With an image, show --json names the fields of the slot that differ from it.
    ASSERT_EQ(xvt.run({"run", "--press", "Create Backup Image"}).exit, 0);
    ASSERT_EQ(xvt.run({"write", "6", "--set", "SpeedBox=90"}).exit, 0);
    const CliOutput shown = xvt.run({"--json", "show", "6"});
    EXPECT_NE(shown.out.find("\"changes\":[{\"page\":\"Statistics\",\"caption\":\"Speed\",\"key\":\"SpeedBox\","),
              std::string::npos)
        << shown.out;
    // Against a copy of its own executable, the game has no changes; against the game with one
    // written field, the copy names that field.
    const std::filesystem::path copy = xvt.dir.path() / "copy.exe";
    std::filesystem::copy_file(xvt.game.executable(), copy);
    // The path as a JSON string: a Windows path's "\" is escaped.
    std::string against;
    for (const char c : copy.string())
        against += c == '\\' ? std::string("\\\\") : std::string(1, c);
    const CliOutput same = xvt.run({"diff", "--against", copy.string(), "--format", "json"});
    EXPECT_EQ(same.exit, 0) << same.err;
    EXPECT_EQ(same.out, "{\"against\":\"" + against + "\",\"changes\":[],\"weapons\":[],\"files\":[]}\n");
    const CliOutput write = xvt.run({"write", "4", "--set", "ShieldPowerBox=140"});
    EXPECT_EQ(write.exit, 0) << write.err;
    const CliOutput changed = xvt.run({"diff", "--against", copy.string(), "--format", "json"});
    EXPECT_EQ(changed.exit, 0) << changed.err;
    EXPECT_EQ(changed.out, "{\"against\":\"" + against +
                               "\",\"changes\":[{\"slot\":4,\"name\":\"Raven Scout Mark 4\",\"fields\":[{\"page\":"
                               "\"Statistics\",\"caption\":\"Shield Power\",\"key\":\"ShieldPowerBox\",\"unit\":"
                               "\"SBD\",\"old\":\"104\",\"new\":\"140\"}]}],\"weapons\":[],\"files\":[]}\n");
}

} // namespace
} // namespace plorik::testing
