#include "SessionFixture.h"

#include "controls/MainWindowControls.h"
#include "controls/WeaponEditorControls.h"
#include "craft/CraftTable.h"

using namespace plorik;
using namespace plorik::testing;

namespace {

const ControlKey kProfileCommands[] = {controls::PrevSlotButton, controls::NextSlotButton, controls::WriteButton,
                                       controls::CraftNoBox,     controls::OpenShipItem,   controls::SaveShipAsItem,
                                       controls::SaveAsZtItem,   controls::OpenShipTool,   controls::SaveShipTool,
                                       controls::LastTool,       controls::CopyShipItem};

} // namespace

TEST(Startup, AConfiguredXvtStartShowsSlotOneOfTheIdentifiedVersion)
{
    GameBuilder builder(Family::Xvt);
    StartedGame started(builder);
    Session& session = *started.session;
    EXPECT_TRUE(started.messages().empty());
    EXPECT_FALSE(session.ended());
    EXPECT_TRUE(session.configured());
    EXPECT_EQ(session.versionName(), "PLORIK Demo XvT");
    EXPECT_EQ(started.control(controls::GameVersionBox).text(), "PLORIK Demo XvT");
    EXPECT_EQ(started.control(controls::GameDirBox).text(), started.game.gameDir.string() + "/\\");
    EXPECT_EQ(session.currentSlot(), 1);
    EXPECT_EQ(started.control(controls::CraftNoBox).text(), "1");
    EXPECT_EQ(bufferStart(session, 240), builder.craftEntry(1));
    EXPECT_EQ(started.control(controls::StatusBar).text(), " - This slot has s-foils function.");

    const auto& items = started.control(controls::CraftNoBox).items();
    ASSERT_EQ(items.size(), 80u);
    EXPECT_EQ(items.front(), "1");
    EXPECT_EQ(items[69], "70");

    EXPECT_EQ(started.control(controls::TargetTypeList).items(),
              (std::vector<std::string>{"67  Normal targerting", "71  Bouy targeting"}));
    EXPECT_EQ(started.control(controls::GunConvergenceList).items().back(),
              "5  Parallel, no convergence"); // the boot line is left out
    EXPECT_EQ(started.control(controls::Laser1List).items().at(1), "1  Laser");
    EXPECT_EQ(started.control(controls::Warhead2List).items(), started.control(controls::Laser1List).items());
    EXPECT_EQ(started.control(controls::ShipTypeList).items().at(3), "3  Freighter/Transport/Container");

    for (ControlKey key : kProfileCommands)
        EXPECT_TRUE(started.control(key).enabled()) << key;
    EXPECT_TRUE(started.control(controls::INTEditorButton).enabled());
    EXPECT_TRUE(started.control(controls::IntCockpitEditorItem).enabled());
    EXPECT_FALSE(started.control(controls::PasteItem).enabled());
    EXPECT_FALSE(started.control(controls::PasteShipItem).enabled());
    EXPECT_FALSE(started.control(controls::PasteShipTypeOnlyItem).enabled());
}

TEST(Startup, AnXwaStartListsShortNamesAndSwitchesTheCockpitEditorOff)
{
    GameBuilder builder(Family::Xwa);
    StartedGame started(builder);
    EXPECT_TRUE(started.messages().empty());
    EXPECT_EQ(started.session->versionName(), "PLORIK Demo XWA");
    const auto& items = started.control(controls::CraftNoBox).items();
    ASSERT_EQ(items.size(), 230u);
    EXPECT_EQ(items[6], "7   " + builder.shortName(7));
    EXPECT_EQ(items[9], "10  " + builder.shortName(10));
    EXPECT_EQ(items[99], "100 " + builder.shortName(100));
    EXPECT_EQ(items[217], "218 " + builder.shortName(218));
    EXPECT_EQ(items[218], "219");
    EXPECT_EQ(items[229], "230");
    EXPECT_EQ(bufferStart(*started.session, 400), builder.craftEntry(1));
    EXPECT_FALSE(started.control(controls::INTEditorButton).enabled());
    EXPECT_FALSE(started.control(controls::IntCockpitEditorItem).enabled());
    EXPECT_EQ(started.control(controls::Laser1List).items().at(1), "280 Laser");
    EXPECT_EQ(started.control(controls::ShipTypeList).items().at(9), "9  Sat./buoy");
}

TEST(Startup, ShortNameItemsPastTheEndOfStringsKeepTheirBlanks)
{
    GameBuilder builder(Family::Xwa);
    builder.shortNames({"ONE", "TWO"});
    StartedGame started(builder);
    const auto& items = started.control(controls::CraftNoBox).items();
    EXPECT_EQ(items[0], "1   ONE");
    EXPECT_EQ(items[1], "2   TWO");
    // Line 603 of strings.txt is past the short names the builder wrote.
    EXPECT_EQ(items[2].substr(0, 4), "3   ");
}

TEST(Startup, TheCockpitEditorFollowsTheXwaTypeKeyWhateverItsValue)
{
    StartedGame started(GameBuilder(Family::Xvt).withDataFile(dataWithKey(Family::Xvt, "XWATYPE", "0")));
    EXPECT_FALSE(started.control(controls::INTEditorButton).enabled());
    EXPECT_FALSE(started.session->profile()->isXwa());
}

TEST(Startup, TheBackupImageFolderDecidesTheImagesMenu)
{
    StartedGame without((GameBuilder(Family::Xvt)));
    EXPECT_TRUE(without.control(controls::CreateBackupImageItem).enabled());
    for (ControlKey key : {controls::RecreateFromImageItem, controls::RecreateSingleSlotItem, controls::ZtPackageItem,
                           controls::XwaZtPackageItem})
        EXPECT_FALSE(without.control(key).enabled()) << key;

    StartedGame with(GameBuilder(Family::Xvt).withBackupImage());
    EXPECT_FALSE(with.control(controls::CreateBackupImageItem).enabled());
    for (ControlKey key : {controls::RecreateFromImageItem, controls::RecreateSingleSlotItem, controls::ZtPackageItem})
        EXPECT_TRUE(with.control(key).enabled()) << key;
    EXPECT_FALSE(with.control(controls::XwaZtPackageItem).enabled());
}

TEST(Startup, AnUnconfiguredStartGivesTheTipAndSwitchesTheSlotCommandsOff)
{
    StartedGame started(GameBuilder(Family::Xvt).unconfigured());
    ASSERT_EQ(started.messages().size(), 1u);
    EXPECT_EQ(started.messages()[0],
              "PLORIK tip:|As a first starter, you may want to make a backup image from the functions menu. This will "
              "both ensure backups and enable you to create complete ZT patches.");
    EXPECT_FALSE(started.session->configured());
    EXPECT_EQ(started.session->profile(), nullptr);
    for (ControlKey key : kProfileCommands)
        EXPECT_FALSE(started.control(key).enabled()) << key;
    EXPECT_FALSE(started.control(controls::INTEditorButton).enabled());
    EXPECT_TRUE(started.control(controls::SelectExeFileItem).enabled());
    EXPECT_EQ(started.control(controls::GameVersionBox).text(), "None selected");
    EXPECT_EQ(started.control(controls::GameDirBox).text(), "n/a");
    EXPECT_EQ(started.control(controls::ShieldPowerBox).text(), "n/a");
    // The target types are read before the settings.
    EXPECT_EQ(started.control(controls::TargetTypeList).items().size(), 2u);
}

TEST(Startup, TheFirstTimeNoticeCanEndTheProgram)
{
    StartedGame cancelled(GameBuilder(Family::Xvt).unconfigured(), {"cancel"});
    cancelled.session->closeSplash();
    ASSERT_EQ(cancelled.prompter.records().size(), 2u);
    const auto& notice = cancelled.prompter.records()[1].message;
    EXPECT_EQ(notice.caption, "PLORIK first time notice");
    EXPECT_EQ(notice.buttons, MessageButtons::OkCancel);
    EXPECT_NE(notice.text.find("\"Select EXE File..\""), std::string::npos);
    EXPECT_TRUE(cancelled.session->ended());

    StartedGame accepted(GameBuilder(Family::Xvt).unconfigured(), {"ok"});
    accepted.session->closeSplash();
    EXPECT_FALSE(accepted.session->ended());

    StartedGame configured((GameBuilder(Family::Xvt)));
    configured.session->closeSplash();
    EXPECT_TRUE(configured.prompter.records().empty());
}

TEST(Startup, ASettingsFileOfOneLineIsDeletedAndTheNextStartIsAFirstStart)
{
    StartedGame started(GameBuilder(Family::Xvt).settingsWithOneLine());
    EXPECT_FALSE(std::filesystem::exists(started.game.programDir / "plorik.ini"));
    // The executable's name is empty, so the identification fails on the game folder itself.
    ASSERT_EQ(started.prompter.records().size(), 1u);
    EXPECT_EQ(started.prompter.records()[0].message.icon, MessageIcon::Error);
    EXPECT_EQ(started.session->profile(), nullptr);
    EXPECT_FALSE(started.session->ended());

    ScriptedPrompter again;
    Session next(started.game.programDir, again);
    next.start();
    EXPECT_FALSE(next.configured());
}

TEST(Startup, ExecutableNamesInTheSettingsAreCutTo20Characters)
{
    GameBuilder builder(Family::Xvt);
    builder.exeName("a_very_long_executable_name.exe");
    StartedGame started(builder);
    EXPECT_EQ(started.session->exeName(), "a_very_long_executab");
    EXPECT_EQ(started.session->profile(), nullptr);
    ASSERT_EQ(started.prompter.records().size(), 1u);
    EXPECT_EQ(started.prompter.records()[0].message.caption, "PLORIK");
}

TEST(Startup, MissingSectionsAndBadVersionsEndTheProgramWithTheirMessages)
{
    struct Case {
        std::string data;
        std::string text;
        int exitCode;
    };
    const std::string shipped = shippedDataFile();
    const std::vector<Case> cases = {
        {withoutSection(shipped, "[XVT VERSIONS]"), "Missing [XVT VERSIONS] section in DATA.TXT", 1},
        {withoutSection(shipped, "[GUN CONVERGENCE]"), "Missing [GUN CONVERGENCE] section in DATA.TXT", 1},
        {withoutSection(shipped, "[WEAPON TYPES]"), "Missing [WEAPON TYPES] section in DATA.TXT", 1},
        {dataFileText({demoXwaEntry()}), "Unkown XvT EXE version.", 1},
        {dataWithKey(Family::Xvt, "ENTRYLENGTH", "0"),
         "EntryLength key is set to Zero, which will result in a DBZ error.", 255},
        {dataWithKey(Family::Xvt, "ENTRYLENGTH", "1002"),
         "ENTRYLENGTH = 1002 does not fit the slot buffer: a craft entry must be 1 to 1001 bytes long.", 255},
    };
    for (const Case& c : cases) {
        StartedGame started(GameBuilder(Family::Xvt).withDataFile(c.data));
        ASSERT_FALSE(started.prompter.records().empty()) << c.text;
        const Message& last = started.prompter.records().back().message;
        EXPECT_EQ(last.caption, "PLORIK error:") << c.text;
        EXPECT_EQ(last.text, c.text);
        EXPECT_EQ(last.icon, MessageIcon::Error);
        EXPECT_TRUE(started.session->ended()) << c.text;
        EXPECT_EQ(started.session->exitCode(), c.exitCode) << c.text;
    }
}

TEST(Startup, AnEntryOf1001BytesFitsTheSlotBuffer)
{
    StartedGame started(GameBuilder(Family::Xvt).withDataFile(dataWithKey(Family::Xvt, "ENTRYLENGTH", "1001")));
    EXPECT_FALSE(started.session->ended());
    EXPECT_EQ(started.session->profile()->entryLength(), 1001);
}

TEST(Startup, TheXwaWeaponTypesAreNeededOnlyByXwaProfiles)
{
    const std::string data = withoutSection(shippedDataFile(), "[XWA WEAPON TYPES]");
    StartedGame xvt(GameBuilder(Family::Xvt).withDataFile(data));
    EXPECT_FALSE(xvt.session->ended());
    StartedGame xwa(GameBuilder(Family::Xwa).withDataFile(data));
    EXPECT_TRUE(xwa.session->ended());
    EXPECT_EQ(xwa.prompter.records().back().message.text, "Missing [XWA WEAPON TYPES] section in DATA.TXT");
}

TEST(Startup, MissingTargetTypesEndTheProgramAfterTheStartUpRanOn)
{
    StartedGame started(GameBuilder(Family::Xvt).withDataFile(withoutSection(shippedDataFile(), "[TARGET TYPES]")));
    EXPECT_EQ(started.messages().front(), "PLORIK error:|Missing [TARGET TYPES] section in DATA.TXT");
    EXPECT_TRUE(started.session->ended());
    // The rest of the start-up still ran: the profile and slot 1 were loaded.
    EXPECT_NE(started.session->profile(), nullptr);
    EXPECT_EQ(started.control(controls::CraftNoBox).text(), "1");
}

TEST(Startup, AKeyOutOfRangeLeavesTheWindowWithoutAProfile)
{
    StartedGame started(GameBuilder(Family::Xvt).withDataFile(dataWithKey(Family::Xvt, "SPEED", "70000")));
    ASSERT_EQ(started.prompter.records().size(), 1u);
    EXPECT_EQ(started.prompter.records()[0].message.text,
              "Range check error: the key SPEED = 70000 is out of range (0 to 65535).");
    EXPECT_FALSE(started.session->ended());
    EXPECT_EQ(started.session->profile(), nullptr);
    EXPECT_EQ(started.control(controls::GameVersionBox).text(), "PLORIK Demo XvT");
    for (ControlKey key : kProfileCommands)
        EXPECT_FALSE(started.control(key).enabled()) << key;
}

TEST(Startup, AMissingDataFileIsReportedAndTheWindowStaysUnfilled)
{
    GameBuilder builder(Family::Xvt);
    TempDir dir;
    const BuiltGame game = builder.build(dir.path());
    std::filesystem::remove(game.programDir / "data.txt");
    ScriptedPrompter prompter;
    Session session(game.programDir, prompter);
    session.start();
    ASSERT_EQ(prompter.records().size(), 1u);
    EXPECT_EQ(prompter.records()[0].message.caption, "PLORIK");
    EXPECT_NE(prompter.records()[0].message.text.find("data.txt"), std::string::npos);
    EXPECT_FALSE(session.ended());
    EXPECT_EQ(session.mainForm()[controls::GameDirBox].text(), "n/a");
}

TEST(Startup, TheWeaponEditorListsComeFromTheSectionOfTheFamily)
{
    StartedGame xvt((GameBuilder(Family::Xvt)));
    Form& xvtWeapons = xvt.session->weaponForm();
    EXPECT_FALSE(xvtWeapons.shown());
    EXPECT_EQ(xvtWeapons[controls::weapons::WeaponList].items().at(5), "Blaster");
    EXPECT_EQ(xvtWeapons[controls::weapons::WeaponList].index(), 0);
    EXPECT_EQ(xvtWeapons[controls::weapons::CategoryList].items(),
              (std::vector<std::string>{"0  Laser", "1  Ion", "2  Warhead", "3  Bomb", "4  Special"}));
    for (ControlKey key :
         {controls::weapons::WpnEnabledBox, controls::weapons::WpnOptBox, controls::weapons::WpnIndexBox})
        EXPECT_FALSE(xvtWeapons[key].enabled()) << key;

    StartedGame xwa((GameBuilder(Family::Xwa)));
    Form& xwaWeapons = xwa.session->weaponForm();
    EXPECT_EQ(xwaWeapons[controls::weapons::WeaponList].items().at(5), "Pulse cannon");
    EXPECT_TRUE(xwaWeapons[controls::weapons::WpnEnabledBox].enabled());
}
