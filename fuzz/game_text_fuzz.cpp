// One of the game's text and list files as any bytes (strings.txt, fronttxt.txt, specdesc.txt,
// shiplist.txt, an OPT list, the equipment list): the start-up, slots shown, species picked, a
// write. Every rewritten file stays a file of whole lines; never a crash or a hang.
#include "FuzzGame.h"

#include "controls/MainWindowControls.h"
#include "session/Session.h"

using namespace plorik;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static fuzzing::FuzzGame xvt(testing::Family::Xvt);
    static fuzzing::FuzzGame xwa(testing::Family::Xwa);
    if (size == 0)
        return 0;
    const bool isXwa = (data[0] & 1) != 0;
    fuzzing::FuzzGame& fuzz = isXwa ? xwa : xvt;
    static const char* const kXvtFiles[] = {"strings.txt",         "fronttxt.txt",         "specdesc.txt",
                                            "IVFiles/spec640.lst", "IVFiles/spec2640.lst", "IVFiles/spec3640.lst"};
    static const char* const kXwaFiles[] = {
        "strings.txt", "shiplist.txt", "specdesc.txt", "FlightModels/SPACECRAFT0.LST", "FlightModels/EQUIPMENT0.LST",
        "shiplist.txt"};
    const std::size_t which = (data[0] >> 1) % 6;
    const char* name = isXwa ? kXwaFiles[which] : kXvtFiles[which];
    fuzz.put(fuzz.game().gameDir / name, data + 1, size - 1);

    fuzzing::AnsweringPrompter prompter;
    Session session(fuzz.game().programDir, prompter);
    session.start();
    Form& main = session.mainForm();
    for (const char* slot : {"5", "12"}) {
        main.userEdit(controls::CraftNoBox, slot);
        main.userEdit(controls::SpecNo, "7");
    }
    main.userEdit(controls::CraftNameBox, "Fuzzed\r\nname");
    main.userPress(controls::WriteButton);
    fuzz.restore();
    return 0;
}
