// An SHP craft file, loaded into a started game as "Open Ship.." loads it, every question answered
// with Yes: a message or the system's error, never a crash, a hang or a write to the game.
#include "FuzzGame.h"

#include "session/Session.h"
#include "windows/MainWindowControls.h"

using namespace plorik;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static fuzzing::FuzzGame fuzz(testing::Family::Xwa);
    const std::filesystem::path ship = fuzz.root() / "input.shp";
    fuzz.put(ship, data, size);
    fuzzing::AnsweringPrompter prompter(ship.string());
    Session session(fuzz.game().programDir, prompter);
    session.start();
    session.mainForm().userPress(ui::Openship1);
    fuzz.restore();
    return 0;
}
