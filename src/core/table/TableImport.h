#pragma once

#include "session/Session.h"
#include "table/TableRows.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace plorik {

// What the import needs to know of the session's messages: the error boxes shown so far (the last
// one's text), and whether a question found no answer.
struct ImportWatch {
    std::function<std::size_t()> errorCount;
    std::function<std::string()> lastError;
    std::function<bool()> unanswered;
};

struct TableImportRequest {
    bool dryRun = false;
    ImportWatch watch;
    std::function<void(std::size_t, std::size_t)> progress;
};

// The columns of one slot whose text differs from the file's row, in page order.
struct RowChanges {
    std::size_t row = 0;
    std::int32_t slot = 0;
    std::vector<std::string> columns;
};

struct ImportedTable {
    std::vector<RowChanges> changes; // every slot that differs (with a dry run: that would be written)
    std::vector<std::int32_t> written;
    std::optional<TableFault> stop; // what stopped the import before the row's write
};

// For each row: shows its slot, sets the fields whose text differs in page order as typing would
// (their change handlers run), and presses "Write"; a row that differs in nothing is skipped. The
// file is checked whole before the first slot (its columns, slots and texts); a value the form or
// "Write" refuses, or an unanswered question, stops the import at that row.
ImportedTable importTable(Session& session, std::string_view fileText, const TableImportRequest& request);

// "row 3, ShieldPowerBox: reason" for the user.
std::string describeFault(const TableFault& fault);

} // namespace plorik
