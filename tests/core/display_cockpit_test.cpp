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

// Offsets from COCKPITPOV of the grid's cells: rows POV, gunner 1, gunner 2; columns X, Z, Y.
constexpr int kGridOffsets[3][3] = {{4, 2, 0}, {6, 10, 14}, {8, 12, 16}};

const std::pair<ControlKey, int> kTurretBoxes[] = {
    {ui::Edit37, 18},     {ui::Edit38, 20}, {ui::Edit39, 22}, {ui::Edit40, 24}, {ui::ComboBox18, 26},
    {ui::ComboBox19, 28}, {ui::Edit43, 30}, {ui::Edit44, 32}, {ui::Edit45, 34}, {ui::Edit46, 36}};

void expectCockpit(StartedGame& started, const GameBuilder& builder, std::int32_t slot)
{
    SCOPED_TRACE("slot " + number(slot));
    started.show(slot);
    const EntryFields f(builder, slot);
    const Control& grid = started.control(ui::StringGrid2);
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
    EXPECT_EQ(started.text(ui::CockpitBox), f.text("INTFILE"));
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
    EXPECT_EQ(started.text(ui::ComboBox18), "317");
    EXPECT_EQ(started.text(ui::ComboBox19), "0");
    started.show(2);
    EXPECT_EQ(started.text(ui::ComboBox18), "12"); // no item carries 12
    EXPECT_EQ(started.text(ui::ComboBox19), "317");
    started.show(3);
    EXPECT_EQ(started.text(ui::ComboBox18), "0");
}

TEST(DisplayCockpit, TheCockpitNameIsTheTextUpToItsZeroByte)
{
    GameBuilder xvt(Family::Xvt);
    StartedGame xvtGame(xvt);
    xvtGame.show(42);
    EXPECT_EQ(xvtGame.text(ui::CockpitBox), "CPIT42");
    GameBuilder xwa(Family::Xwa);
    StartedGame xwaGame(xwa);
    xwaGame.show(230);
    EXPECT_EQ(xwaGame.text(ui::CockpitBox), "Cockpit230");
    xwaGame.show(1); // a shorter name after a longer one: nothing of the longer one is left
    EXPECT_EQ(xwaGame.text(ui::CockpitBox), "Cockpit1");
}
