// The edited fields as "Write" stores them in the craft entry, read back from the executable's
// bytes, and the rules that keep dependent boxes up to date while the user edits.
#include "WriteFixture.h"

#include "windows/MainWindowControls.h"

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
    ASSERT_TRUE(xvt.form().userEdit(ui::ShieldRechargeBox, "300"));
    ASSERT_TRUE(xvt.form().userEdit(ui::ShieldDechargeBox, "7"));
    ASSERT_TRUE(xvt.form().userEdit(ui::LaserRechargeBox, "258"));
    xvt.write();
    EXPECT_EQ(xvt.at("SHIELDRECHARGE", 0, 1), Bytes{44});
    EXPECT_EQ(xvt.at("SHIELDDECHARGE", 0, 1), Bytes{7});
    EXPECT_EQ(xvt.at("LASERRECHARGE", 0, 1), Bytes{2});
    EXPECT_EQ(xvt.at("SYSTEM", 0, 1), xvt.at("SYSTEM", 0, 1, false)) << "the byte after a byte field";

    GatherRun xwa(GameBuilder(Family::Xwa), 2);
    ASSERT_TRUE(xwa.form().userEdit(ui::ShieldRechargeBox, "300"));
    ASSERT_TRUE(xwa.form().userEdit(ui::ShieldDechargeBox, "65537"));
    ASSERT_TRUE(xwa.form().userEdit(ui::LaserRechargeBox, "513"));
    xwa.write();
    EXPECT_EQ(xwa.at("SHIELDRECHARGE", 0, 2), (Bytes{44, 1}));
    EXPECT_EQ(xwa.at("SHIELDDECHARGE", 0, 2), (Bytes{1, 0}));
    EXPECT_EQ(xwa.at("LASERRECHARGE", 0, 2), (Bytes{1, 2}));
}

TEST(GatherStatistics, SpeedIsAWordOfTheRawScaleAccelAndDecelItsLowByte)
{
    for (const Family family : {Family::Xvt, Family::Xwa}) {
        GatherRun run{GameBuilder(family), 3};
        ASSERT_TRUE(run.form().userEdit(ui::SpeedBox, "100"));
        ASSERT_TRUE(run.form().userEdit(ui::AccBox, "114"));
        ASSERT_TRUE(run.form().userEdit(ui::Deaccbox, "113"));
        run.write();
        EXPECT_EQ(run.at("SPEED", 0, 2), (Bytes{0xE1, 0x00}));
        EXPECT_EQ(run.at("ACC", 0, 1), Bytes{0}) << "114 x 2.25 = 256.5 rounds to 256";
        EXPECT_EQ(run.at("DEACC", 0, 1), Bytes{254});
    }
    GatherRun run{GameBuilder(Family::Xvt), 3};
    ASSERT_TRUE(run.form().userEdit(ui::SpeedBox, "29126"));
    ASSERT_TRUE(run.form().userEdit(ui::AccBox, "fast"));
    ASSERT_TRUE(run.form().userEdit(ui::Deaccbox, "1"));
    run.write();
    EXPECT_EQ(run.at("SPEED", 0, 2), (Bytes{0xFE, 0xFF})) << "65533.5 goes to the even 65534";
    EXPECT_EQ(run.at("ACC", 0, 1), Bytes{0});
    EXPECT_EQ(run.at("DEACC", 0, 1), Bytes{2}) << "2.25 rounds to 2";
}

TEST(GatherStatistics, FighterShieldWithoutTheLongKeyKeepsTheLowWord)
{
    GatherRun thousand(GameBuilder(Family::Xvt), 1);
    ASSERT_TRUE(thousand.form().userEdit(ui::ShieldPowerBox, "1000"));
    ASSERT_TRUE(thousand.form().userEdit(ui::HullRateBox, "30"));
    thousand.write();
    EXPECT_EQ(thousand.at("SHIELDPOWER", 0, 2), (Bytes{0x50, 0xC3}));
    EXPECT_EQ(thousand.at("HULLRATING", 0, 2), (Bytes{0x4E, 0x0C})) << "3150 follows the shield";

    GatherRun twice(GameBuilder(Family::Xvt), 1);
    ASSERT_TRUE(twice.form().userEdit(ui::ShieldPowerBox, "2000"));
    twice.write();
    EXPECT_EQ(twice.at("SHIELDPOWER", 0, 2), (Bytes{0xA0, 0x86})) << "100000 modulo 65536";

    // X-Wing Alliance layout told to keep two bytes: the two above stay as they were.
    GatherRun xwa(GameBuilder(Family::Xwa).withKey("LONGSHIELDPOWERVALUE", "0"), 1);
    ASSERT_TRUE(xwa.form().userEdit(ui::ShieldPowerBox, "2000"));
    xwa.write();
    EXPECT_EQ(xwa.at("SHIELDPOWER", 0, 4),
              (Bytes{0xA0, 0x86, xwa.at("SHIELDPOWER", 2, 1, false)[0], xwa.at("SHIELDPOWER", 3, 1, false)[0]}));
}

TEST(GatherStatistics, LongShieldAndHullKeepAllFourBytesByScaleClass)
{
    GatherRun fighter(GameBuilder(Family::Xwa), 2);
    ASSERT_TRUE(fighter.form().userEdit(ui::ShieldPowerBox, "2000"));
    ASSERT_TRUE(fighter.form().userEdit(ui::HullRateBox, "700000"));
    fighter.write();
    EXPECT_EQ(fighter.at("SHIELDPOWER", 0, 4), (Bytes{0xA0, 0x86, 0x01, 0x00}));
    EXPECT_EQ(fighter.at("HULLRATING", 0, 4), (Bytes{0x60, 0x85, 0x61, 0x04})) << "73500000";

    // Slot 6 is of the freighter class in the demo games.
    for (const Family family : {Family::Xvt, Family::Xwa}) {
        GatherRun freighter{GameBuilder(family), 6};
        ASSERT_EQ(freighter.game.control(ui::ComboBox10).index(), 3);
        ASSERT_TRUE(freighter.form().userEdit(ui::HullRateBox, "20"));
        ASSERT_TRUE(freighter.form().userEdit(ui::ShieldPowerBox, "400"));
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
        ASSERT_EQ(run.game.control(ui::ShieldPowerBox).text(), "1600");
        run.write();
        EXPECT_EQ(run.at("SHIELDPOWER", 0, 2), (Bytes{0x92, 0x13})) << "kept as shown";
        ASSERT_TRUE(run.form().userEdit(ui::ShieldPowerBox, "3200"));
        run.write();
        EXPECT_EQ(run.at("SHIELDPOWER", 0, 2), (Bytes{0x10, 0x27})) << "3200 x 50 / 16 = 10000";
    }
}

TEST(GatherStatistics, TheScaleClassFollowsTheShipTypeChosenBeforeWrite)
{
    for (const Family family : {Family::Xvt, Family::Xwa}) {
        GatherRun run{GameBuilder(family), 1};
        ASSERT_TRUE(run.form().userPick(ui::ComboBox10, 4)); // a capital ship now
        ASSERT_TRUE(run.form().userEdit(ui::ShieldPowerBox, "1600"));
        ASSERT_TRUE(run.form().userEdit(ui::HullRateBox, "32"));
        run.write();
        EXPECT_EQ(run.at("SHIELDPOWER", 0, 2), (Bytes{0x88, 0x13}));
        EXPECT_EQ(run.at("HULLRATING", 0, 2), (Bytes{0xD2, 0x00})) << "32 x 105 / 16 = 210";
    }
}

TEST(GatherStatistics, UnknownStrengthIsFourBytesUnscaled)
{
    GatherRun xvt(GameBuilder(Family::Xvt), 6);
    ASSERT_TRUE(xvt.form().userEdit(ui::ExpPowerBox, "70000"));
    xvt.write();
    EXPECT_EQ(xvt.at("EXPPOWER", 0, 4), (Bytes{0x70, 0x11, 0x01, 0x00}));
    GatherRun xwa(GameBuilder(Family::Xwa), 6);
    ASSERT_TRUE(xwa.form().userEdit(ui::ExpPowerBox, "4294967295"));
    xwa.write();
    EXPECT_EQ(xwa.at("EXPPOWER", 0, 4), (Bytes{0xFF, 0xFF, 0xFF, 0xFF}));
}

TEST(GatherStatistics, OtherTextsStoreZeroAndWideValuesWrap)
{
    GatherRun run(GameBuilder(Family::Xvt), 4);
    ASSERT_TRUE(run.form().userEdit(ui::SystemHitsBox, "many"));
    ASSERT_TRUE(run.form().userEdit(ui::Countersbox, "-1"));
    ASSERT_TRUE(run.form().userEdit(ui::sensitivitybox, "$1F"));
    ASSERT_TRUE(run.form().userEdit(ui::PVBox, "70000"));
    ASSERT_TRUE(run.form().userEdit(ui::RollBox, "260"));
    ASSERT_TRUE(run.form().userEdit(ui::PitchBox, "9 degrees"));
    ASSERT_TRUE(run.form().userCheck(ui::HyperDriveRadioB, true));
    ASSERT_TRUE(run.form().userCheck(ui::ShieldGeneratorRadioB, false));
    ASSERT_TRUE(run.form().userEdit(ui::ComboBox9, "250 Far away"));
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
        ASSERT_TRUE(empty.form().userEdit(ui::CraftIDBox, ""));
        empty.write();
        EXPECT_EQ(empty.writtenPart("IFFNAME", 0, 8), empty.expectedPart("IFFNAME", 0, 8, {{0, {0}}}));

        GatherRun eight{GameBuilder(family), 3};
        ASSERT_TRUE(eight.form().userEdit(ui::CraftIDBox, "ABCDEFGH"));
        eight.write();
        EXPECT_EQ(eight.writtenPart("IFFNAME", 0, 8), eight.expectedPart("IFFNAME", 0, 8, {}));

        GatherRun seven{GameBuilder(family), 3};
        ASSERT_TRUE(seven.form().userEdit(ui::CraftIDBox, "ABCDEFG"));
        seven.write();
        EXPECT_EQ(seven.writtenPart("IFFNAME", 0, 9),
                  seven.expectedPart("IFFNAME", 0, 9, {{0, {'A', 'B', 'C', 'D', 'E', 'F', 'G', 0}}}));
    }
}

TEST(GatherTexts, CockpitNameLimitsAreSevenForXvtAndEighteenForXwa)
{
    GatherRun xvtEight(GameBuilder(Family::Xvt), 3);
    ASSERT_TRUE(xvtEight.form().userEdit(ui::CockpitBox, "COCKPIT8"));
    xvtEight.write();
    EXPECT_EQ(xvtEight.writtenPart("INTFILE", 0, 9), xvtEight.expectedPart("INTFILE", 0, 9, {}));

    GatherRun xvtSeven(GameBuilder(Family::Xvt), 3);
    ASSERT_TRUE(xvtSeven.form().userEdit(ui::CockpitBox, "CPT7777"));
    xvtSeven.write();
    EXPECT_EQ(xvtSeven.writtenPart("INTFILE", 0, 8), "CPT7777" + std::string(1, '\0'));

    GatherRun xwaEight(GameBuilder(Family::Xwa), 3);
    ASSERT_TRUE(xwaEight.form().userEdit(ui::CockpitBox, "COCKPIT8"));
    xwaEight.write();
    EXPECT_EQ(xwaEight.writtenPart("INTFILE", 0, 9), "COCKPIT8" + std::string(1, '\0'));

    const std::string eighteen = "FlightModels\\Cock1";
    GatherRun xwaLongest(GameBuilder(Family::Xwa), 3);
    ASSERT_TRUE(xwaLongest.form().userEdit(ui::CockpitBox, eighteen));
    xwaLongest.write();
    EXPECT_EQ(xwaLongest.writtenPart("INTFILE", 0, 19), eighteen + std::string(1, '\0'));

    GatherRun xwaTooLong(GameBuilder(Family::Xwa), 3);
    ASSERT_TRUE(xwaTooLong.form().userEdit(ui::CockpitBox, eighteen + "X"));
    xwaTooLong.write();
    EXPECT_EQ(xwaTooLong.writtenPart("INTFILE", 0, 20), xwaTooLong.expectedPart("INTFILE", 0, 20, {}));
}

TEST(GatherWeapons, XvtStoresTypeBytesBoxesLoadsAndSlotsButNotTheThirdLaserOrSequence)
{
    GatherRun run(GameBuilder(Family::Xvt), 6);
    Form& form = run.form();
    ASSERT_TRUE(form.userEdit(ui::ComboBox1, "12 whatever the list says"));
    ASSERT_TRUE(form.userPick(ui::ComboBox2, 3));
    ASSERT_TRUE(form.userEdit(ui::ComboBox3, "17 Space mine"));
    ASSERT_TRUE(form.userEdit(ui::ComboBox4, "x"));
    const ControlKey boxes[] = {ui::Edit1, ui::Edit2, ui::Edit5, ui::Edit6, ui::Edit9,  ui::Edit10,
                                ui::Edit3, ui::Edit4, ui::Edit7, ui::Edit8, ui::Edit11, ui::Edit12};
    const std::int64_t offsets[] = {2, 3, 4, 5, 6, 7, 12, 13, 14, 15, 16, 17};
    std::vector<std::pair<std::int64_t, Bytes>> changes = {{0, {12}}, {1, {3}}, {10, {17}}, {11, {0}}};
    for (std::size_t i = 0; i < std::size(boxes); ++i) {
        ASSERT_TRUE(form.userEdit(boxes[i], std::to_string(100 + i)));
        changes.push_back({offsets[i], {static_cast<std::uint8_t>(100 + i)}});
    }
    ASSERT_TRUE(form.userEdit(ui::WarheadLoad1Box, "20"));
    ASSERT_TRUE(form.userEdit(ui::WarheadLoad2Box, "300"));
    changes.push_back({18, {20}});
    changes.push_back({19, {44}});
    // Shown but not kept by this family.
    form[ui::ComboBox8].setText("9   Spare");
    form[ui::Edit83].setText("77");
    form[ui::Edit112].setText("78");
    ASSERT_TRUE(form.userEditCell(ui::wpn, 1, 1, "1000"));
    ASSERT_TRUE(form.userEditCell(ui::wpn, 12, 4, "-3"));
    ASSERT_TRUE(form.userEditCell(ui::wpn, 5, 2, "$7FFF"));
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
    const std::pair<ControlKey, std::int64_t> types[] = {
        {ui::ComboBox1, 0}, {ui::ComboBox2, 2}, {ui::ComboBox8, 4}, {ui::ComboBox3, 36}, {ui::ComboBox4, 38}};
    for (std::size_t i = 0; i < std::size(types); ++i) {
        ASSERT_TRUE(form.userEdit(types[i].first, std::to_string(280 + i) + " typed"));
        changes.push_back({types[i].second, {static_cast<std::uint8_t>(24 + i), 1}});
    }
    const std::pair<ControlKey, std::int64_t> boxes[] = {
        {ui::Edit1, 6},           {ui::Edit2, 7},     {ui::Edit109, 8},
        {ui::Edit5, 9},           {ui::Edit6, 10},    {ui::Edit110, 11},
        {ui::Edit9, 12},          {ui::Edit10, 13},   {ui::Edit111, 14},
        {ui::Edit83, 15},         {ui::Edit84, 16},   {ui::Edit112, 17},
        {ui::TurboRange, 20},     {ui::SupRange, 24}, {ui::Edit3, 40},
        {ui::Edit4, 41},          {ui::Edit7, 42},    {ui::Edit8, 43},
        {ui::Edit11, 44},         {ui::Edit12, 45},   {ui::WarheadLoad1Box, 46},
        {ui::WarheadLoad2Box, 47}};
    for (std::size_t i = 0; i < std::size(boxes); ++i) {
        ASSERT_TRUE(form.userEdit(boxes[i].first, std::to_string(150 + i))) << boxes[i].first;
        changes.push_back({boxes[i].second, {static_cast<std::uint8_t>(150 + i)}});
    }
    ASSERT_TRUE(form.userSlide(ui::TrackBar1, 201));
    ASSERT_TRUE(form.userSlide(ui::TrackBar2, 9));
    changes.push_back({30, {201}});
    changes.push_back({32, {9}});
    ASSERT_TRUE(form.userEditCell(ui::wpn, 26, 4, "-2"));
    ASSERT_TRUE(form.userEditCell(ui::wpn, 13, 3, "4660"));
    changes.push_back({48 + 2 * 103, {0xFE, 0xFF}});
    changes.push_back({48 + 2 * (4 * 12 + 2), {0x34, 0x12}});
    run.write();
    EXPECT_EQ(run.writtenPart("WEAPONSTATSSTART", 0, 256), run.expectedPart("WEAPONSTATSSTART", 0, 256, changes));
}

TEST(GatherCockpit, XvtKeepsOnlyThePointOfViewXwaEveryCell)
{
    GatherRun xvt(GameBuilder(Family::Xvt), 4);
    Form& form = xvt.form();
    ASSERT_TRUE(form.userEditCell(ui::StringGrid2, 1, 1, "-5")); // X
    ASSERT_TRUE(form.userEditCell(ui::StringGrid2, 1, 2, "6"));  // Z
    ASSERT_TRUE(form.userEditCell(ui::StringGrid2, 1, 3, "7"));  // Y
    form[ui::StringGrid2].setCell(2, 1, "999");
    form[ui::Edit37].setText("555");
    form[ui::ComboBox18].setText("317 Turret on");
    xvt.write();
    EXPECT_EQ(xvt.writtenPart("COCKPITPOV", 0, 38),
              xvt.expectedPart("COCKPITPOV", 0, 38, {{0, {7, 0}}, {2, {6, 0}}, {4, {0xFB, 0xFF}}}));

    GatherRun xwa(GameBuilder(Family::Xwa), 4);
    std::vector<std::pair<std::int64_t, Bytes>> changes;
    const std::int64_t cellOffsets[4][4] = {{}, {0, 4, 2, 0}, {0, 6, 10, 14}, {0, 8, 12, 16}};
    for (std::size_t row = 1; row <= 3; ++row) {
        for (std::size_t column = 1; column <= 3; ++column) {
            const int value = static_cast<int>(10 * row + column);
            ASSERT_TRUE(xwa.form().userEditCell(ui::StringGrid2, row, column, std::to_string(value)));
            changes.push_back({cellOffsets[row][column], {static_cast<std::uint8_t>(value), 0}});
        }
    }
    const std::pair<ControlKey, std::int64_t> boxes[] = {{ui::Edit37, 18}, {ui::Edit38, 20}, {ui::Edit39, 22},
                                                         {ui::Edit40, 24}, {ui::Edit43, 30}, {ui::Edit44, 32},
                                                         {ui::Edit45, 34}, {ui::Edit46, 36}};
    for (const auto& [box, offset] : boxes) {
        ASSERT_TRUE(xwa.form().userEdit(box, std::to_string(-offset)));
        changes.push_back({offset, {static_cast<std::uint8_t>(256 - offset), 0xFF}});
    }
    ASSERT_TRUE(xwa.form().userPick(ui::ComboBox18, 1));
    ASSERT_TRUE(xwa.form().userEdit(ui::ComboBox19, "0   Turret off"));
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
    EXPECT_FALSE(run.game.control(ui::RollBox).enabled());
    ASSERT_TRUE(run.form().userEdit(ui::PitchBox, "3"));
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
