// The markers of the slot shown: after edits written to two fields of a slot they name exactly those
// fields with the image's texts; "Mark Changes" takes them away and back, and plorik.ini keeps the
// choice; an XWA slot's hook files give a marker to every control they set, and no other.
#include "ImageFixture.h"

#include "changes/FieldMarks.h"

#include <algorithm>
#include <set>

namespace plorik::testing {
namespace {

std::vector<FieldMark> marksOf(const WriteGame& game, FieldMark::Kind kind)
{
    std::vector<FieldMark> marks;
    for (const FieldMark& mark : game.session->fieldMarks()) {
        if (mark.kind == kind)
            marks.push_back(mark);
    }
    return marks;
}

TEST(FieldMarks, NameExactlyTheWrittenFieldsAndFollowMarkChanges)
{
    struct Case {
        Family family;
        std::int32_t slot;
    };
    for (const Case& c : {Case{Family::Xvt, 2}, Case{Family::Xwa, 2}}) {
        SCOPED_TRACE(c.family == Family::Xwa ? "XWA" : "XvT");
        WriteGame game{GameBuilder(c.family)};
        game.startAt(1);
        EXPECT_FALSE(game.control(controls::MarkChangesItem).enabled()); // no image yet
        backUpAndRestart(game, c.slot);
        EXPECT_TRUE(game.control(controls::MarkChangesItem).checked());
        EXPECT_EQ(marksOf(game, FieldMark::Kind::Changed), std::vector<FieldMark>{});

        const std::string shield = game.control(controls::ShieldPowerBox).text();
        const std::string speed = game.control(controls::SpeedBox).text();
        ASSERT_TRUE(game.form().userEdit(controls::ShieldPowerBox, "140"));
        ASSERT_TRUE(game.form().userEdit(controls::SpeedBox, "77"));
        game.write();
        ASSERT_EQ(game.messages(), std::vector<std::string>{});
        const std::vector<FieldMark> written = {
            {FieldMark::Kind::Changed, "ShieldPowerBox", 0, 0, "Backup image: " + shield + " SBD"},
            {FieldMark::Kind::Changed, "SpeedBox", 0, 0, "Backup image: " + speed + " MGLT"}};
        EXPECT_EQ(marksOf(game, FieldMark::Kind::Changed), written);
        // Another slot has none; back on the slot, the same marks.
        ASSERT_TRUE(game.form().userEdit(controls::CraftNoBox, "3"));
        EXPECT_EQ(marksOf(game, FieldMark::Kind::Changed), std::vector<FieldMark>{});
        ASSERT_TRUE(game.form().userEdit(controls::CraftNoBox, std::to_string(c.slot)));
        EXPECT_EQ(marksOf(game, FieldMark::Kind::Changed), written);

        // Off: no change marks, and line 4 of plorik.ini says so; a new start keeps it off.
        const std::filesystem::path ini = game.game.programDir / "plorik.ini";
        const std::string before = readFile(ini);
        ASSERT_TRUE(game.form().userPress(controls::MarkChangesItem));
        EXPECT_FALSE(game.control(controls::MarkChangesItem).checked());
        EXPECT_EQ(marksOf(game, FieldMark::Kind::Changed), std::vector<FieldMark>{});
        EXPECT_EQ(readFile(ini), before + "\r\n0\r\n");
        game.startAt(c.slot);
        EXPECT_FALSE(game.control(controls::MarkChangesItem).checked());
        EXPECT_EQ(marksOf(game, FieldMark::Kind::Changed), std::vector<FieldMark>{});
        ASSERT_TRUE(game.form().userPress(controls::MarkChangesItem));
        EXPECT_EQ(readFile(ini), before + "\r\n1\r\n");
        EXPECT_EQ(marksOf(game, FieldMark::Kind::Changed), written);
    }
}

// Every slot of the XWA demo: a marker per control (and cell) a hook file sets, its lines naming each
// file, section, key and text with the executable's value as the page shows it.
TEST(FieldMarks, OverrideMarksEqualTheHookOverridesOfEverySlot)
{
    WriteGame game{GameBuilder(Family::Xwa)};
    game.startAt(1);
    std::size_t marked = 0;
    for (std::int32_t slot = 1; slot <= game.session->profile()->slotCount(); ++slot) {
        ASSERT_TRUE(game.form().userEdit(controls::CraftNoBox, std::to_string(slot)));
        std::vector<FieldMark> expected;
        for (const HookOverride& item : game.session->hookOverrides().overrides) {
            if (!item.control)
                continue;
            const Control& control = game.control(*item.control);
            const std::string line = item.file + " [" + item.section + "] " + item.key + " = " + item.raw +
                                     " overrides the executable's " +
                                     (item.row > 0 ? control.cell(item.row, item.column) : control.text()) +
                                     (item.when.empty() ? "" : " (difficulty-only: " + item.when + ")");
            const auto same = std::find_if(expected.begin(), expected.end(), [&](const FieldMark& mark) {
                return mark.control == item.control->key && mark.row == item.row && mark.column == item.column;
            });
            if (same == expected.end())
                expected.push_back(
                    {FieldMark::Kind::Overridden, std::string(item.control->key), item.row, item.column, line});
            else
                same->tooltip += "\n" + line;
        }
        EXPECT_EQ(marksOf(game, FieldMark::Kind::Overridden), expected) << "slot " << slot;
        marked += expected.size();
        if (slot == 7) {
            const auto hull = std::find_if(expected.begin(), expected.end(),
                                           [](const FieldMark& mark) { return mark.control == "HullRateBox"; });
            ASSERT_NE(hull, expected.end());
            EXPECT_EQ(hull->tooltip, "FlightModels\\Craft6.ini [StatsProfile_Default] HullStrength = 25 overrides "
                                     "the executable's " +
                                         game.control(controls::HullRateBox).text() +
                                         " (difficulty-only: Easy, Medium)");
        }
    }
    EXPECT_GT(marked, 13u); // slots 4 and 7 have hook files
}

} // namespace
} // namespace plorik::testing
