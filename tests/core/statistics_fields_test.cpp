// The Statistics fields as one table: in every slot of both demo games an edit of a field changes
// exactly that field's bytes of the executable and shows again as typed, and a value that cannot be
// stored is refused with its caption and range before any byte is written.
#include "WriteFixture.h"

#include "Sampling.h"
#include "controls/MainWindowControls.h"
#include "craft/ScaleClass.h"
#include "craft/StatisticsFields.h"

#include <array>
#include <iostream>
#include <set>

using namespace plorik;
using namespace plorik::testing;

namespace {

using Classes = std::array<std::uint32_t, 3>; // fighter, freighter, capital ship
constexpr Classes all(std::uint32_t raw)
{
    return {raw, raw, raw};
}

struct RowEdit {
    ControlKey control;
    const char* key;                    // the data.txt key of its position
    std::array<std::int32_t, 2> widths; // XvT, XWA
    std::array<const char*, 2> texts;   // typed by family; nullptr ticks or clears the check box instead
    std::array<Classes, 2> stored;      // the raw value by family and by the slot's scale class
};

// Texts that fill each field's width, so a field stored one byte short (or long) shows on disk.
const RowEdit kRowEdits[] = {
    {controls::ScoreBox, "SHIELDRECHARGE", {1, 2}, {"171", "4660"}, {all(171), all(4660)}},
    {controls::PromoPointsBox, "SHIELDDECHARGE", {1, 2}, {"172", "4661"}, {all(172), all(4661)}},
    {controls::ShieldPowerBox,
     "SHIELDPOWER",
     {2, 4},
     {"800", "2000"},
     {Classes{40000, 10000, 2500}, Classes{100000, 25000, 6250}}},
    {controls::HullRateBox,
     "HULLRATING",
     {2, 4},
     {"64", "700000"},
     {Classes{6720, 1680, 420}, Classes{73500000, 18375000, 4593750}}},
    {controls::UnknownStrengthBox,
     "EXPPOWER",
     {4, 4},
     {"305419896", "4000000000"},
     {all(0x12345678), all(4000000000u)}},
    {controls::LaserRechargeBox, "LASERRECHARGE", {1, 2}, {"173", "4662"}, {all(173), all(4662)}},
    {controls::SystemHitsBox, "SYSTEM", {1, 1}, {"174", "201"}, {all(174), all(201)}},
    {controls::FireSensitivityBox, "SENSITIVITY", {1, 1}, {"175", "202"}, {all(175), all(202)}},
    {controls::PVBox, "POINTVAL", {2, 2}, {"-2", "-30000"}, {all(0xFFFE), all(0x8AD0)}},
    {controls::HyperdriveCheck, "HYPERDRIVE", {1, 1}, {nullptr, nullptr}, {}},
    {controls::ShieldGeneratorRadioB, "SHIELDGENERATOR", {1, 1}, {nullptr, nullptr}, {}},
    {controls::Countersbox, "COUNTERMEASSURES", {1, 1}, {"176", "203"}, {all(176), all(203)}},
    {controls::SpeedBox, "SPEED", {2, 2}, {"2000", "3000"}, {all(4500), all(6750)}},
    {controls::AccBox, "ACC", {1, 1}, {"40", "41"}, {all(90), all(92)}},
    {controls::Deaccbox, "DEACC", {1, 1}, {"41", "40"}, {all(92), all(90)}},
    {controls::RollBox, "ROLL", {1, 1}, {"177", "204"}, {all(177), all(204)}},
    {controls::PitchBox, "PITCH", {1, 1}, {"178", "205"}, {all(178), all(205)}},
};

std::size_t classIndex(int shipType)
{
    switch (scaleClassOf(shipType)) {
    case ScaleClass::Freighter: return 1;
    case ScaleClass::Capital: return 2;
    case ScaleClass::Fighter: break;
    }
    return 0;
}

std::vector<std::uint8_t> littleEndian(std::uint32_t value, std::int32_t width)
{
    std::vector<std::uint8_t> bytes;
    for (std::int32_t i = 0; i < width; ++i)
        bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    return bytes;
}

void show(WriteGame& game, std::int32_t slot)
{
    game.form().userEdit(controls::CraftNoBox, std::to_string(slot));
    game.prompter.clearRecords();
}

// The error box of the last write, or "" (slots above 70 of XvT bring a note, which is no refusal).
std::string refusal(const WriteGame& game)
{
    for (const std::string& message : game.messages()) {
        if (message.starts_with("PLORIK error:|"))
            return message;
    }
    return "";
}

} // namespace

TEST(StatisticsFields, EveryRowOfTheTableIsEditedBelow)
{
    std::set<std::string_view> table;
    std::set<std::string_view> edited;
    for (const StatisticsField& field : kStatisticsFields)
        table.insert(field.control->key);
    for (const RowEdit& edit : kRowEdits)
        edited.insert(edit.control.name());
    EXPECT_EQ(table, edited);
    EXPECT_EQ(std::size(kStatisticsFields), std::size(kRowEdits));
}

// Slots 1, 6 and 7 (one of each scale class) write after each edit, so a field stored too wide shows
// even where the next field would cover it; every other slot writes its edits at once.
TEST(StatisticsFields, AnEditInEverySlotChangesExactlyItsFieldAndShowsAgainAsTyped)
{
    for (const Family family : {Family::Xvt, Family::Xwa}) {
        const std::size_t f = family == Family::Xwa ? 1 : 0;
        SCOPED_TRACE(f ? "XWA" : "XvT");
        WriteGame game{GameBuilder(family)};
        game.start();
        std::int32_t written = 0;
        for (std::int32_t slot = 1; slot <= game.game.slots; ++slot) {
            SCOPED_TRACE("slot " + std::to_string(slot));
            const bool eachAlone = slot == 1 || slot == 6 || slot == 7;
            if (!eachAlone && !sampled(slot - 1))
                continue;
            show(game, slot);
            const std::size_t scale = classIndex(game.control(controls::ShipTypeList).index());
            std::string expected = game.exe();
            const auto writeAndCompare = [&] {
                game.prompter.clearRecords();
                game.write();
                if (!refusal(game).empty()) {
                    // The one refusal of an unedited slot: no species, so the ship list shows "n/a".
                    EXPECT_NE(refusal(game).find("shows no value (\"n/a\")"), std::string::npos) << refusal(game);
                    return false;
                }
                EXPECT_EQ(differences(game.exe(), expected), std::vector<std::size_t>{});
                return true;
            };
            std::vector<bool> ticked;
            bool stored = true;
            for (const RowEdit& edit : kRowEdits) {
                SCOPED_TRACE(edit.key);
                std::uint32_t raw = edit.stored[f][scale];
                if (edit.texts[f]) {
                    ASSERT_NE(game.control(edit.control).text(), edit.texts[f]) << "already shown: no edit";
                    ASSERT_TRUE(game.form().userEdit(edit.control, edit.texts[f]));
                } else {
                    const bool tick = !game.control(edit.control).checked();
                    ASSERT_TRUE(game.form().userCheck(edit.control, tick));
                    ticked.push_back(tick);
                    raw = tick ? 1 : 0;
                }
                patch(expected, game.craftAt(slot) + game.key(edit.key), littleEndian(raw, edit.widths[f]));
                if (eachAlone && !(stored = writeAndCompare()))
                    break;
                written += eachAlone;
            }
            if (!eachAlone && (stored = writeAndCompare()))
                written += static_cast<std::int32_t>(std::size(kRowEdits));
            if (!stored)
                continue;
            show(game, slot == 1 ? 2 : 1);
            show(game, slot);
            std::size_t flag = 0;
            for (const RowEdit& edit : kRowEdits) {
                const Control& control = game.control(edit.control);
                if (edit.texts[f])
                    EXPECT_EQ(control.text(), edit.texts[f]) << edit.key;
                else
                    EXPECT_EQ(control.checked(), ticked.at(flag++)) << edit.key;
            }
        }
        EXPECT_GT(written, 0);
        std::cout << (f ? "XWA" : "XvT") << ": " << written << " fields stored in " << game.game.slots << " slots\n";
    }
}

TEST(StatisticsFields, AValueBeyondItsFieldIsRefusedWithItsCaptionAndRangeAndNothingIsWritten)
{
    struct Case {
        Family family;
        std::int32_t slot;
        ControlKey control;
        const char* text;
        const char* refusal; // "" when the text is stored
    };
    // Slot 1 is a fighter, slot 6 a freighter and slot 7 a capital ship in the demo games.
    const Case cases[] = {
        {Family::Xwa, 1, controls::ShieldPowerBox, "85899346",
         "Shield Power: 85899346 cannot be stored. Allowed are 0 to 85899345 for this craft."},
        {Family::Xwa, 1, controls::ShieldPowerBox, "85899345", ""},
        {Family::Xvt, 6, controls::ShieldPowerBox, "-1",
         "Shield Power: -1 cannot be stored. Allowed are 0 to 343597383 for this craft."},
        {Family::Xwa, 7, controls::HullRateBox, "700000000",
         "Hull Rate: 700000000 cannot be stored. Allowed are 0 to 654471206 for this craft."},
        {Family::Xvt, 1, controls::HullRateBox, "40904451",
         "Hull Rate: 40904451 cannot be stored. Allowed are 0 to 40904450 for this craft."},
        {Family::Xvt, 1, controls::UnknownStrengthBox, "4294967296",
         "Unknown Strength: 4294967296 cannot be stored. Allowed are 0 to 4294967295 for this craft."},
        {Family::Xwa, 1, controls::UnknownStrengthBox, "4294967295", ""},
        {Family::Xvt, 2, controls::SpeedBox, "29127", "Speed: 29127 cannot be stored. Allowed are 0 to 29126."},
        {Family::Xwa, 2, controls::SpeedBox, "-1", "Speed: -1 cannot be stored. Allowed are 0 to 29126."},
        {Family::Xwa, 2, controls::SpeedBox, "29126", ""},
        {Family::Xvt, 2, controls::AccBox, "-1", ""}, // stored as its low byte
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.control.name()) + " " + c.text);
        WriteGame game{GameBuilder(c.family)};
        game.startAt(c.slot);
        const auto before = snapshot(game.game.gameDir);
        ASSERT_TRUE(game.form().userEdit(c.control, c.text));
        game.write();
        if (*c.refusal) {
            EXPECT_EQ(game.messages(),
                      std::vector<std::string>{"PLORIK error:|" + std::string(c.refusal) + "\r\rNothing was written."});
            EXPECT_EQ(changedFiles(before, snapshot(game.game.gameDir)), std::set<std::string>{});
        } else {
            EXPECT_EQ(game.messages(), std::vector<std::string>{});
            EXPECT_EQ(changedFiles(before, snapshot(game.game.gameDir)), std::set<std::string>{game.game.exeName});
        }
    }
}
