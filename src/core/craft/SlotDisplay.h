#pragma once

#include "craft/DisplayContext.h"

namespace plorik {

// Fills the main window's pages from the current slot: the slot buffer, the records of the
// executable, the game's text files and the lookup sections of data.txt.
class SlotDisplay {
public:
    explicit SlotDisplay(DisplayContext context) : m_context(std::move(context)) {}

    // With `keepShipType` the "Ship Type:" list keeps its item (a ship file is being loaded).
    // Throws FileError when a file cannot be read (what was filled stays) and MissingSectionError
    // when data.txt lacks a section.
    void fillOutForm(bool keepShipType);

private:
    DisplayContext m_context;
};

} // namespace plorik
