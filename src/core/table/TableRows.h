#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace plorik {

// One row of an exported table as read back: its place in the file, its slot, and its values
// (game text) by column name.
struct TableRow {
    std::size_t row = 0; // CSV: the record number, the header being 1; JSON: the slot object's number
    std::int32_t slot = 0;
    std::vector<std::pair<std::string, std::string>> values;
};

// Where and why a table file cannot be imported.
struct TableFault {
    std::size_t row = 0;
    std::string column; // empty when the fault is not one column's
    std::string reason;
};

struct TableRows {
    std::vector<TableRow> rows;
    std::vector<TableFault> faults; // the first one stops the import
};

// Reads a table that export wrote (CSV, or JSON when the text starts with "{"), checking what
// can be checked without the game: each column is one of `columns`, each slot a number from 1 to
// `slotCount` given once, each value game text.
TableRows readTableRows(std::string_view text, const std::vector<std::string>& columns, std::int32_t slotCount);

} // namespace plorik
