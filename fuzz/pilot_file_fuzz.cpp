// A pilot file as any bytes: "Write" with the craft known reads its byte and asks to mark it.
#include "FuzzGame.h"

#include "controls/MainWindowControls.h"
#include "session/Session.h"

using namespace plorik;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static fuzzing::FuzzGame fuzz(testing::Family::Xwa);
    fuzz.put(fuzz.game().gameDir / "Pilot.PLT", data, size);
    fuzzing::AnsweringPrompter prompter;
    Session session(fuzz.game().programDir, prompter);
    session.start();
    Form& main = session.mainForm();
    main.userEdit(controls::CraftNoBox, "12");
    main.userCheck(controls::Known, true);
    main.userPress(controls::WriteButton);
    fuzz.restore();
    return 0;
}
