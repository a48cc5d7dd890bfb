#include "session/Session.h"

#include "controls/MainWindowControls.h"
#include "hooks/HookOverrides.h"

namespace plorik {

// The status bar names the files that set fields of the slot, before the slot's own note; the first
// thing in them the hooks would misread or crash on follows.
void Session::findHookOverrides()
{
    m_hookOverrides = {};
    if (!m_profile || !m_profile->isXwa())
        return;
    const Form& main = *m_main;
    const int shipType = main[controls::ShipTypeList].index();
    try {
        m_hookOverrides = plorik::findHookOverrides(
            {m_gameDir, main[controls::DBOPTFile].text(), shipType < 0 ? 0 : shipType, currentSlot()});
    } catch (const std::exception& failure) {
        m_hookOverrides.problems = {failure.what()};
    }
    std::string text = m_hookOverrides.summary();
    if (!m_hookOverrides.problems.empty())
        text += (text.empty() ? "" : "; ") + m_hookOverrides.problems.front();
    if (text.empty())
        return;
    Control& status = (*m_main)[controls::StatusBar];
    status.setText(text + status.text());
}

} // namespace plorik
