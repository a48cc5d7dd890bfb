#include "SessionFixture.h"

#include "controls/MainWindowControls.h"

using namespace plorik;
using namespace plorik::testing;

TEST(SelectExeFile, WritesTheSettingsAndEndsWithTheRestartNotice)
{
    StartedGame started(GameBuilder(Family::Xvt), {"file:/games/alliance/xwingalliance.exe"});
    ASSERT_TRUE(started.form().userPress(controls::SelectExeFileItem));
    const auto& records = started.prompter.records();
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].message.caption, "Locate z_*.exe file to work with");
    EXPECT_EQ(records[0].message.text, "z_*.exe files |z_*.exe|XWingalliance|xwingalliance.exe|EXE files|*.exe");
    EXPECT_EQ(records[1].message.caption, "PLORIK notify:");
    EXPECT_EQ(records[1].message.text,
              "You have changed the current EXE file, PLORIK will now shut down. Please restart PLORIK to initialize "
              "the new settings and start editing on the new exe file.");
    EXPECT_EQ(readFile(started.game.programDir / "plorik.ini"), "/games/alliance/\r\nxwingalliance.exe\r\n");
    EXPECT_EQ(started.control(controls::GameDirBox).text(), "/games/alliance/");
    EXPECT_TRUE(started.session->ended());
    EXPECT_EQ(started.session->exitCode(), 0);
}

TEST(SelectExeFile, WorksOnAFirstStartWithANameOf20Characters)
{
    StartedGame started(GameBuilder(Family::Xvt).unconfigured(), {"file:C:\\Games\\XvT\\z_xvt_long_name_.exe"});
    started.form().userPress(controls::SelectExeFileItem);
    EXPECT_EQ(readFile(started.game.programDir / "plorik.ini"), "C:\\Games\\XvT\\\r\nz_xvt_long_name_.exe\r\n");
    EXPECT_TRUE(started.session->ended());
}

TEST(SelectExeFile, CancelChangesNothing)
{
    StartedGame started(GameBuilder(Family::Xvt), {"file:"});
    const std::string before = readFile(started.game.programDir / "plorik.ini");
    started.form().userPress(controls::SelectExeFileItem);
    EXPECT_EQ(readFile(started.game.programDir / "plorik.ini"), before);
    EXPECT_FALSE(started.session->ended());
    EXPECT_EQ(started.prompter.records().size(), 1u);
}

// What plorik.ini would not give back the same at the next start is refused before it is touched.
TEST(SelectExeFile, AChoiceThatPlorikIniCannotKeepIsRefusedAndTheSettingsStay)
{
    const struct {
        std::string chosen;
        std::string said; // in the error
    } cases[] = {
        {"/" + std::string(250, 'd') + "/Z_XVT__.EXE", "255"},
        {"/games/x\nvt/Z_XVT__.EXE", "line break"},
        {"/games/xvt/Z_XVT__\r.EXE", "line break"},
        {"C:\\Games\\XvT\\z_xvt_with_a_long_name.exe", "\"z_xvt_with_a_long_name.exe\" has 26 characters; "
                                                       "plorik.ini keeps at most 20"},
    };
    for (const auto& each : cases) {
        SCOPED_TRACE(each.chosen);
        StartedGame started(GameBuilder(Family::Xvt), {"file:" + each.chosen});
        const std::string before = readFile(started.game.programDir / "plorik.ini");
        started.form().userPress(controls::SelectExeFileItem);
        EXPECT_EQ(readFile(started.game.programDir / "plorik.ini"), before);
        ASSERT_EQ(started.prompter.records().size(), 2u);
        EXPECT_EQ(started.prompter.records()[1].message.icon, MessageIcon::Error);
        EXPECT_NE(started.prompter.records()[1].message.text.find(each.said), std::string::npos)
            << started.prompter.records()[1].message.text;
        EXPECT_FALSE(started.session->ended());
    }
}

TEST(ShellCommands, ExitAboutAndHelp)
{
    StartedGame started((GameBuilder(Family::Xvt)));
    Form& form = started.form();
    form.userPress(controls::AboutItem);
    ASSERT_EQ(started.prompter.records().size(), 1u);
    EXPECT_EQ(started.prompter.records()[0].message.caption, "About PLORIK");
    EXPECT_EQ(started.prompter.records()[0].message.icon, MessageIcon::Information);
    form.userPress(controls::ContentsItem);
    form.userPress(controls::IntroductionItem);
    form.userPress(controls::HowToUseHelpItem);
    form.userPress(controls::LogoImage);
    form.userPress(controls::TopicItem);
    form.userPress(controls::TutorialItem);
    form.userPress(controls::LastTool);
    EXPECT_EQ(started.prompter.opened(),
              (std::vector<std::string>{"help:", "help:introduction", "help:how-to-use-help", "help:"}));
    EXPECT_EQ(started.prompter.records().size(), 1u);
    EXPECT_FALSE(form.userPress(controls::PasteItem));
    EXPECT_FALSE(started.session->ended());
    form.userPress(controls::ExitItem);
    EXPECT_TRUE(started.session->ended());
    EXPECT_EQ(started.session->exitCode(), 0);
}

TEST(ShellCommands, TheEditorWindowsOpenFromTheirCommands)
{
    StartedGame xvt((GameBuilder(Family::Xvt)));
    EXPECT_FALSE(xvt.session->cockpitForm().shown());
    xvt.form().userPress(controls::INTEditorButton);
    EXPECT_TRUE(xvt.session->cockpitForm().shown());
    xvt.form().userPress(controls::WeaponsEditorItem);
    EXPECT_TRUE(xvt.session->weaponForm().shown());

    StartedGame xwa((GameBuilder(Family::Xwa)));
    EXPECT_FALSE(xwa.form().userPress(controls::IntCockpitEditorItem));
    EXPECT_FALSE(xwa.session->cockpitForm().shown());
}
