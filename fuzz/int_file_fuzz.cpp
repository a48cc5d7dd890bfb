// A cockpit (INT) file as the cockpit editor meets it in a started XvT game: loaded as the slot's
// cockpit, a few parts chosen, the code words put into boxes and "Save CP" pressed: a message or
// the system's error, never a crash, a hang or a write outside the file's records.
#include "FuzzGame.h"

#include "controls/CockpitEditorControls.h"
#include "session/Session.h"

using namespace plorik;
namespace c = plorik::controls::cockpit;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static fuzzing::FuzzGame fuzz(testing::Family::Xvt);
    fuzz.put(fuzz.game().gameDir / "CP640" / "CPIT1.int", data, size);
    fuzzing::AnsweringPrompter prompter("NEWVIEW.LFD");
    Session session(fuzz.game().programDir, prompter);
    session.start();
    Form& cockpit = session.cockpitForm();
    // The first part, one with each kind of variable and the last.
    for (const int part : {0, 4, 7, 187})
        cockpit.userPick(c::CockpitPartsBox, part);
    cockpit.userPress(c::HudStandard);
    cockpit.userPress(c::NormalTopBrowse);
    cockpit.userPick(c::VariableBox, 1);
    cockpit.userPress(c::SaveCPButton);
    fuzz.restore();
    return 0;
}
