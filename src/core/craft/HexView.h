#pragma once

#include "controls/Windows.h"
#include "craft/DisplayContext.h"

#include <string>

namespace plorik {

// The Development page's byte grid: the craft entry, the ship type entry or the weapon OPT record
// of the current slot, eight bytes a row, as the "Display:" list chooses.
class HexView {
public:
    explicit HexView(const DisplayContext& context) : m_context(context) {}

    // Fills the grid and the offset label for the current choice ("Nothing" leaves them).
    void fill();

    // A new choice in "Display:": the grid's rows, or the "Offset: *" label for "Nothing".
    static void choose(MainForm& form, const VersionProfile& profile);

private:
    const DisplayContext& m_context;
};

} // namespace plorik
