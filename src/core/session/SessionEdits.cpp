#include "session/Session.h"

#include "craft/DisplaySteps.h"
#include "craft/SlotWrite.h"
#include "io/GamePath.h"

namespace plorik {

void Session::speciesChanged()
{
    // Only X-Wing Alliance keeps icon strings per species.
    if (!m_profile || !m_profile->isXwa())
        return;
    display::speciesChosen(*m_main, resolveGamePath(m_gameDir, "shiplist.txt"), m_shipListSeparator);
}

void Session::writeSlot()
{
    if (!m_profile)
        return;
    if (m_slotNotShown) {
        error(*m_slotNotShown + ".\r\rThe pages may hold another slot's values. Show the slot again once its files "
                                "can be read.\r\rNothing was written.");
        return;
    }
    SlotWrite(WriteContext{*m_main, *m_profile, m_slot, m_slotOffset, m_gameDir, executablePath(), m_prompter,
                           m_shipListSeparator, m_freeValuesShown})
        .run();
}

} // namespace plorik
