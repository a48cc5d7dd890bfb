// "Write" and the executable as a whole: the slot's craft entry takes the edited values, and no
// other byte of the file changes.
#include "WriteFixture.h"

#include "controls/MainWindowControls.h"

#include <bit>

using namespace plorik;
using namespace plorik::testing;

namespace {

using Bytes = std::vector<std::uint8_t>;

struct Edit {
    ControlKey key;
    const char* text;
};

// Types every edit into its box (a check box takes "1" or "0"), refusing disabled ones.
void applyEdits(Form& form, const std::vector<Edit>& edits)
{
    for (const Edit& edit : edits) {
        const Control& control = form[edit.key];
        const bool done = control.kind() == ControlKind::CheckBox
                              ? form.userCheck(edit.key, std::string(edit.text) == "1")
                              : form.userEdit(edit.key, edit.text);
        ASSERT_TRUE(done) << edit.key;
    }
}

Bytes floatBytes(float value)
{
    const auto bits = std::bit_cast<std::uint32_t>(value);
    return {static_cast<std::uint8_t>(bits), static_cast<std::uint8_t>(bits >> 8),
            static_cast<std::uint8_t>(bits >> 16), static_cast<std::uint8_t>(bits >> 24)};
}

} // namespace

TEST(WriteExecutable, EveryEditedXvtFieldLandsInTheSlotAndNothingElseChanges)
{
    WriteGame game{GameBuilder(Family::Xvt)};
    game.startAt(2);
    std::string expected = game.exe();
    applyEdits(game.form(), {{controls::CraftIDBox, "Hx2"},
                             {controls::ScoreBox, "300"},
                             {controls::PromoPointsBox, "7"},
                             {controls::LaserRechargeBox, "12"},
                             {controls::SystemHitsBox, "3"},
                             {controls::FireSensitivityBox, "5"},
                             {controls::HyperdriveCheck, "0"},
                             {controls::ShieldGeneratorRadioB, "0"},
                             {controls::Countersbox, "2"},
                             {controls::PVBox, "-2"},
                             {controls::ShieldPowerBox, "1000"},
                             {controls::HullRateBox, "30"},
                             {controls::UnknownStrengthBox, "70000"},
                             {controls::SpeedBox, "120"},
                             {controls::AccBox, "50"},
                             {controls::Deaccbox, "40"},
                             {controls::RollBox, "40"},
                             {controls::PitchBox, "30"},
                             {controls::CockpitBox, "CPIT9"},
                             {controls::Laser1List, "12 Heavy rocket"},
                             {controls::WarheadLoad1Box, "20"},
                             {controls::WarheadLoad2Box, "21"}});
    ASSERT_TRUE(game.form().userPick(controls::GunConvergenceList, 3));
    ASSERT_TRUE(game.form().userEditCell(controls::CockpitPositionsGrid, 1, 1, "-5"));
    ASSERT_TRUE(game.form().userEditCell(controls::CockpitPositionsGrid, 1, 2, "6"));
    ASSERT_TRUE(game.form().userEditCell(controls::CockpitPositionsGrid, 1, 3, "7"));
    ASSERT_TRUE(game.form().userEditCell(controls::FreeValuesGrid, 1, 2, "250"));
    ASSERT_TRUE(game.form().userEditCell(controls::FreeValuesGrid, 2, 2, "65535"));
    game.write();
    EXPECT_EQ(game.messages(), std::vector<std::string>{});

    const std::int64_t e = game.craftAt(2);
    patch(expected, e + 0, {'H', 'x', '2', 0});
    patch(expected, e + 8, {44, 7, 12, 3, 5, 0, 0, 2, 0xFE, 0xFF});
    patch(expected, e + 18, {0x50, 0xC3, 0x4E, 0x0C, 0x70, 0x11, 0x01, 0x00});
    patch(expected, e + 26, {0x0E, 0x01, 112, 90, 40, 30, 3});
    patch(expected, e + 34, {'C', 'P', 'I', 'T', '9', 0});
    patch(expected, e + 42, {7, 0, 6, 0, 0xFB, 0xFF});
    patch(expected, e + 80, {12});
    patch(expected, e + 98, {20, 21});
    patch(expected, e + 224, {250});
    patch(expected, e + 226, {0xFF, 0xFF});
    const std::string written = game.exe();
    EXPECT_EQ(differences(written, expected), std::vector<std::size_t>{});
}

TEST(WriteExecutable, EveryEditedXwaFieldLandsInTheSlotAndNothingElseChanges)
{
    WriteGame game{GameBuilder(Family::Xwa)};
    game.startAt(2);
    std::string expected = game.exe();
    applyEdits(game.form(), {{controls::CraftIDBox, "HAWK"},
                             {controls::ScoreBox, "300"},
                             {controls::PromoPointsBox, "513"},
                             {controls::LaserRechargeBox, "1000"},
                             {controls::SystemHitsBox, "3"},
                             {controls::FireSensitivityBox, "5"},
                             {controls::HyperdriveCheck, "0"},
                             {controls::ShieldGeneratorRadioB, "1"},
                             {controls::Countersbox, "2"},
                             {controls::PVBox, "-2"},
                             {controls::ShieldPowerBox, "2000"},
                             {controls::HullRateBox, "30"},
                             {controls::UnknownStrengthBox, "5"},
                             {controls::SpeedBox, "120"},
                             {controls::AccBox, "50"},
                             {controls::Deaccbox, "40"},
                             {controls::RollBox, "40"},
                             {controls::PitchBox, "30"},
                             {controls::CockpitBox, "CockpitHawk"},
                             {controls::Laser1List, "281 Heavy laser"},
                             {controls::TurboRange, "9"}});
    ASSERT_TRUE(game.form().userPick(controls::GunConvergenceList, 5));
    ASSERT_TRUE(game.form().userEditCell(controls::CockpitPositionsGrid, 2, 3, "-7"));
    ASSERT_TRUE(game.form().userEditCell(controls::WeaponSlotsGrid, 26, 1, "513"));
    ASSERT_TRUE(game.form().userEditCell(controls::FreeValuesGrid, 1, 2, "-2"));
    ASSERT_TRUE(game.form().userEditCell(controls::FreeValuesGrid, 2, 2, "2.5"));
    ASSERT_TRUE(game.form().userEditCell(controls::FreeValuesGrid, 3, 2, "Zed"));
    game.write();
    EXPECT_EQ(game.messages(), std::vector<std::string>{});

    const std::int64_t e = game.craftAt(2);
    patch(expected, e + 0, {'H', 'A', 'W', 'K', 0});
    patch(expected, e + 8, {44, 1, 1, 2, 0xE8, 0x03, 3, 5, 0, 1, 2});
    patch(expected, e + 20, {0xFE, 0xFF, 0xA0, 0x86, 0x01, 0x00, 0x4E, 0x0C, 0, 0, 5, 0, 0, 0});
    patch(expected, e + 34, {0x0E, 0x01, 112, 90, 40, 30, 5});
    const std::string cockpit = "CockpitHawk";
    patch(expected, e + 42, Bytes(cockpit.begin(), cockpit.end()));
    patch(expected, e + 42 + 11, {0});
    patch(expected, e + 62 + 14, {0xF9, 0xFF});
    patch(expected, e + 120, {0x19, 0x01});
    patch(expected, e + 120 + 20, {9});
    patch(expected, e + 120 + 48 + 2 * 100, {0x01, 0x02});
    patch(expected, e + 376, {0xFE, 0xFF, 0xFF, 0xFF});
    patch(expected, e + 380, floatBytes(2.5f));
    patch(expected, e + 384, {'Z'});
    EXPECT_EQ(differences(game.exe(), expected), std::vector<std::size_t>{});
}

TEST(WriteExecutable, OnlyTheShownSlotsEntryIsWritten)
{
    // Another slot's changed buffer is not carried over: the entry is read afresh for each slot.
    WriteGame game{GameBuilder(Family::Xvt)};
    game.startAt(3);
    ASSERT_TRUE(game.form().userEdit(controls::SystemHitsBox, "99"));
    ASSERT_TRUE(game.form().userEdit(controls::CraftNoBox, "4"));
    const std::string before = game.exe();
    game.write();
    const std::string after = game.exe();
    for (const std::size_t at : differences(before, after)) {
        EXPECT_GE(static_cast<std::int64_t>(at), game.craftAt(4)) << at;
        EXPECT_LT(static_cast<std::int64_t>(at), game.craftAt(5)) << at;
    }
    EXPECT_NE(after[static_cast<std::size_t>(game.craftAt(3) + 11)], 99);
}

TEST(WriteExecutable, UnchangedFreeValuesAreWrittenBackAsTheyWere)
{
    // Slot 7 keeps a float with more digits than seven, slot 8 a large negative one.
    for (const std::int32_t slot : {4, 7, 8}) {
        WriteGame game{GameBuilder(Family::Xwa)};
        game.startAt(slot);
        const std::string before = game.exe();
        const std::string shown = game.control(controls::FreeValuesGrid).cell(2, 2);
        game.write();
        const std::string after = game.exe();
        const std::int64_t at = game.craftAt(slot) + 376;
        EXPECT_EQ(bytesAt(after, at, 9), bytesAt(before, at, 9)) << "slot " << slot << " shows the float as " << shown;
    }
}

TEST(WriteExecutable, TypingTheShownTextAgainIsNoChange)
{
    // Fighter-class slot 1 shows its speeds and XWA hull rounded, and "Craft ID:" the short name of
    // strings.txt: what is compared is the text, so typing the same text keeps every byte.
    for (const Family family : {Family::Xvt, Family::Xwa}) {
        WriteGame game{GameBuilder(family)};
        game.startAt(1);
        const std::string expected = game.exe();
        for (const ControlKey box :
             {controls::SpeedBox, controls::AccBox, controls::Deaccbox, controls::HullRateBox, controls::CraftIDBox})
            applyEdits(game.form(), {{box, game.control(box).text().c_str()}});
        game.write();
        EXPECT_EQ(game.messages(), std::vector<std::string>{});
        EXPECT_EQ(differences(game.exe(), expected), std::vector<std::size_t>{});
    }
}
