// The executable's tables as any bytes, and the executable cut anywhere: each slot shown, stepped
// through, written and pasted. Messages, never a crash, a read or a write outside the file.
#include "FuzzGame.h"

#include "controls/MainWindowControls.h"
#include "session/Session.h"

#include <cstring>

using namespace plorik;

namespace {

// The input's first four bytes: the family (bit 0), where the rest goes (one of the tables), and
// how long the executable stays (a cut when not 0).
struct Shape {
    bool xwa;
    int table;
    std::size_t cut;
};

Shape shapeOf(const std::uint8_t* data, std::size_t size)
{
    std::uint8_t head[4] = {};
    std::memcpy(head, data, std::min<std::size_t>(size, 4));
    return {(head[0] & 1) != 0, head[0] >> 1 & 3, static_cast<std::size_t>(head[1] | head[2] << 8 | head[3] << 16)};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static fuzzing::FuzzGame xvt(testing::Family::Xvt);
    static fuzzing::FuzzGame xwa(testing::Family::Xwa);
    static const std::string xvtExe = testing::readFile(xvt.game().executable());
    static const std::string xwaExe = testing::readFile(xwa.game().executable());
    const Shape shape = shapeOf(data, size);
    fuzzing::FuzzGame& fuzz = shape.xwa ? xwa : xvt;
    std::string exe = shape.xwa ? xwaExe : xvtExe;
    // The craft table, the ship type block, the species table or the slot 1 entry's start.
    const std::size_t tables[2][4] = {{0x1000, 0x6000, 0x1000 + 240 * 11, 0x1000},
                                      {0x2000, 0x1A000, 0x1C000, 0x2000 + 400 * 11}};
    const std::size_t at = tables[shape.xwa][shape.table];
    for (std::size_t i = 4; i < size && at + i - 4 < exe.size(); ++i)
        exe[at + i - 4] = static_cast<char>(data[i]);
    if (shape.cut != 0)
        exe.resize(std::min(exe.size(), shape.cut));
    fuzz.put(fuzz.game().executable(), reinterpret_cast<const std::uint8_t*>(exe.data()), exe.size());

    fuzzing::AnsweringPrompter prompter;
    Session session(fuzz.game().programDir, prompter);
    session.start();
    Form& main = session.mainForm();
    main.userPress(controls::CopyShipItem);
    for (const char* slot : {"2", "12", "1"}) {
        main.userEdit(controls::CraftNoBox, slot);
        main.userPick(controls::DisplayBox, shape.table);
    }
    main.userPress(controls::PrevSlotButton);
    main.userPress(controls::WriteButton);
    main.userPress(controls::PasteShipItem);
    fuzz.restore();
    return 0;
}
