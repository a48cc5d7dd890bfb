#pragma once

#include "common/Prompter.h"
#include "session/Session.h"
#include "table/TableImport.h"

#include <cstddef>
#include <functional>

namespace plorik {

// What the File menu's table commands need from the window they run in.
struct TableCommandHooks {
    ImportWatch watch;
    // Called after each slot with the slots done and the slots to do; the window shows a progress
    // dialog for tables of more than kTableProgressAbove slots.
    std::function<void(std::size_t, std::size_t)> progress;
    std::string programVersion;
};

inline constexpr std::size_t kTableProgressAbove = 50;

// File > "Export Table..": a save dialog, then every slot into a CSV file (or JSON when the name
// ends in .json). File > "Import Table..": an open dialog, the list of what would change, and on
// Yes the import. Both are pressed through the main form, as every menu item is.
void wireTableCommands(Session& session, Prompter& prompter, TableCommandHooks hooks);

} // namespace plorik
