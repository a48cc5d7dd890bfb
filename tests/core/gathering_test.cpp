// The edited fields as "Write" stores them in the craft entry, read back from the executable's
// bytes, and the rules that keep dependent boxes up to date while the user edits.
#include "WriteFixture.h"

#include "controls/MainWindowControls.h"

using namespace plorik;
using namespace plorik::testing;

namespace {

using Bytes = std::vector<std::uint8_t>;

// Shows `slot`, lets `edit` change the form, presses "Write" and keeps the executable before and
// after. No question is expected.
struct GatherRun {
    WriteGame game;
    std::string before;
    std::string after;
    std::int32_t slot;

    GatherRun(GameBuilder builder, std::int32_t shown) : game(std::move(builder)), slot(shown)
    {
        game.startAt(slot);
        before = game.exe();
    }
    Form& form() { return game.form(); }
    void write()
    {
        game.write();
        after = game.exe();
        EXPECT_EQ(game.messages(), std::vector<std::string>{});
    }
    // Bytes of the slot's craft entry at key + offset, after the write (or before it).
    Bytes at(const std::string& key, std::int64_t offset, std::size_t count, bool written = true) const
    {
        return bytesAt(written ? after : before, game.craftAt(slot) + game.key(key) + offset, count);
    }
    // The part [key + from, key + to) of the entry before the write, with `changes` put in.
    std::string expectedPart(const std::string& key, std::int64_t from, std::int64_t to,
                             const std::vector<std::pair<std::int64_t, Bytes>>& changes) const
    {
        std::string part = before.substr(static_cast<std::size_t>(game.craftAt(slot) + game.key(key) + from),
                                         static_cast<std::size_t>(to - from));
        for (const auto& [offset, bytes] : changes)
            patch(part, offset - from, bytes);
        return part;
    }
    std::string writtenPart(const std::string& key, std::int64_t from, std::int64_t to) const
    {
        return after.substr(static_cast<std::size_t>(game.craftAt(slot) + game.key(key) + from),
                            static_cast<std::size_t>(to - from));
    }
};

} // namespace

TEST(GatherStatistics, ScoreAndPromoPointsAreBytesForXvtAndWordsForXwa)
{
    GatherRun xvt(GameBuilder(Family::Xvt), 2);
    ASSERT_TRUE(xvt.form().userEdit(controls::ScoreBox, "300"));
    ASSERT_TRUE(xvt.form().userEdit(controls::PromoPointsBox, "7"));
    ASSERT_TRUE(xvt.form().userEdit(controls::LaserRechargeBox, "258"));
    xvt.write();
    EXPECT_EQ(xvt.at("SHIELDRECHARGE", 0, 1), Bytes{44});
    EXPECT_EQ(xvt.at("SHIELDDECHARGE", 0, 1), Bytes{7});
    EXPECT_EQ(xvt.at("LASERRECHARGE", 0, 1), Bytes{2});
    EXPECT_EQ(xvt.at("SYSTEM", 0, 1), xvt.at("SYSTEM", 0, 1, false)) << "the byte after a byte field";

    GatherRun xwa(GameBuilder(Family::Xwa), 2);
    ASSERT_TRUE(xwa.form().userEdit(controls::ScoreBox, "300"));
    ASSERT_TRUE(xwa.form().userEdit(controls::PromoPointsBox, "65537"));
    ASSERT_TRUE(xwa.form().userEdit(controls::LaserRechargeBox, "513"));
    xwa.write();
    EXPECT_EQ(xwa.at("SHIELDRECHARGE", 0, 2), (Bytes{44, 1}));
    EXPECT_EQ(xwa.at("SHIELDDECHARGE", 0, 2), (Bytes{1, 0}));
    EXPECT_EQ(xwa.at("LASERRECHARGE", 0, 2), (Bytes{1, 2}));
}

TEST(GatherStatistics, SpeedIsAWordOfTheRawScaleAccelAndDecelItsLowByte)
{
    for (const Family family : {Family::Xvt, Family::Xwa}) {
        GatherRun run{GameBuilder(family), 3};
        ASSERT_TRUE(run.form().userEdit(controls::SpeedBox, "100"));
        ASSERT_TRUE(run.form().userEdit(controls::AccBox, "114"));
        ASSERT_TRUE(run.form().userEdit(controls::Deaccbox, "113"));
        run.write();
        EXPECT_EQ(run.at("SPEED", 0, 2), (Bytes{0xE1, 0x00}));
        EXPECT_EQ(run.at("ACC", 0, 1), Bytes{0}) << "114 x 2.25 = 256.5 rounds to 256";
        EXPECT_EQ(run.at("DEACC", 0, 1), Bytes{254});
    }
    GatherRun run{GameBuilder(Family::Xvt), 3};
    ASSERT_TRUE(run.form().userEdit(controls::SpeedBox, "29126"));
    ASSERT_TRUE(run.form().userEdit(controls::AccBox, "fast"));
    ASSERT_TRUE(run.form().userEdit(controls::Deaccbox, "1"));
    run.write();
    EXPECT_EQ(run.at("SPEED", 0, 2), (Bytes{0xFE, 0xFF})) << "65533.5 goes to the even 65534";
    EXPECT_EQ(run.at("ACC", 0, 1), Bytes{0});
    EXPECT_EQ(run.at("DEACC", 0, 1), Bytes{2}) << "2.25 rounds to 2";
}

TEST(GatherStatistics, FighterShieldWithoutTheLongKeyKeepsTheLowWord)
{
    GatherRun thousand(GameBuilder(Family::Xvt), 1);
    ASSERT_TRUE(thousand.form().userEdit(controls::ShieldPowerBox, "1000"));
    ASSERT_TRUE(thousand.form().userEdit(controls::HullRateBox, "30"));
    thousand.write();
    EXPECT_EQ(thousand.at("SHIELDPOWER", 0, 2), (Bytes{0x50, 0xC3}));
    EXPECT_EQ(thousand.at("HULLRATING", 0, 2), (Bytes{0x4E, 0x0C})) << "3150 follows the shield";

    GatherRun twice(GameBuilder(Family::Xvt), 1);
    ASSERT_TRUE(twice.form().userEdit(controls::ShieldPowerBox, "2000"));
    twice.write();
    EXPECT_EQ(twice.at("SHIELDPOWER", 0, 2), (Bytes{0xA0, 0x86})) << "100000 modulo 65536";

    // X-Wing Alliance layout told to keep two bytes: the two above stay as they were.
    GatherRun xwa(GameBuilder(Family::Xwa).withKey("LONGSHIELDPOWERVALUE", "0"), 1);
    ASSERT_TRUE(xwa.form().userEdit(controls::ShieldPowerBox, "2000"));
    xwa.write();
    EXPECT_EQ(xwa.at("SHIELDPOWER", 0, 4),
              (Bytes{0xA0, 0x86, xwa.at("SHIELDPOWER", 2, 1, false)[0], xwa.at("SHIELDPOWER", 3, 1, false)[0]}));
}

TEST(GatherStatistics, LongShieldAndHullKeepAllFourBytesByScaleClass)
{
    GatherRun fighter(GameBuilder(Family::Xwa), 2);
    ASSERT_TRUE(fighter.form().userEdit(controls::ShieldPowerBox, "2000"));
    ASSERT_TRUE(fighter.form().userEdit(controls::HullRateBox, "700000"));
    fighter.write();
    EXPECT_EQ(fighter.at("SHIELDPOWER", 0, 4), (Bytes{0xA0, 0x86, 0x01, 0x00}));
    EXPECT_EQ(fighter.at("HULLRATING", 0, 4), (Bytes{0x60, 0x85, 0x61, 0x04})) << "73500000";

    // Slot 6 is of the freighter class in the demo games.
    for (const Family family : {Family::Xvt, Family::Xwa}) {
        GatherRun freighter{GameBuilder(family), 6};
        ASSERT_EQ(freighter.game.control(controls::ShipTypeList).index(), 3);
        ASSERT_TRUE(freighter.form().userEdit(controls::HullRateBox, "20"));
        ASSERT_TRUE(freighter.form().userEdit(controls::ShieldPowerBox, "400"));
        freighter.write();
        EXPECT_EQ(freighter.at("HULLRATING", 0, 2), (Bytes{0x0D, 0x02})) << "20 x 105 / 4 = 525";
        EXPECT_EQ(freighter.at("SHIELDPOWER", 0, 2), (Bytes{0x88, 0x13})) << "400 x 12.5";
    }
}

TEST(GatherStatistics, CapitalShieldKeepsItsRawValueUntilEditedThenComesOnTheClassStep)
{
    for (const Family family : {Family::Xvt, Family::Xwa}) {
        // Slot 7 is of the capital class; raw 5010 is shown as 1600, which is not a change.
        GatherRun run{GameBuilder(family).withCraftBytes(7, "SHIELDPOWER", {0x92, 0x13, 0, 0}), 7};
        ASSERT_EQ(run.game.control(controls::ShieldPowerBox).text(), "1600");
        run.write();
        EXPECT_EQ(run.at("SHIELDPOWER", 0, 2), (Bytes{0x92, 0x13})) << "kept as shown";
        ASSERT_TRUE(run.form().userEdit(controls::ShieldPowerBox, "3200"));
        run.write();
        EXPECT_EQ(run.at("SHIELDPOWER", 0, 2), (Bytes{0x10, 0x27})) << "3200 x 50 / 16 = 10000";
    }
}

TEST(GatherStatistics, TheScaleClassFollowsTheShipTypeChosenBeforeWrite)
{
    for (const Family family : {Family::Xvt, Family::Xwa}) {
        GatherRun run{GameBuilder(family), 1};
        ASSERT_TRUE(run.form().userPick(controls::ShipTypeList, 4)); // a capital ship now
        ASSERT_TRUE(run.form().userEdit(controls::ShieldPowerBox, "1600"));
        ASSERT_TRUE(run.form().userEdit(controls::HullRateBox, "32"));
        run.write();
        EXPECT_EQ(run.at("SHIELDPOWER", 0, 2), (Bytes{0x88, 0x13}));
        EXPECT_EQ(run.at("HULLRATING", 0, 2), (Bytes{0xD2, 0x00})) << "32 x 105 / 16 = 210";
    }
}

TEST(GatherStatistics, UnknownStrengthIsFourBytesUnscaled)
{
    GatherRun xvt(GameBuilder(Family::Xvt), 6);
    ASSERT_TRUE(xvt.form().userEdit(controls::UnknownStrengthBox, "70000"));
    xvt.write();
    EXPECT_EQ(xvt.at("EXPPOWER", 0, 4), (Bytes{0x70, 0x11, 0x01, 0x00}));
    GatherRun xwa(GameBuilder(Family::Xwa), 6);
    ASSERT_TRUE(xwa.form().userEdit(controls::UnknownStrengthBox, "4294967295"));
    xwa.write();
    EXPECT_EQ(xwa.at("EXPPOWER", 0, 4), (Bytes{0xFF, 0xFF, 0xFF, 0xFF}));
}

TEST(GatherStatistics, OtherTextsStoreZeroAndWideValuesWrap)
{
    GatherRun run(GameBuilder(Family::Xvt), 4);
    ASSERT_TRUE(run.form().userEdit(controls::SystemHitsBox, "many"));
    ASSERT_TRUE(run.form().userEdit(controls::Countersbox, "-1"));
    ASSERT_TRUE(run.form().userEdit(controls::FireSensitivityBox, "$1F"));
    ASSERT_TRUE(run.form().userEdit(controls::PVBox, "70000"));
    ASSERT_TRUE(run.form().userEdit(controls::RollBox, "260"));
    ASSERT_TRUE(run.form().userEdit(controls::PitchBox, "9 degrees"));
    ASSERT_TRUE(run.form().userCheck(controls::HyperdriveCheck, true));
    ASSERT_TRUE(run.form().userCheck(controls::ShieldGeneratorRadioB, false));
    ASSERT_TRUE(run.form().userEdit(controls::GunConvergenceList, "250 Far away"));
    run.write();
    EXPECT_EQ(run.at("SYSTEM", 0, 1), Bytes{0});
    EXPECT_EQ(run.at("COUNTERMEASSURES", 0, 1), Bytes{255});
    EXPECT_EQ(run.at("SENSITIVITY", 0, 1), Bytes{31});
    EXPECT_EQ(run.at("POINTVAL", 0, 2), (Bytes{0x70, 0x11}));
    EXPECT_EQ(run.at("ROLL", 0, 1), Bytes{4});
    EXPECT_EQ(run.at("PITCH", 0, 1), Bytes{9});
    EXPECT_EQ(run.at("HYPERDRIVE", 0, 1), Bytes{1});
    EXPECT_EQ(run.at("SHIELDGENERATOR", 0, 1), Bytes{0});
    EXPECT_EQ(run.at("GUNCONVERGENCE", 0, 1), Bytes{250});
}

TEST(GatherTexts, CraftIdIsStoredOnlyUpToSevenCharacters)
{
    for (const Family family : {Family::Xvt, Family::Xwa}) {
        GatherRun empty{GameBuilder(family), 3};
        ASSERT_TRUE(empty.form().userEdit(controls::CraftIDBox, ""));
        empty.write();
        EXPECT_EQ(empty.writtenPart("IFFNAME", 0, 8), empty.expectedPart("IFFNAME", 0, 8, {{0, {0}}}));

        GatherRun eight{GameBuilder(family), 3};
        ASSERT_TRUE(eight.form().userEdit(controls::CraftIDBox, "ABCDEFGH"));
        eight.write();
        EXPECT_EQ(eight.writtenPart("IFFNAME", 0, 8), eight.expectedPart("IFFNAME", 0, 8, {}));

        GatherRun seven{GameBuilder(family), 3};
        ASSERT_TRUE(seven.form().userEdit(controls::CraftIDBox, "ABCDEFG"));
        seven.write();
        EXPECT_EQ(seven.writtenPart("IFFNAME", 0, 9),
                  seven.expectedPart("IFFNAME", 0, 9, {{0, {'A', 'B', 'C', 'D', 'E', 'F', 'G', 0}}}));
    }
}

TEST(GatherTexts, CockpitNameLimitsAreSevenForXvtAndEighteenForXwa)
{
    GatherRun xvtEight(GameBuilder(Family::Xvt), 3);
    ASSERT_TRUE(xvtEight.form().userEdit(controls::CockpitBox, "COCKPIT8"));
    xvtEight.write();
    EXPECT_EQ(xvtEight.writtenPart("INTFILE", 0, 9), xvtEight.expectedPart("INTFILE", 0, 9, {}));

    GatherRun xvtSeven(GameBuilder(Family::Xvt), 3);
    ASSERT_TRUE(xvtSeven.form().userEdit(controls::CockpitBox, "CPT7777"));
    xvtSeven.write();
    EXPECT_EQ(xvtSeven.writtenPart("INTFILE", 0, 8), "CPT7777" + std::string(1, '\0'));

    GatherRun xwaEight(GameBuilder(Family::Xwa), 3);
    ASSERT_TRUE(xwaEight.form().userEdit(controls::CockpitBox, "COCKPIT8"));
    xwaEight.write();
    EXPECT_EQ(xwaEight.writtenPart("INTFILE", 0, 9), "COCKPIT8" + std::string(1, '\0'));

    const std::string eighteen = "FlightModels\\Cock1";
    GatherRun xwaLongest(GameBuilder(Family::Xwa), 3);
    ASSERT_TRUE(xwaLongest.form().userEdit(controls::CockpitBox, eighteen));
    xwaLongest.write();
    EXPECT_EQ(xwaLongest.writtenPart("INTFILE", 0, 19), eighteen + std::string(1, '\0'));

    GatherRun xwaTooLong(GameBuilder(Family::Xwa), 3);
    ASSERT_TRUE(xwaTooLong.form().userEdit(controls::CockpitBox, eighteen + "X"));
    xwaTooLong.write();
    EXPECT_EQ(xwaTooLong.writtenPart("INTFILE", 0, 20), xwaTooLong.expectedPart("INTFILE", 0, 20, {}));
}

TEST(GatherWeapons, XvtStoresTypeBytesBoxesLoadsAndSlotsButNotTheThirdLaserOrSequence)
{
    GatherRun run(GameBuilder(Family::Xvt), 6);
    Form& form = run.form();
    ASSERT_TRUE(form.userEdit(controls::Laser1List, "12 whatever the list says"));
    ASSERT_TRUE(form.userPick(controls::Laser2List, 3));
    ASSERT_TRUE(form.userEdit(controls::Warhead1List, "17 Space mine"));
    ASSERT_TRUE(form.userEdit(controls::Warhead2List, "x"));
    const ControlKey boxes[] = {controls::Laser1StartBox,   controls::Laser2StartBox,   controls::Laser1EndBox,
                                controls::Laser2EndBox,     controls::Laser1LinkBox,    controls::Laser2LinkBox,
                                controls::Warhead1StartBox, controls::Warhead2StartBox, controls::Warhead1EndBox,
                                controls::Warhead2EndBox,   controls::Warhead1LinkBox,  controls::Warhead2LinkBox};
    const std::int64_t offsets[] = {2, 3, 4, 5, 6, 7, 12, 13, 14, 15, 16, 17};
    std::vector<std::pair<std::int64_t, Bytes>> changes = {{0, {12}}, {1, {3}}, {10, {17}}, {11, {0}}};
    for (std::size_t i = 0; i < std::size(boxes); ++i) {
        ASSERT_TRUE(form.userEdit(boxes[i], std::to_string(100 + i)));
        changes.push_back({offsets[i], {static_cast<std::uint8_t>(100 + i)}});
    }
    ASSERT_TRUE(form.userEdit(controls::WarheadLoad1Box, "20"));
    ASSERT_TRUE(form.userEdit(controls::WarheadLoad2Box, "300"));
    changes.push_back({18, {20}});
    changes.push_back({19, {44}});
    // Shown but not kept by this family.
    form[controls::Laser3List].setText("9   Spare");
    form[controls::Laser1SequenceBox].setText("77");
    form[controls::Laser3SequenceBox].setText("78");
    ASSERT_TRUE(form.userEditCell(controls::WeaponSlotsGrid, 1, 1, "1000"));
    ASSERT_TRUE(form.userEditCell(controls::WeaponSlotsGrid, 12, 4, "-3"));
    ASSERT_TRUE(form.userEditCell(controls::WeaponSlotsGrid, 5, 2, "$7FFF"));
    changes.push_back({48, {0xE8, 0x03}});
    changes.push_back({142, {0xFD, 0xFF}});
    changes.push_back({48 + 2 * (4 * 4 + 1), {0xFF, 0x7F}});
    run.write();
    EXPECT_EQ(run.writtenPart("WEAPONSTATSSTART", 0, 160), run.expectedPart("WEAPONSTATSSTART", 0, 160, changes));
}

TEST(GatherWeapons, XwaStoresTypeWordsEveryBoxRangesPrioritiesAndTwentySixSlotRows)
{
    GatherRun run(GameBuilder(Family::Xwa), 6);
    Form& form = run.form();
    std::vector<std::pair<std::int64_t, Bytes>> changes;
    const std::pair<ControlKey, std::int64_t> types[] = {{controls::Laser1List, 0},
                                                         {controls::Laser2List, 2},
                                                         {controls::Laser3List, 4},
                                                         {controls::Warhead1List, 36},
                                                         {controls::Warhead2List, 38}};
    for (std::size_t i = 0; i < std::size(types); ++i) {
        ASSERT_TRUE(form.userEdit(types[i].first, std::to_string(280 + i) + " typed"));
        changes.push_back({types[i].second, {static_cast<std::uint8_t>(24 + i), 1}});
    }
    const std::pair<ControlKey, std::int64_t> boxes[] = {
        {controls::Laser1StartBox, 6},     {controls::Laser2StartBox, 7},     {controls::Laser3StartBox, 8},
        {controls::Laser1EndBox, 9},       {controls::Laser2EndBox, 10},      {controls::Laser3EndBox, 11},
        {controls::Laser1LinkBox, 12},     {controls::Laser2LinkBox, 13},     {controls::Laser3LinkBox, 14},
        {controls::Laser1SequenceBox, 15}, {controls::Laser2SequenceBox, 16}, {controls::Laser3SequenceBox, 17},
        {controls::TurboRange, 20},        {controls::SupRange, 24},          {controls::Warhead1StartBox, 40},
        {controls::Warhead2StartBox, 41},  {controls::Warhead1EndBox, 42},    {controls::Warhead2EndBox, 43},
        {controls::Warhead1LinkBox, 44},   {controls::Warhead2LinkBox, 45},   {controls::WarheadLoad1Box, 46},
        {controls::WarheadLoad2Box, 47}};
    for (std::size_t i = 0; i < std::size(boxes); ++i) {
        ASSERT_TRUE(form.userEdit(boxes[i].first, std::to_string(150 + i))) << boxes[i].first;
        changes.push_back({boxes[i].second, {static_cast<std::uint8_t>(150 + i)}});
    }
    ASSERT_TRUE(form.userSlide(controls::TurboFirePriorityBar, 201));
    ASSERT_TRUE(form.userSlide(controls::SuperFirePriorityBar, 9));
    changes.push_back({30, {201}});
    changes.push_back({32, {9}});
    ASSERT_TRUE(form.userEditCell(controls::WeaponSlotsGrid, 26, 4, "-2"));
    ASSERT_TRUE(form.userEditCell(controls::WeaponSlotsGrid, 13, 3, "4660"));
    changes.push_back({48 + 2 * 103, {0xFE, 0xFF}});
    changes.push_back({48 + 2 * (4 * 12 + 2), {0x34, 0x12}});
    run.write();
    EXPECT_EQ(run.writtenPart("WEAPONSTATSSTART", 0, 256), run.expectedPart("WEAPONSTATSSTART", 0, 256, changes));
}

TEST(GatherCockpit, XvtKeepsOnlyThePointOfViewXwaEveryCell)
{
    GatherRun xvt(GameBuilder(Family::Xvt), 4);
    Form& form = xvt.form();
    ASSERT_TRUE(form.userEditCell(controls::CockpitPositionsGrid, 1, 1, "-5")); // X
    ASSERT_TRUE(form.userEditCell(controls::CockpitPositionsGrid, 1, 2, "6"));  // Z
    ASSERT_TRUE(form.userEditCell(controls::CockpitPositionsGrid, 1, 3, "7"));  // Y
    form[controls::CockpitPositionsGrid].setCell(2, 1, "999");
    form[controls::Turret1Orient1Box].setText("555");
    form[controls::Turret1ActivatedList].setText("317 Turret on");
    xvt.write();
    EXPECT_EQ(xvt.writtenPart("COCKPITPOV", 0, 38),
              xvt.expectedPart("COCKPITPOV", 0, 38, {{0, {7, 0}}, {2, {6, 0}}, {4, {0xFB, 0xFF}}}));

    GatherRun xwa(GameBuilder(Family::Xwa), 4);
    std::vector<std::pair<std::int64_t, Bytes>> changes;
    const std::int64_t cellOffsets[4][4] = {{}, {0, 4, 2, 0}, {0, 6, 10, 14}, {0, 8, 12, 16}};
    for (std::size_t row = 1; row <= 3; ++row) {
        for (std::size_t column = 1; column <= 3; ++column) {
            const int value = static_cast<int>(10 * row + column);
            ASSERT_TRUE(xwa.form().userEditCell(controls::CockpitPositionsGrid, row, column, std::to_string(value)));
            changes.push_back({cellOffsets[row][column], {static_cast<std::uint8_t>(value), 0}});
        }
    }
    const std::pair<ControlKey, std::int64_t> boxes[] = {
        {controls::Turret1Orient1Box, 18}, {controls::Turret2Orient1Box, 20}, {controls::Turret1Orient2Box, 22},
        {controls::Turret2Orient2Box, 24}, {controls::Turret1Arc1Box, 30},    {controls::Turret2Arc1Box, 32},
        {controls::Turret1Arc2Box, 34},    {controls::Turret2Arc2Box, 36}};
    for (const auto& [box, offset] : boxes) {
        ASSERT_TRUE(xwa.form().userEdit(box, std::to_string(-offset)));
        changes.push_back({offset, {static_cast<std::uint8_t>(256 - offset), 0xFF}});
    }
    ASSERT_TRUE(xwa.form().userPick(controls::Turret1ActivatedList, 1));
    ASSERT_TRUE(xwa.form().userEdit(controls::Turret2ActivatedList, "0   Turret off"));
    changes.push_back({26, {0x3D, 0x01}});
    changes.push_back({28, {0, 0}});
    xwa.write();
    EXPECT_EQ(xwa.writtenPart("COCKPITPOV", 0, 38), xwa.expectedPart("COCKPITPOV", 0, 38, changes));
}

TEST(GatherAbsentKeys, FieldsWithoutAPositionAreNeitherReadNorStored)
{
    GameBuilder builder(Family::Xvt);
    builder.withKey("ROLL", "-1").withKey("EXPPOWER", "-1").withKey("COCKPITPOV", "-1").withKey("SHIELDDECHARGE", "-1");
    GatherRun run(builder, 4);
    EXPECT_FALSE(run.game.control(controls::RollBox).enabled());
    ASSERT_TRUE(run.form().userEdit(controls::PitchBox, "3"));
    run.write();
    EXPECT_EQ(run.after.substr(static_cast<std::size_t>(run.game.craftAt(4) + 30), 1),
              run.before.substr(static_cast<std::size_t>(run.game.craftAt(4) + 30), 1));
    EXPECT_EQ(run.after.substr(static_cast<std::size_t>(run.game.craftAt(4) + 22), 4),
              run.before.substr(static_cast<std::size_t>(run.game.craftAt(4) + 22), 4));
    EXPECT_EQ(run.after.substr(static_cast<std::size_t>(run.game.craftAt(4) + 42), 38),
              run.before.substr(static_cast<std::size_t>(run.game.craftAt(4) + 42), 38));
    EXPECT_EQ(run.after[static_cast<std::size_t>(run.game.craftAt(4) + 9)],
              run.before[static_cast<std::size_t>(run.game.craftAt(4) + 9)]);
    EXPECT_EQ(run.at("PITCH", 0, 1), Bytes{3});
}
