#include "session/Session.h"

#include "common/Errors.h"
#include "common/WriteFailure.h"
#include "controls/MainWindowControls.h"
#include "craft/SlotWrite.h"

namespace plorik {

void Session::writeSlot()
{
    if (!m_profile)
        return;
    if (m_slotNotShown) {
        error(*m_slotNotShown +
              ".\r\rThe pages may hold another slot's values. Show the slot again once its files "
              "can be read." +
              nothingWrittenParagraph());
        return;
    }
    const auto lock = lockGameFolder();
    if (!lock)
        return;
    SlotWrite write(WriteContext{*m_main, *m_profile, m_slot, m_slotOffset, m_gameDir, executablePath(), m_prompter,
                                 m_shipListSeparator, m_shown, recorder(std::string(controls::WriteButton.caption))});
    try {
        // The files now hold what the controls show: a later edit is measured from here.
        if (!write.run())
            return;
        m_shown.take(*m_main);
    } catch (const WriteRefused&) {
        throw; // not recorded, so nothing was written
    } catch (...) {
        m_shown.forget(); // written in part: every control counts as changed
        throw;
    }
    markFields();
}

} // namespace plorik
