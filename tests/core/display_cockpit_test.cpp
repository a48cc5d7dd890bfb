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

// Offsets from COCKPITPOV of the grid's cells: rows POV, gunner 1, gunner 2; columns X, Z, Y.
constexpr int kGridOffsets[3][3] = {{4, 2, 0}, {6, 10, 14}, {8, 12, 16}};

const std::pair<ControlKey, int> kTurretBoxes[] = {
    {controls::Turret1Orient1Box, 18}, {controls::Turret2Orient1Box, 20},    {controls::Turret1Orient2Box, 22},
    {controls::Turret2Orient2Box, 24}, {controls::Turret1ActivatedList, 26}, {controls::Turret2ActivatedList, 28},
    {controls::Turret1Arc1Box, 30},    {controls::Turret2Arc1Box, 32},       {controls::Turret1Arc2Box, 34},
    {controls::Turret2Arc2Box, 36}};

void expectCockpit(StartedGame& started, const GameBuilder& builder, std::int32_t slot)
{
    SCOPED_TRACE("slot " + number(slot));
    started.show(slot);
    const EntryFields f(builder, slot);
    const Control& grid = started.control(controls::CockpitPositionsGrid);
    EXPECT_EQ(grid.cell(0, 1), "X");
    EXPECT_EQ(grid.cell(0, 2), "Z");
    EXPECT_EQ(grid.cell(0, 3), "Y");
    EXPECT_EQ(grid.cell(1, 0), "Cockpit POV");
    EXPECT_EQ(grid.cell(2, 0), "Gunner 1");
    EXPECT_EQ(grid.cell(3, 0), "Gunner 2");
    for (std::size_t row = 0; row < 3; ++row) {
        for (std::size_t column = 0; column < 3; ++column)
            EXPECT_EQ(grid.cell(row + 1, column + 1), number(f.signedWord("COCKPITPOV", kGridOffsets[row][column])))
                << "row " << row + 1 << " column " << column + 1;
    }
    for (const auto& [key, offset] : kTurretBoxes)
        EXPECT_EQ(started.text(key), number(f.signedWord("COCKPITPOV", offset))) << key;
    EXPECT_EQ(started.text(controls::CockpitBox), f.text("INTFILE"));
}

} // namespace

TEST(DisplayCockpit, GridAndTurretsShowSignedWordsInTheirOrder)
{
    for (const Family family : {Family::Xvt, Family::Xwa}) {
        SCOPED_TRACE(family == Family::Xwa ? "XWA" : "XvT");
        GameBuilder builder(family);
        StartedGame started(builder);
        for (const std::int32_t slot : {1, 2, 3, 60})
            expectCockpit(started, builder, slot);
    }
}

TEST(DisplayCockpit, TurretActivationShowsTheNumberAloneWhateverItIs)
{
    GameBuilder builder(Family::Xvt);
    StartedGame started(builder);
    started.show(1);
    EXPECT_EQ(started.text(controls::Turret1ActivatedList), "317");
    EXPECT_EQ(started.text(controls::Turret2ActivatedList), "0");
    started.show(2);
    EXPECT_EQ(started.text(controls::Turret1ActivatedList), "12"); // no item carries 12
    EXPECT_EQ(started.text(controls::Turret2ActivatedList), "317");
    started.show(3);
    EXPECT_EQ(started.text(controls::Turret1ActivatedList), "0");
}

TEST(DisplayCockpit, TheCockpitNameIsTheTextUpToItsZeroByte)
{
    GameBuilder xvt(Family::Xvt);
    StartedGame xvtGame(xvt);
    xvtGame.show(42);
    EXPECT_EQ(xvtGame.text(controls::CockpitBox), "CPIT42");
    GameBuilder xwa(Family::Xwa);
    StartedGame xwaGame(xwa);
    xwaGame.show(230);
    EXPECT_EQ(xwaGame.text(controls::CockpitBox), "Cockpit230");
    xwaGame.show(1); // a shorter name after a longer one: nothing of the longer one is left
    EXPECT_EQ(xwaGame.text(controls::CockpitBox), "Cockpit1");
}
