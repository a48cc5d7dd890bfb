#include "EntryFields.h"

#include "SessionFixture.h"
#include "controls/MainWindowControls.h"

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

const ControlKey kTurboAndSuperControls[] = {controls::CapWpnSys,
                                             controls::TurboRange,
                                             controls::SupRange,
                                             controls::TurboFirePriorityBar,
                                             controls::SuperFirePriorityBar,
                                             controls::TurboFirePri,
                                             controls::SupFirePri,
                                             controls::MoreLasersLabel,
                                             controls::LessOftenLabel,
                                             controls::LessLasersLabel,
                                             controls::MoreOftenLabel,
                                             controls::DoubleClicksLabel};

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
        EXPECT_EQ(started.text(controls::Laser1List), types.at(f.byte("WEAPONSTATSSTART", 0)));
        EXPECT_EQ(started.text(controls::Laser2List), types.at(f.byte("WEAPONSTATSSTART", 1)));
        EXPECT_EQ(started.text(controls::Warhead1List), types.at(f.byte("WEAPONSTATSSTART", 10)));
        EXPECT_EQ(started.text(controls::Warhead2List), types.at(f.byte("WEAPONSTATSSTART", 11)));
        EXPECT_EQ(started.text(controls::Laser3List), "Unknown");
        const std::pair<ControlKey, int> boxes[] = {
            {controls::Laser1StartBox, 2},    {controls::Laser2StartBox, 3},    {controls::Laser1EndBox, 4},
            {controls::Laser2EndBox, 5},      {controls::Laser1LinkBox, 6},     {controls::Laser2LinkBox, 7},
            {controls::Warhead1StartBox, 12}, {controls::Warhead2StartBox, 13}, {controls::Warhead1EndBox, 14},
            {controls::Warhead2EndBox, 15},   {controls::Warhead1LinkBox, 16},  {controls::Warhead2LinkBox, 17},
            {controls::WarheadLoad1Box, 18},  {controls::WarheadLoad2Box, 19}};
        for (const auto& [key, offset] : boxes)
            EXPECT_EQ(started.text(key), number(f.byte("WEAPONSTATSSTART", offset))) << key;
        // XvT has no sequence boxes and no third laser: they keep what they showed.
        for (ControlKey key : {controls::Laser1SequenceBox, controls::Laser2SequenceBox, controls::Laser3StartBox,
                               controls::Laser3EndBox, controls::Laser3LinkBox, controls::Laser3SequenceBox})
            EXPECT_EQ(started.text(key), "-") << key;
    }
    // Code 8 is a boot line, left out of the list but found by its position; code 0 is the first line.
    started.show(8);
    EXPECT_EQ(started.text(controls::Laser1List), "8  Test weapon, used at boot");
    started.show(10);
    EXPECT_EQ(started.text(controls::Laser1List), "0  None");
    started.show(1);
    EXPECT_EQ(started.text(controls::Laser1List), "1  Laser");
    EXPECT_EQ(started.text(controls::Warhead1List), "11 Proton torpedo");
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
        EXPECT_EQ(started.text(controls::Laser1List), xwaWeaponLine(f.word("WEAPONSTATSSTART", 0)));
        EXPECT_EQ(started.text(controls::Laser2List), xwaWeaponLine(f.word("WEAPONSTATSSTART", 2)));
        EXPECT_EQ(started.text(controls::Laser3List), "0  None");
        EXPECT_EQ(started.text(controls::Warhead1List), xwaWeaponLine(f.word("WEAPONSTATSSTART", 36)));
        EXPECT_EQ(started.text(controls::Warhead2List), xwaWeaponLine(f.word("WEAPONSTATSSTART", 38)));
        const std::pair<ControlKey, int> boxes[] = {
            {controls::Laser1StartBox, 6},     {controls::Laser2StartBox, 7},     {controls::Laser3StartBox, 8},
            {controls::Laser1EndBox, 9},       {controls::Laser2EndBox, 10},      {controls::Laser3EndBox, 11},
            {controls::Laser1LinkBox, 12},     {controls::Laser2LinkBox, 13},     {controls::Laser3LinkBox, 14},
            {controls::Laser1SequenceBox, 15}, {controls::Laser2SequenceBox, 16}, {controls::Laser3SequenceBox, 17},
            {controls::TurboRange, 20},        {controls::SupRange, 24},          {controls::Warhead1StartBox, 40},
            {controls::Warhead2StartBox, 41},  {controls::Warhead1EndBox, 42},    {controls::Warhead2EndBox, 43},
            {controls::Warhead1LinkBox, 44},   {controls::Warhead2LinkBox, 45},   {controls::WarheadLoad1Box, 46},
            {controls::WarheadLoad2Box, 47}};
        for (const auto& [key, offset] : boxes)
            EXPECT_EQ(started.text(key), number(f.byte("WEAPONSTATSSTART", offset))) << key;
        EXPECT_EQ(started.control(controls::TurboFirePriorityBar).position(),
                  static_cast<int>(f.byte("WEAPONSTATSSTART", 30)));
        EXPECT_EQ(started.text(controls::TurboFirePri), number(f.byte("WEAPONSTATSSTART", 30)));
        EXPECT_EQ(started.control(controls::SuperFirePriorityBar).position(),
                  static_cast<int>(f.byte("WEAPONSTATSSTART", 32)));
        EXPECT_EQ(started.text(controls::SupFirePri), number(f.byte("WEAPONSTATSSTART", 32)));
    }
    started.show(1);
    EXPECT_EQ(started.text(controls::Laser1List), "281 Heavy laser");
    started.show(3); // 999 is nowhere in the list
    EXPECT_EQ(started.text(controls::Laser3List), "Unkown");
    started.show(11); // a boot line is found by its code
    EXPECT_EQ(started.text(controls::Laser1List), "299 Debug weapon, used at boot");
    EXPECT_TRUE(started.messages().empty());
}

TEST(DisplayWeaponry, TrackBarBoxesShowThePositionEvenWhenItStaysTheSame)
{
    GameBuilder builder(Family::Xwa);
    StartedGame started(builder);
    started.show(2);
    const std::string turbo = number(EntryFields(builder, 2).byte("WEAPONSTATSSTART", 30));
    const std::string super = number(EntryFields(builder, 2).byte("WEAPONSTATSSTART", 32));
    started.form().userEdit(controls::TurboFirePri, "7");
    started.form().userEdit(controls::SupFirePri, "8");
    started.show(2);
    EXPECT_EQ(started.text(controls::TurboFirePri), turbo);
    EXPECT_EQ(started.text(controls::SupFirePri), super);
}

TEST(DisplayWeaponry, GunConvergenceIsFoundByCodeWithinItsSection)
{
    for (const Family family : {Family::Xvt, Family::Xwa}) {
        SCOPED_TRACE(family == Family::Xwa ? "XWA" : "XvT");
        StartedGame started((GameBuilder(family)));
        EXPECT_EQ(started.text(controls::GunConvergenceList), "1  Close, 300 m");
        started.show(6);
        EXPECT_EQ(started.text(controls::GunConvergenceList), "0  None");
        started.show(9); // the boot line is not in the list but is found
        EXPECT_EQ(started.text(controls::GunConvergenceList), "99 Reserved, used at boot");
        started.show(13); // 7 only appears after the next section's header
        EXPECT_EQ(started.text(controls::GunConvergenceList), "7 Unkown");
        started.show(5);
        EXPECT_EQ(started.text(controls::GunConvergenceList), "5  Parallel, no convergence");
        EXPECT_TRUE(started.messages().empty());
    }
}

TEST(DisplayWeaponry, XvtHardpointsFillTwelveRowsHeadedFromZero)
{
    GameBuilder builder(Family::Xvt);
    StartedGame started(builder);
    started.show(5);
    const EntryFields f(builder, 5);
    const Control& grid = started.control(controls::WeaponSlotsGrid);
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
    const Control& grid = started.control(controls::WeaponSlotsGrid);
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
