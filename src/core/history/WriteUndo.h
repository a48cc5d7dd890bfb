#pragma once

#include "history/HistoryRecord.h"
#include "io/PlannedWrite.h"

#include <string>

namespace plorik {

// The writes that put back what a recorded command replaced, last change first. Each target must
// still hold what the command wrote (or already hold again what it replaced: then it is left as it
// is); one that holds anything else stops the undo with WriteRefused naming it and the command,
// ending "Nothing was written.".
PlannedWrite undoPlan(const HistoryRecord& record, const std::string& gameDir);

// Writes a plan into the game folder as every writer does: every target checked (inside the game
// folder, opened for writing, each region inside its file) before the first byte, then one region
// at a time, read back, and each file through temp.tmp in its folder. A refusal before the first byte
// is WriteRefused ("Nothing was written."); a failure later names what was written.
void applyPlannedWrite(const PlannedWrite& planned, const std::string& gameDir);

} // namespace plorik
