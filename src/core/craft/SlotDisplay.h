#pragma once

#include "craft/DisplayContext.h"

#include <string>

namespace plorik {

// Fills the main window's pages from the current slot: the slot buffer, the records of the
// executable, the game's text files and the lookup sections of data.txt. The model information of
// the "Opt" page follows it (the session asks for it once the display is done).
class SlotDisplay {
public:
    explicit SlotDisplay(DisplayContext context) : m_context(std::move(context)) {}

    // With `keepShipType` the "Ship Type:" list keeps its item (a ship file is being loaded).
    // Throws FileError when a file cannot be read (what was filled stays) and MissingSectionError
    // when data.txt lacks a section.
    void fillOutForm(bool keepShipType);

    // Whether every field was filled from this slot; when not, the step at which the display
    // stopped.
    bool complete() const { return m_complete; }
    const std::string& stoppedAt() const { return m_step; }

private:
    void step(const char* name) { m_step = name; }
    DisplayContext m_context;
    bool m_complete = false;
    std::string m_step;
};

} // namespace plorik
