#include "session/Session.h"

#include "controls/MainWindowControls.h"
#include "craft/DisplaySteps.h"
#include "io/GamePath.h"

namespace plorik {

// The rules that keep controls in step while the user edits.

void Session::speciesChanged()
{
    // Only X-Wing Alliance keeps icon strings per species.
    if (!m_profile || !m_profile->isXwa())
        return;
    display::speciesChosen(*m_main, resolveGamePath(m_gameDir, "shiplist.txt"), m_shipListSeparator);
}

void Session::manoeuvreChanged()
{
    display::updateManoeuvre(*m_main);
}

void Session::turboPriorityChanged()
{
    display::updateFirePriorityBox(*m_main, controls::TurboFirePriorityBar, controls::TurboFirePri);
}

void Session::superPriorityChanged()
{
    display::updateFirePriorityBox(*m_main, controls::SuperFirePriorityBar, controls::SupFirePri);
}

} // namespace plorik
