#include "session/Session.h"

#include "common/Errors.h"
#include "controls/MainWindowControls.h"
#include "controls/WindowForms.h"
#include "io/GamePath.h"
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
    // plorik.ini keeps one line for each and the name cut to its length: what would not read back
    // the same at the next start is refused.
    if (chosen->find_first_of("\r\n") != std::string::npos) {
        error("The chosen path holds a line break, which plorik.ini cannot keep: \"" + *chosen +
              "\".\r\rChoose an executable whose folder and name have none. The settings were not changed.");
        return;
    }
    const SplitPath split = splitChosenPath(*chosen);
    if (split.file.size() > Settings::kMaxExeName) {
        error("The executable's name \"" + split.file + "\" has " + std::to_string(split.file.size()) +
              " characters; plorik.ini keeps at most " + std::to_string(Settings::kMaxExeName) +
              ".\r\rRename it (Z_XVT__.EXE, xwingalliance.exe) and choose it again. The settings were not changed.");
        return;
    }
    (*m_main)[controls::GameDirBox].setText(split.directory);
    Settings(m_programDir).save(split.directory, split.file);
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

} // namespace plorik
