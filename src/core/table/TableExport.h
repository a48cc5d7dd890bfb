#pragma once

#include "session/Session.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace plorik {

enum class TableFormat { Csv, Json };

// What to export: a range of slots, some columns (all when none are named), and the program's
// version for the JSON header.
struct TableExportRequest {
    TableFormat format = TableFormat::Csv;
    std::int32_t firstSlot = 1;
    std::int32_t lastSlot = 0; // 0: the table's last slot
    std::vector<std::string> fields;
    std::string programVersion;
    // Called after each slot with the slots done and the slots to do.
    std::function<void(std::size_t, std::size_t)> progress;
};

struct ExportedTable {
    std::string text; // UTF-8
    std::size_t rows = 0;
    std::string refusal; // why nothing was exported; empty when it was
};

// The number of slots of the table, or 0 without a profile.
std::int32_t tableSlotCount(Session& session);

// Shows every slot of the range in turn, as typing its number into "Craft No." does, and takes
// each column's text as the page shows it, game text turned into UTF-8. The slot shown before
// is shown again afterwards.
ExportedTable exportTable(Session& session, const TableExportRequest& request);

} // namespace plorik
