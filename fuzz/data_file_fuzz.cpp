// data.txt as the user may have edited it: the identification, the profile keys and the lookup
// sections, then a few slots shown and the weapon editor's lists. A message or an ended program,
// never a crash or a hang.
#include "FuzzGame.h"

#include "controls/MainWindowControls.h"
#include "session/Session.h"

using namespace plorik;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static fuzzing::FuzzGame xvt(testing::Family::Xvt);
    static fuzzing::FuzzGame xwa(testing::Family::Xwa);
    // The first byte chooses the game whose executable the entries must identify.
    fuzzing::FuzzGame& fuzz = size > 0 && (data[0] & 1) ? xwa : xvt;
    fuzz.put(fuzz.game().programDir / "data.txt", data + (size > 0), size - (size > 0));
    fuzzing::AnsweringPrompter prompter;
    Session session(fuzz.game().programDir, prompter);
    session.start();
    for (const char* slot : {"2", "12", "80"})
        session.mainForm().userEdit(controls::CraftNoBox, slot);
    fuzz.restore();
    return 0;
}
