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

// Speed: the word divided by 2.25 with the fraction dropped, i.e. x 4 / 9.
std::string speedOf(std::uint32_t raw)
{
    return number(raw * 4 / 9);
}

// Accel and decel: the byte divided by 2.25 rounded; raw x 4 / 9 never ends in exactly one half.
std::string accelOf(std::uint32_t raw)
{
    return number((raw * 8 + 9) / 18);
}

std::vector<std::uint8_t> le16(std::uint32_t value)
{
    return {static_cast<std::uint8_t>(value & 0xFF), static_cast<std::uint8_t>(value >> 8)};
}

} // namespace

TEST(DisplayStatistics, XvtShowsItsByteAndWordFieldsAsWritten)
{
    GameBuilder builder(Family::Xvt);
    StartedGame started(builder);
    for (const std::int32_t slot : {1, 2, 3, 12, 37, 80}) {
        SCOPED_TRACE("slot " + number(slot));
        started.show(slot);
        const EntryFields f(builder, slot);
        EXPECT_EQ(started.text(controls::ScoreBox), number(f.byte("SHIELDRECHARGE")));
        EXPECT_EQ(started.text(controls::PromoPointsBox), number(f.byte("SHIELDDECHARGE")));
        EXPECT_EQ(started.text(controls::LaserRechargeBox), number(f.byte("LASERRECHARGE")));
        EXPECT_EQ(started.text(controls::SystemHitsBox), number(f.byte("SYSTEM")));
        EXPECT_EQ(started.text(controls::FireSensitivityBox), number(f.byte("SENSITIVITY")));
        EXPECT_EQ(started.text(controls::Countersbox), number(f.byte("COUNTERMEASSURES")));
        EXPECT_EQ(started.control(controls::HyperdriveCheck).checked(), f.byte("HYPERDRIVE") != 0);
        EXPECT_EQ(started.control(controls::ShieldGeneratorRadioB).checked(), f.byte("SHIELDGENERATOR") != 0);
        EXPECT_EQ(started.text(controls::PVBox), number(f.signedWord("POINTVAL")));
        EXPECT_EQ(started.text(controls::UnknownStrengthBox), number(f.longWord("EXPPOWER")));
        EXPECT_EQ(started.text(controls::SpeedBox), speedOf(f.word("SPEED")));
        EXPECT_EQ(started.text(controls::AccBox), accelOf(f.byte("ACC")));
        EXPECT_EQ(started.text(controls::Deaccbox), accelOf(f.byte("DEACC")));
        EXPECT_EQ(started.text(controls::RollBox), number(f.byte("ROLL")));
        EXPECT_EQ(started.text(controls::PitchBox), number(f.byte("PITCH")));
        EXPECT_EQ(started.text(controls::ManBox), number(f.byte("ROLL") + 2 * f.byte("PITCH")));
    }
    EXPECT_TRUE(started.messages().empty());
}

TEST(DisplayStatistics, XwaReadsScorePromoAndLaserRechargeAsWords)
{
    GameBuilder builder(Family::Xwa);
    StartedGame started(builder);
    for (const std::int32_t slot : {1, 2, 100, 218, 230}) {
        SCOPED_TRACE("slot " + number(slot));
        started.show(slot);
        const EntryFields f(builder, slot);
        EXPECT_EQ(started.text(controls::ScoreBox), number(f.word("SHIELDRECHARGE")));
        EXPECT_EQ(started.text(controls::PromoPointsBox), number(f.word("SHIELDDECHARGE")));
        EXPECT_EQ(started.text(controls::LaserRechargeBox), number(f.word("LASERRECHARGE")));
        EXPECT_EQ(started.text(controls::SystemHitsBox), number(f.byte("SYSTEM")));
        EXPECT_EQ(started.text(controls::FireSensitivityBox), number(f.byte("SENSITIVITY")));
        EXPECT_EQ(started.text(controls::Countersbox), number(f.byte("COUNTERMEASSURES")));
        EXPECT_EQ(started.control(controls::HyperdriveCheck).checked(), f.byte("HYPERDRIVE") != 0);
        EXPECT_EQ(started.control(controls::ShieldGeneratorRadioB).checked(), f.byte("SHIELDGENERATOR") != 0);
        EXPECT_EQ(started.text(controls::PVBox), number(f.signedWord("POINTVAL")));
        EXPECT_EQ(started.text(controls::UnknownStrengthBox), number(f.longWord("EXPPOWER")));
        EXPECT_EQ(started.text(controls::SpeedBox), speedOf(f.word("SPEED")));
        EXPECT_EQ(started.text(controls::AccBox), accelOf(f.byte("ACC")));
        EXPECT_EQ(started.text(controls::Deaccbox), accelOf(f.byte("DEACC")));
        EXPECT_EQ(started.text(controls::ManBox), number(f.byte("ROLL") + 2 * f.byte("PITCH")));
    }
    // Slot 100's score is above 255: only a word holds it.
    started.show(100);
    EXPECT_EQ(started.text(controls::ScoreBox), "400");
    EXPECT_EQ(started.text(controls::LaserRechargeBox), "400");
}

TEST(DisplayStatistics, SpeedDropsItsFractionWhileAccelerationsRound)
{
    GameBuilder builder(Family::Xvt);
    builder.withCraftBytes(2, "SPEED", le16(225)).withCraftBytes(2, "ACC", {225}).withCraftBytes(2, "DEACC", {227});
    builder.withCraftBytes(3, "SPEED", le16(224)).withCraftBytes(3, "ACC", {226}).withCraftBytes(3, "DEACC", {0});
    StartedGame started(builder);
    started.show(2);
    EXPECT_EQ(started.text(controls::SpeedBox), "100");
    EXPECT_EQ(started.text(controls::AccBox), "100");
    EXPECT_EQ(started.text(controls::Deaccbox), "101");
    started.show(3);
    EXPECT_EQ(started.text(controls::SpeedBox), "99");
    EXPECT_EQ(started.text(controls::AccBox), "100");
    EXPECT_EQ(started.text(controls::Deaccbox), "0");
}

TEST(DisplayStatistics, ShieldAndHullFollowTheScaleClassOfTheShipType)
{
    // Slot: ship type (class). 1: 0 (fighter), 6: 3 (freighter), 7: 4 (capital), 8: 5 (capital),
    // 9: 9 (capital), 10: 17 (freighter), 12: 23, no item (fighter).
    GameBuilder builder(Family::Xvt);
    for (const std::int32_t slot : {1, 6, 7, 8, 9, 10, 12})
        builder.withCraftBytes(slot, "SHIELDPOWER", {0x88, 0x13}).withCraftBytes(slot, "HULLRATING", {0x34, 0x08});
    StartedGame started(builder);
    struct Case {
        std::int32_t slot;
        int shipTypeIndex;
        const char* shield;
        const char* hull;
    };
    for (const Case& c :
         {Case{1, 0, "100", "20"}, Case{6, 3, "400", "80"}, Case{7, 4, "1600", "320"}, Case{8, 5, "1600", "320"},
          Case{9, 9, "1600", "320"}, Case{10, 17, "400", "80"}, Case{12, -1, "100", "20"}}) {
        SCOPED_TRACE("slot " + number(c.slot));
        started.show(c.slot);
        EXPECT_EQ(started.control(controls::ShipTypeList).index(), c.shipTypeIndex);
        EXPECT_EQ(started.text(controls::ShieldPowerBox), c.shield);
        EXPECT_EQ(started.text(controls::HullRateBox), c.hull);
    }
}

TEST(DisplayStatistics, ScaledValuesDropOrRoundTheirFractionsByClass)
{
    GameBuilder builder(Family::Xvt);
    // Fighter (slot 1): shield 5049 / 50 = 100.98 drops to 100; hull 2153 / 105 = 20.50 rounds to 21.
    builder.withCraftBytes(1, "SHIELDPOWER", le16(5049)).withCraftBytes(1, "HULLRATING", le16(2153));
    builder.withCraftBytes(2, "HULLRATING", le16(2152)); // 20.495: 20
    // Freighter (slot 6): shield 5013 / 12.5 = 401.04; hull round(20.50) x 4.
    builder.withCraftBytes(6, "SHIELDPOWER", le16(5013)).withCraftBytes(6, "HULLRATING", le16(2153));
    // Capital (slot 7): shield round(100.98) x 16; hull round(20.50) x 16.
    builder.withCraftBytes(7, "SHIELDPOWER", le16(5049)).withCraftBytes(7, "HULLRATING", le16(2153));
    // Capital halves go to the even number: 24 / 50 = 0.48, 75 / 50 = 1.5, 125 / 50 = 2.5, 175 / 50 = 3.5.
    builder.withCraftBytes(8, "SHIELDPOWER", le16(24)).withCraftBytes(8, "HULLRATING", le16(0));
    builder.withCraftBytes(9, "SHIELDPOWER", le16(75)).withCraftBytes(9, "HULLRATING", le16(0));
    builder.withCraftBytes(19, "SHIELDPOWER", le16(125)).withCraftBytes(19, "HULLRATING", le16(0));
    builder.withCraftBytes(20, "SHIELDPOWER", le16(175)).withCraftBytes(20, "HULLRATING", le16(0));
    builder.withCraftBytes(10, "HULLRATING", le16(0)).withCraftBytes(11, "HULLRATING", le16(0));
    StartedGame started(builder);
    ASSERT_EQ(builder.shipType(19), 4);
    ASSERT_EQ(builder.shipType(20), 5);
    struct Case {
        std::int32_t slot;
        const char* shield; // nullptr: not checked
        const char* hull;
    };
    for (const Case& c : {Case{1, "100", "21"}, Case{2, nullptr, "20"}, Case{6, "401", "84"}, Case{7, "1616", "336"},
                          Case{8, "0", "0"}, Case{9, "32", "0"}, Case{19, "32", "0"}, Case{20, "64", "0"},
                          Case{10, nullptr, "0"}, Case{11, nullptr, "0"}}) {
        SCOPED_TRACE("slot " + number(c.slot));
        started.show(c.slot);
        if (c.shield) {
            EXPECT_EQ(started.text(controls::ShieldPowerBox), c.shield);
        }
        EXPECT_EQ(started.text(controls::HullRateBox), c.hull);
    }
}

TEST(DisplayStatistics, LongShieldAndHullUseFourBytesOnlyWhenTheProfileSaysSo)
{
    GameBuilder wide(Family::Xwa);
    wide.withCraftBytes(1, "SHIELDPOWER", {0x10, 0x27, 0x01, 0x00}) // 75536 / 50
        .withCraftBytes(1, "HULLRATING", {0x34, 0x08, 0x01, 0x00}); // 67636 / 105 = 644.15
    StartedGame wideGame(wide);
    EXPECT_EQ(wideGame.text(controls::ShieldPowerBox), "1510");
    EXPECT_EQ(wideGame.text(controls::HullRateBox), "644");

    GameBuilder narrow(Family::Xwa);
    narrow.withKey("LONGSHIELDPOWERVALUE", "0").withKey("LONGHULLRATING", "0");
    narrow.withCraftBytes(1, "SHIELDPOWER", {0x10, 0x27, 0xFF, 0xFF})
        .withCraftBytes(1, "HULLRATING", {0x34, 0x08, 0xFF, 0xFF});
    StartedGame narrowGame(narrow);
    EXPECT_EQ(narrowGame.text(controls::ShieldPowerBox), "200");
    EXPECT_EQ(narrowGame.text(controls::HullRateBox), "20");
}

TEST(DisplayStatistics, XwaShieldsAndHullsOfEverySlotComeFromTheirLongFields)
{
    GameBuilder builder(Family::Xwa);
    StartedGame started(builder);
    // Fighters: 3 has type 0, 5 type 2 and 14 type 0.
    for (const std::int32_t slot : {3, 5, 14}) {
        SCOPED_TRACE("slot " + number(slot));
        started.show(slot);
        const EntryFields f(builder, slot);
        ASSERT_GT(f.longWord("SHIELDPOWER"), 65535u);
        EXPECT_EQ(started.text(controls::ShieldPowerBox), number(f.longWord("SHIELDPOWER") / 50));
        EXPECT_EQ(started.text(controls::HullRateBox), number((f.longWord("HULLRATING") * 2 + 105) / 210));
        EXPECT_EQ(started.text(controls::UnknownStrengthBox), number(f.longWord("EXPPOWER")));
    }
}

TEST(DisplayStatistics, WithoutShipTypesTheSlotIndexChoosesTheScaleClass)
{
    // Below STARFIGHTERSCALEENDSLOT (30) fighter, then below FREIGHTERSCALEENDSLOT (40) freighter,
    // then capital. Raw shield 5000 + 50 x slot, hull 2100 + 105 x slot.
    GameBuilder builder(Family::Xvt);
    StartedGame started(builder.withDataFile(dataWithKey(Family::Xvt, "SHIPTYPESTART", "-1")));
    struct Case {
        std::int32_t slot;
        int index;
        const char* shield;
        const char* hull;
    };
    for (const Case& c : {Case{1, 0, "101", "21"}, Case{30, 0, "130", "50"}, Case{31, 3, "524", "204"},
                          Case{40, 3, "560", "240"}, Case{41, 4, "2256", "976"}, Case{50, 4, "2400", "1120"}}) {
        SCOPED_TRACE("slot " + number(c.slot));
        started.show(c.slot);
        EXPECT_EQ(started.control(controls::ShipTypeList).index(), c.index);
        EXPECT_EQ(started.text(controls::ShieldPowerBox), c.shield);
        EXPECT_EQ(started.text(controls::HullRateBox), c.hull);
    }
}

TEST(DisplayStatistics, TheScaleBoundsComeFromTheProfile)
{
    GameBuilder builder(Family::Xvt);
    builder.withKey("SHIPTYPESTART", "-1")
        .withKey("STARFIGHTERSCALEENDSLOT", "5")
        .withKey("FREIGHTERSCALEENDSLOT", "10");
    StartedGame started(builder);
    for (const auto& [slot, index] : {std::pair{5, 0}, std::pair{6, 3}, std::pair{10, 3}, std::pair{11, 4}}) {
        started.show(slot);
        EXPECT_EQ(started.control(controls::ShipTypeList).index(), index) << "slot " << slot;
    }
}

TEST(DisplayStatistics, ManoeuvreFollowsRollAndPitchAsTheyAreTyped)
{
    StartedGame started((GameBuilder(Family::Xvt)));
    Form& form = started.form();
    form.userEdit(controls::RollBox, "40");
    form.userEdit(controls::PitchBox, "30");
    EXPECT_EQ(started.text(controls::ManBox), "100");
    form.userEdit(controls::RollBox, "300"); // above 255: counts 0
    form.userEdit(controls::PitchBox, "10");
    EXPECT_EQ(started.text(controls::ManBox), "20");
    form.userEdit(controls::RollBox, "255");
    form.userEdit(controls::PitchBox, "256");
    EXPECT_EQ(started.text(controls::ManBox), "255");
    form.userEdit(controls::RollBox, "12.7"); // the fraction is dropped
    form.userEdit(controls::PitchBox, "10");
    EXPECT_EQ(started.text(controls::ManBox), "32");
    form.userEdit(controls::RollBox, "-5"); // negative numbers count 0
    EXPECT_EQ(started.text(controls::ManBox), "20");
    form.userEdit(controls::PitchBox, "-40");
    EXPECT_EQ(started.text(controls::ManBox), "0");
    form.userEdit(controls::RollBox, "abc");
    form.userEdit(controls::PitchBox, "7");
    EXPECT_EQ(started.text(controls::ManBox), "14");
    EXPECT_TRUE(started.messages().empty());
}
