// An SHP craft file, loaded into a started game as "Open Ship.." loads it, every question answered
// with Yes: a message or the system's error, never a crash, a hang or a write to the game.
#include "FuzzGame.h"

#include "controls/MainWindowControls.h"
#include "session/Session.h"

using namespace plorik;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static fuzzing::FuzzGame fuzz(testing::Family::Xwa);
    const std::filesystem::path ship = fuzz.root() / "input.shp";
    fuzz.put(ship, data, size);
    fuzzing::AnsweringPrompter prompter(ship.string());
    Session session(fuzz.game().programDir, prompter);
    session.start();
    session.mainForm().userPress(controls::OpenShipItem);
    fuzz.restore();
    return 0;
}
