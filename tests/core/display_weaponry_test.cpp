#include "EntryFields.h"

#include "SessionFixture.h"
#include "windows/MainWindowControls.h"

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

const ControlKey kTurboAndSuperControls[] = {ui::CapWpnSys,       ui::TurboRange,      ui::SupRange,
                                             ui::TrackBar1,       ui::TrackBar2,       ui::TurboFirePri,
                                             ui::SupFirePri,      ui::MoreLasersLabel, ui::LessOftenLabel,
                                             ui::LessLasersLabel, ui::MoreOftenLabel,  ui::DoubleClicksLabel};

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
        EXPECT_EQ(started.text(ui::ComboBox1), types.at(f.byte("WEAPONSTATSSTART", 0)));
        EXPECT_EQ(started.text(ui::ComboBox2), types.at(f.byte("WEAPONSTATSSTART", 1)));
        EXPECT_EQ(started.text(ui::ComboBox3), types.at(f.byte("WEAPONSTATSSTART", 10)));
        EXPECT_EQ(started.text(ui::ComboBox4), types.at(f.byte("WEAPONSTATSSTART", 11)));
        EXPECT_EQ(started.text(ui::ComboBox8), "Unknown");
        const std::pair<ControlKey, int> boxes[] = {{ui::Edit1, 2},
                                                    {ui::Edit2, 3},
                                                    {ui::Edit5, 4},
                                                    {ui::Edit6, 5},
                                                    {ui::Edit9, 6},
                                                    {ui::Edit10, 7},
                                                    {ui::Edit3, 12},
                                                    {ui::Edit4, 13},
                                                    {ui::Edit7, 14},
                                                    {ui::Edit8, 15},
                                                    {ui::Edit11, 16},
                                                    {ui::Edit12, 17},
                                                    {ui::WarheadLoad1Box, 18},
                                                    {ui::WarheadLoad2Box, 19}};
        for (const auto& [key, offset] : boxes)
            EXPECT_EQ(started.text(key), number(f.byte("WEAPONSTATSSTART", offset))) << key;
        // XvT has no sequence boxes and no third laser: they keep what they showed.
        for (ControlKey key : {ui::Edit83, ui::Edit84, ui::Edit109, ui::Edit110, ui::Edit111, ui::Edit112})
            EXPECT_EQ(started.text(key), "-") << key;
    }
    // Code 8 is a boot line, left out of the list but found by its position; code 0 is the first line.
    started.show(8);
    EXPECT_EQ(started.text(ui::ComboBox1), "8  Test weapon, used at boot");
    started.show(10);
    EXPECT_EQ(started.text(ui::ComboBox1), "0  None");
    started.show(1);
    EXPECT_EQ(started.text(ui::ComboBox1), "1  Laser");
    EXPECT_EQ(started.text(ui::ComboBox3), "11 Proton torpedo");
}

TEST(DisplayWeaponry, XvtSwitchesOffTheWeaponSystemAndTheTurboAndSuperSettings)
{
    StartedGame xvt((GameBuilder(Family::Xvt)));
    for (ControlKey key : kTurboAndSuperControls)
        EXPECT_FALSE(xvt.control(key).enabled()) << key;
    StartedGame xwa((GameBuilder(Family::Xwa)));
    for (ControlKey key : kTurboAndSuperControls)
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
        EXPECT_EQ(started.text(ui::ComboBox1), xwaWeaponLine(f.word("WEAPONSTATSSTART", 0)));
        EXPECT_EQ(started.text(ui::ComboBox2), xwaWeaponLine(f.word("WEAPONSTATSSTART", 2)));
        EXPECT_EQ(started.text(ui::ComboBox8), "0  None");
        EXPECT_EQ(started.text(ui::ComboBox3), xwaWeaponLine(f.word("WEAPONSTATSSTART", 36)));
        EXPECT_EQ(started.text(ui::ComboBox4), xwaWeaponLine(f.word("WEAPONSTATSSTART", 38)));
        const std::pair<ControlKey, int> boxes[] = {
            {ui::Edit1, 6},           {ui::Edit2, 7},     {ui::Edit109, 8},
            {ui::Edit5, 9},           {ui::Edit6, 10},    {ui::Edit110, 11},
            {ui::Edit9, 12},          {ui::Edit10, 13},   {ui::Edit111, 14},
            {ui::Edit83, 15},         {ui::Edit84, 16},   {ui::Edit112, 17},
            {ui::TurboRange, 20},     {ui::SupRange, 24}, {ui::Edit3, 40},
            {ui::Edit4, 41},          {ui::Edit7, 42},    {ui::Edit8, 43},
            {ui::Edit11, 44},         {ui::Edit12, 45},   {ui::WarheadLoad1Box, 46},
            {ui::WarheadLoad2Box, 47}};
        for (const auto& [key, offset] : boxes)
            EXPECT_EQ(started.text(key), number(f.byte("WEAPONSTATSSTART", offset))) << key;
        EXPECT_EQ(started.control(ui::TrackBar1).position(), static_cast<int>(f.byte("WEAPONSTATSSTART", 30)));
        EXPECT_EQ(started.text(ui::TurboFirePri), number(f.byte("WEAPONSTATSSTART", 30)));
        EXPECT_EQ(started.control(ui::TrackBar2).position(), static_cast<int>(f.byte("WEAPONSTATSSTART", 32)));
        EXPECT_EQ(started.text(ui::SupFirePri), number(f.byte("WEAPONSTATSSTART", 32)));
    }
    started.show(1);
    EXPECT_EQ(started.text(ui::ComboBox1), "281 Heavy laser");
    started.show(3); // 999 is nowhere in the list
    EXPECT_EQ(started.text(ui::ComboBox8), "Unkown");
    started.show(11); // a boot line is found by its code
    EXPECT_EQ(started.text(ui::ComboBox1), "299 Debug weapon, used at boot");
    EXPECT_TRUE(started.messages().empty());
}

TEST(DisplayWeaponry, TrackBarBoxesShowThePositionEvenWhenItStaysTheSame)
{
    GameBuilder builder(Family::Xwa);
    StartedGame started(builder);
    started.show(2);
    const std::string turbo = number(EntryFields(builder, 2).byte("WEAPONSTATSSTART", 30));
    const std::string super = number(EntryFields(builder, 2).byte("WEAPONSTATSSTART", 32));
    started.form().userEdit(ui::TurboFirePri, "7");
    started.form().userEdit(ui::SupFirePri, "8");
    started.show(2);
    EXPECT_EQ(started.text(ui::TurboFirePri), turbo);
    EXPECT_EQ(started.text(ui::SupFirePri), super);
}

TEST(DisplayWeaponry, GunConvergenceIsFoundByCodeWithinItsSection)
{
    for (const Family family : {Family::Xvt, Family::Xwa}) {
        SCOPED_TRACE(family == Family::Xwa ? "XWA" : "XvT");
        StartedGame started((GameBuilder(family)));
        EXPECT_EQ(started.text(ui::ComboBox9), "1  Close, 300 m");
        started.show(6);
        EXPECT_EQ(started.text(ui::ComboBox9), "0  None");
        started.show(9); // the boot line is not in the list but is found
        EXPECT_EQ(started.text(ui::ComboBox9), "99 Reserved, used at boot");
        started.show(13); // 7 only appears after the next section's header
        EXPECT_EQ(started.text(ui::ComboBox9), "7 Unkown");
        started.show(5);
        EXPECT_EQ(started.text(ui::ComboBox9), "5  Parallel, no convergence");
        EXPECT_TRUE(started.messages().empty());
    }
}

TEST(DisplayWeaponry, XvtHardpointsFillTwelveRowsHeadedFromZero)
{
    GameBuilder builder(Family::Xvt);
    StartedGame started(builder);
    started.show(5);
    const EntryFields f(builder, 5);
    const Control& grid = started.control(ui::wpn);
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
    const Control& grid = started.control(ui::wpn);
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
