#include "EntryFields.h"
#include "SessionFixture.h"

using namespace plorik;
using namespace plorik::testing;

namespace {

std::string number(std::int64_t value)
{
    return std::to_string(value);
}

// The lines of the shipped data.txt after `header`, up to the end of the file.
std::vector<std::string> linesAfter(const std::string& header)
{
    const std::vector<std::string> lines = fileLines(shippedDataFile());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i] == header)
            return {lines.begin() + static_cast<std::ptrdiff_t>(i) + 1, lines.end()};
    }
    return {};
}

// The shipped [XWA WEAPON TYPES] line of a code the demo uses ("280 Laser").
std::string xwaWeaponLine(std::uint32_t code)
{
    for (const std::string& line : linesAfter("[XWA WEAPON TYPES]")) {
        if (line.rfind(number(code) + " ", 0) == 0)
            return line;
    }
    return "no line for " + number(code);
}

const char* const kTurboAndSuperControls[] = {
    "CapWpnSys",  "TurboRange",      "SupRange",       "TrackBar1",       "TrackBar2",      "TurboFirePri",
    "SupFirePri", "MoreLasersLabel", "LessOftenLabel", "LessLasersLabel", "MoreOftenLabel", "DoubleClicksLabel"};

} // namespace

TEST(DisplayWeaponry, XvtFindsTypeBytesByPositionAndShowsTheSlotBoxes)
{
    GameBuilder builder(Family::Xvt);
    StartedGame started(builder);
    const std::vector<std::string> types = linesAfter("[WEAPON TYPES]");
    for (const std::int32_t slot : {1, 8, 10, 37}) {
        SCOPED_TRACE("slot " + number(slot));
        started.show(slot);
        const EntryFields f(builder, slot);
        EXPECT_EQ(started.text("ComboBox1"), types.at(f.byte("WEAPONSTATSSTART", 0)));
        EXPECT_EQ(started.text("ComboBox2"), types.at(f.byte("WEAPONSTATSSTART", 1)));
        EXPECT_EQ(started.text("ComboBox3"), types.at(f.byte("WEAPONSTATSSTART", 10)));
        EXPECT_EQ(started.text("ComboBox4"), types.at(f.byte("WEAPONSTATSSTART", 11)));
        EXPECT_EQ(started.text("ComboBox8"), "Unknown");
        const std::pair<const char*, int> boxes[] = {{"Edit1", 2},
                                                     {"Edit2", 3},
                                                     {"Edit5", 4},
                                                     {"Edit6", 5},
                                                     {"Edit9", 6},
                                                     {"Edit10", 7},
                                                     {"Edit3", 12},
                                                     {"Edit4", 13},
                                                     {"Edit7", 14},
                                                     {"Edit8", 15},
                                                     {"Edit11", 16},
                                                     {"Edit12", 17},
                                                     {"WarheadLoad1Box", 18},
                                                     {"WarheadLoad2Box", 19}};
        for (const auto& [key, offset] : boxes)
            EXPECT_EQ(started.text(key), number(f.byte("WEAPONSTATSSTART", offset))) << key;
        // XvT has no sequence boxes and no third laser: they keep what they showed.
        for (const char* key : {"Edit83", "Edit84", "Edit109", "Edit110", "Edit111", "Edit112"})
            EXPECT_EQ(started.text(key), "-") << key;
    }
    // Code 8 is a boot line, left out of the list but found by its position; code 0 is the first line.
    started.show(8);
    EXPECT_EQ(started.text("ComboBox1"), "8  Test weapon, used at boot");
    started.show(10);
    EXPECT_EQ(started.text("ComboBox1"), "0  None");
    started.show(1);
    EXPECT_EQ(started.text("ComboBox1"), "1  Laser");
    EXPECT_EQ(started.text("ComboBox3"), "11 Proton torpedo");
}

TEST(DisplayWeaponry, XvtSwitchesOffTheWeaponSystemAndTheTurboAndSuperSettings)
{
    StartedGame xvt((GameBuilder(Family::Xvt)));
    for (const char* key : kTurboAndSuperControls)
        EXPECT_FALSE(xvt.control(key).enabled()) << key;
    StartedGame xwa((GameBuilder(Family::Xwa)));
    for (const char* key : kTurboAndSuperControls)
        EXPECT_TRUE(xwa.control(key).enabled()) << key;
}

TEST(DisplayWeaponry, XwaFindsTypeWordsByCodeAndShowsAllFiveRows)
{
    GameBuilder builder(Family::Xwa);
    StartedGame started(builder);
    for (const std::int32_t slot : {1, 2, 12, 200}) {
        SCOPED_TRACE("slot " + number(slot));
        started.show(slot);
        const EntryFields f(builder, slot);
        EXPECT_EQ(started.text("ComboBox1"), xwaWeaponLine(f.word("WEAPONSTATSSTART", 0)));
        EXPECT_EQ(started.text("ComboBox2"), xwaWeaponLine(f.word("WEAPONSTATSSTART", 2)));
        EXPECT_EQ(started.text("ComboBox8"), "0  None");
        EXPECT_EQ(started.text("ComboBox3"), xwaWeaponLine(f.word("WEAPONSTATSSTART", 36)));
        EXPECT_EQ(started.text("ComboBox4"), xwaWeaponLine(f.word("WEAPONSTATSSTART", 38)));
        const std::pair<const char*, int> boxes[] = {{"Edit1", 6},           {"Edit2", 7},     {"Edit109", 8},
                                                     {"Edit5", 9},           {"Edit6", 10},    {"Edit110", 11},
                                                     {"Edit9", 12},          {"Edit10", 13},   {"Edit111", 14},
                                                     {"Edit83", 15},         {"Edit84", 16},   {"Edit112", 17},
                                                     {"TurboRange", 20},     {"SupRange", 24}, {"Edit3", 40},
                                                     {"Edit4", 41},          {"Edit7", 42},    {"Edit8", 43},
                                                     {"Edit11", 44},         {"Edit12", 45},   {"WarheadLoad1Box", 46},
                                                     {"WarheadLoad2Box", 47}};
        for (const auto& [key, offset] : boxes)
            EXPECT_EQ(started.text(key), number(f.byte("WEAPONSTATSSTART", offset))) << key;
        EXPECT_EQ(started.control("TrackBar1").position(), static_cast<int>(f.byte("WEAPONSTATSSTART", 30)));
        EXPECT_EQ(started.text("TurboFirePri"), number(f.byte("WEAPONSTATSSTART", 30)));
        EXPECT_EQ(started.control("TrackBar2").position(), static_cast<int>(f.byte("WEAPONSTATSSTART", 32)));
        EXPECT_EQ(started.text("SupFirePri"), number(f.byte("WEAPONSTATSSTART", 32)));
    }
    started.show(1);
    EXPECT_EQ(started.text("ComboBox1"), "281 Heavy laser");
    started.show(3); // 999 is nowhere in the list
    EXPECT_EQ(started.text("ComboBox8"), "Unkown");
    started.show(11); // a boot line is found by its code
    EXPECT_EQ(started.text("ComboBox1"), "299 Debug weapon, used at boot");
    EXPECT_TRUE(started.messages().empty());
}

TEST(DisplayWeaponry, TrackBarBoxesShowThePositionEvenWhenItStaysTheSame)
{
    GameBuilder builder(Family::Xwa);
    StartedGame started(builder);
    started.show(2);
    const std::string turbo = number(EntryFields(builder, 2).byte("WEAPONSTATSSTART", 30));
    const std::string super = number(EntryFields(builder, 2).byte("WEAPONSTATSSTART", 32));
    started.form().userEdit("TurboFirePri", "7");
    started.form().userEdit("SupFirePri", "8");
    started.show(2);
    EXPECT_EQ(started.text("TurboFirePri"), turbo);
    EXPECT_EQ(started.text("SupFirePri"), super);
}

TEST(DisplayWeaponry, GunConvergenceIsFoundByCodeWithinItsSection)
{
    for (const Family family : {Family::Xvt, Family::Xwa}) {
        SCOPED_TRACE(family == Family::Xwa ? "XWA" : "XvT");
        StartedGame started((GameBuilder(family)));
        EXPECT_EQ(started.text("ComboBox9"), "1  Close, 300 m");
        started.show(6);
        EXPECT_EQ(started.text("ComboBox9"), "0  None");
        started.show(9); // the boot line is not in the list but is found
        EXPECT_EQ(started.text("ComboBox9"), "99 Reserved, used at boot");
        started.show(13); // 7 only appears after the next section's header
        EXPECT_EQ(started.text("ComboBox9"), "7 Unkown");
        started.show(5);
        EXPECT_EQ(started.text("ComboBox9"), "5  Parallel, no convergence");
        EXPECT_TRUE(started.messages().empty());
    }
}

TEST(DisplayWeaponry, XvtHardpointsFillTwelveRowsHeadedFromZero)
{
    GameBuilder builder(Family::Xvt);
    StartedGame started(builder);
    started.show(5);
    const EntryFields f(builder, 5);
    const Control& grid = started.control("wpn");
    ASSERT_GE(grid.rowCount(), 13u);
    EXPECT_EQ(grid.cell(0, 1), "X");
    EXPECT_EQ(grid.cell(0, 2), "Y");
    EXPECT_EQ(grid.cell(0, 3), "Z");
    EXPECT_EQ(grid.cell(0, 4), "Capacity");
    for (std::size_t row = 1; row <= 12; ++row) {
        EXPECT_EQ(grid.cell(row, 0), number(static_cast<std::int64_t>(row) - 1));
        for (std::size_t column = 1; column <= 4; ++column) {
            const auto offset = static_cast<std::int64_t>(48 + 8 * (row - 1) + 2 * (column - 1));
            EXPECT_EQ(grid.cell(row, column), number(f.signedWord("WEAPONSTATSSTART", offset)))
                << "row " << row << " column " << column;
        }
    }
}

TEST(DisplayWeaponry, XwaHardpointsFillTwentySixRowsHeadedFromOne)
{
    GameBuilder builder(Family::Xwa);
    StartedGame started(builder);
    started.show(7);
    const EntryFields f(builder, 7);
    const Control& grid = started.control("wpn");
    ASSERT_GE(grid.rowCount(), 27u);
    EXPECT_EQ(grid.cell(0, 4), "Capacity");
    bool negative = false;
    for (std::size_t row = 1; row <= 26; ++row) {
        EXPECT_EQ(grid.cell(row, 0), number(static_cast<std::int64_t>(row)));
        for (std::size_t column = 1; column <= 4; ++column) {
            const auto offset = static_cast<std::int64_t>(48 + 8 * (row - 1) + 2 * (column - 1));
            const std::int32_t value = f.signedWord("WEAPONSTATSSTART", offset);
            negative = negative || value < 0;
            EXPECT_EQ(grid.cell(row, column), number(value)) << "row " << row << " column " << column;
        }
    }
    EXPECT_TRUE(negative); // the words are read signed
}
