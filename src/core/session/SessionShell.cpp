#include "session/Session.h"

#include "common/Errors.h"
#include "io/GamePath.h"
#include "session/MainWindowForm.h"
#include "session/Settings.h"

namespace plorik {

void Session::selectExeFile()
{
    const std::optional<std::string> chosen =
        m_prompter.openFile({"Locate z_*.exe file to work with", "z_*.exe",
                             "z_*.exe files |z_*.exe|XWingalliance|xwingalliance.exe|EXE files|*.exe", 1});
    if (!chosen)
        return;
    // Checked before plorik.ini is touched, so a refused path leaves the settings as they were.
    if (chosen->size() > Settings::kMaxPath)
        throw RangeError("Range check error: the chosen path has " + std::to_string(chosen->size()) +
                         " characters; at most " + std::to_string(Settings::kMaxPath) + " are allowed.");
    const SplitPath split = splitChosenPath(*chosen);
    (*m_main)["GameDirBox"].setText(split.directory);
    Settings(m_programDir).save(split.directory, split.file.substr(0, Settings::kMaxExeName));
    m_prompter.message({"PLORIK notify:",
                        "You have changed the current EXE file, PLORIK will now shut down. Please restart PLORIK to "
                        "initialize the new settings and start editing on the new exe file.",
                        MessageIcon::Information, MessageButtons::Ok, Answer::Ok});
    endNow(0);
}

void Session::about()
{
    m_prompter.message(
        {"About PLORIK",
         std::string(kMainWindowCaption) +
             "\r\rA craft table editor for X-Wing vs. TIE Fighter "
             "(with Balance of Power) and X-Wing Alliance.\r\rWritten by the PLORIK developers. Back up your "
             "game folder before you edit it.",
         MessageIcon::Information, MessageButtons::Ok, Answer::Ok});
}

void Session::showCockpitEditor()
{
    m_cockpit->setShown(true);
}

void Session::showWeaponEditor()
{
    m_weapons->setShown(true);
}

void Session::setProfileCommandsEnabled(bool enabled)
{
    // Without a profile the slot commands have nothing to work on; they come on with one.
    for (const char* key : {"PrevSlotButton", "NextSlotButton", "Button3", "CraftNoBox", "Openship1", "Saveshipas1",
                            "SaveasZT1", "OpenShipTool", "SaveShipTool", "LastTool", "Copyship1", "Backup1",
                            "Recreatefromimage1", "Recreatesingleslot1", "ZTpackage1"})
        (*m_main)[key].setEnabled(enabled);
}

void Session::setCockpitEditorAvailable(bool available)
{
    (*m_main)["INTEditorButton"].setEnabled(available);
    (*m_main)["INTCockpitEditor1"].setEnabled(available);
}

} // namespace plorik
