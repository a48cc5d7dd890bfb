#include "DemoOptFiles.h"
#include "EntryFields.h"

#include "SessionFixture.h"
#include "controls/MainWindowControls.h"

#include <algorithm>

using namespace plorik;
using namespace plorik::testing;

namespace {

std::string number(std::int64_t value)
{
    return std::to_string(value);
}

// The OPT list of a selector, by family.
std::string listPath(Family family, std::int32_t selector)
{
    if (family == Family::Xwa) {
        switch (selector) {
        case 0: return "FlightModels\\SPACECRAFT0.LST";
        case 1: return "FlightModels\\EQUIPMENT0.LST";
        default: return "unknown";
        }
    }
    switch (selector) {
    case 0: return "ivfiles\\spec640.lst";
    case 1: return "ivfiles\\spec2640.lst";
    case 2: return "ivfiles\\spec3640.lst";
    default: return "unknown";
    }
}

void expectShipType(StartedGame& started, const GameBuilder& builder, Family family, std::int32_t slot)
{
    SCOPED_TRACE("slot " + number(slot));
    started.show(slot);
    const std::int32_t type = builder.shipType(slot);
    EXPECT_EQ(started.control(controls::ShipTypeList).index(), type <= 20 ? type : -1);
    EXPECT_EQ(started.control(controls::EnabledBox).checked(), builder.enabledMarker(slot) == 3);
    EXPECT_EQ(started.text(controls::CapWpnSys), number(builder.weaponSystem(slot)));
    EXPECT_EQ(started.text(controls::TargetTypeList), number(builder.targetType(slot)));
    const std::int32_t selector = builder.optList(slot);
    const std::string path = listPath(family, selector);
    EXPECT_EQ(started.text(controls::OptListFileBox), path);
    EXPECT_EQ(started.text(controls::OptIndexBox), number(builder.optIndex(slot)));
    std::string optFile = builder.optName(selector, builder.optIndex(slot));
    if (path == "unknown")
        optFile = "None Assigned";
    else if (builder.optIndex(slot) >= builder.optListLength(selector))
        optFile = "None assigned";
    EXPECT_EQ(started.text(controls::DBOPTFile), optFile);
}

const ControlKey kShipTypeControls[] = {controls::ShipTypeList,  controls::WorkOnList,     controls::OptIndexBox,
                                        controls::DBOPTFile,     controls::OptListFileBox, controls::CapWpnSys,
                                        controls::TargetTypeList};

} // namespace

TEST(DisplayShipType, XvtShowsTheSlotsShipTypeEntry)
{
    GameBuilder builder(Family::Xvt);
    StartedGame started(builder);
    // 1, 2, 3: the three lists; 7: not enabled; 10: no list; 12: a type past the list's items;
    // 41: the index equals the last list's line count.
    for (const std::int32_t slot : {1, 2, 3, 6, 7, 9, 10, 12, 41, 44, 80})
        expectShipType(started, builder, Family::Xvt, slot);
    started.show(41);
    EXPECT_EQ(started.text(controls::DBOPTFile), "None assigned");
    started.show(10);
    EXPECT_EQ(started.text(controls::DBOPTFile), "None Assigned");
    EXPECT_TRUE(started.messages().empty());
}

TEST(DisplayShipType, XwaReadsTheListSelectorAndIndexAsWords)
{
    GameBuilder builder(Family::Xwa);
    StartedGame started(builder);
    // 3: index 260; 10: selector 2 (no list); 20: selector 256; 101: index 100 in a list of 100.
    ASSERT_EQ(builder.optIndex(3), 260);
    ASSERT_EQ(builder.optList(20), 256);
    for (const std::int32_t slot : {1, 2, 3, 7, 10, 12, 20, 101, 104, 218, 230})
        expectShipType(started, builder, Family::Xwa, slot);
    started.show(3);
    EXPECT_EQ(started.text(controls::DBOPTFile), builder.optName(0, 260));
    started.show(20);
    EXPECT_EQ(started.text(controls::OptListFileBox), "unknown");
    EXPECT_TRUE(started.messages().empty());
}

TEST(DisplayShipType, AShortenedListShowsNoneAssignedPastItsEnd)
{
    GameBuilder builder(Family::Xvt);
    builder.cutFile("ivfiles\\spec640.lst", 10);
    StartedGame started(builder);
    started.show(3); // list 0, index 2
    EXPECT_EQ(started.text(controls::DBOPTFile), builder.optName(0, 2));
    started.show(12); // list 0, index 11
    EXPECT_EQ(started.text(controls::DBOPTFile), "None assigned");
    started.show(11); // list 2, index 10
    EXPECT_EQ(started.text(controls::DBOPTFile), builder.optName(2, 10));
}

TEST(DisplayShipType, WithoutShipTypesItsControlsAreOff)
{
    for (const Family family : {Family::Xvt, Family::Xwa}) {
        SCOPED_TRACE(family == Family::Xwa ? "XWA" : "XvT");
        StartedGame with((GameBuilder(family)));
        for (ControlKey key : kShipTypeControls) {
            if (key != controls::CapWpnSys || family == Family::Xwa) { // XvT has no weapon system to edit
                EXPECT_TRUE(with.control(key).enabled()) << key;
            }
        }
        StartedGame without(GameBuilder(family).withDataFile(dataWithKey(family, "SHIPTYPESTART", "-1")));
        without.show(3);
        for (ControlKey key : kShipTypeControls)
            EXPECT_FALSE(without.control(key).enabled()) << key;
        EXPECT_TRUE(without.messages().empty());
    }
}

TEST(DisplayOptGroup, IsOnOnlyWhileTheCraftsModelFileExists)
{
    for (const Family family : {Family::Xvt, Family::Xwa}) {
        const GameBuilder builder(family);
        StartedGame started{builder};
        EXPECT_TRUE(started.control(controls::OptInfoGroup).enabled()); // the demo's model of slot 1
        const std::filesystem::path model = *modelPath(builder, started.game.gameDir, 1);
        std::filesystem::remove(model);
        started.form().userPress(controls::NextSlotButton);
        started.form().userPress(controls::PrevSlotButton);
        EXPECT_FALSE(started.control(controls::OptInfoGroup).enabled());
        // Put a model file (without meshes) in place and show the slot again.
        writeFile(model, OptFileBuilder().bytes());
        started.form().userPress(controls::NextSlotButton);
        started.form().userPress(controls::PrevSlotButton);
        EXPECT_TRUE(started.control(controls::OptInfoGroup).enabled()) << model;
        EXPECT_TRUE(started.messages().empty());
    }
}
