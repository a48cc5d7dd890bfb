#include "table/TableExport.h"

#include "controls/MainWindowControls.h"
#include "form/GameTextUtf8.h"
#include "table/Csv.h"
#include "table/JsonReader.h"
#include "table/TableColumns.h"

#include <algorithm>

namespace plorik {

namespace {

// The columns asked for, in page order; nullopt (with the name) when one is not a column.
std::optional<std::vector<TableColumn>> chosenColumns(const std::vector<std::string>& fields, bool xwa,
                                                      std::string& unknown)
{
    std::vector<TableColumn> all = tableColumns(xwa);
    if (fields.empty())
        return all;
    for (const std::string& field : fields) {
        if (!findColumn(all, field)) {
            unknown = field;
            return std::nullopt;
        }
    }
    std::vector<TableColumn> chosen;
    for (TableColumn& column : all) {
        if (std::find(fields.begin(), fields.end(), column.name) != fields.end())
            chosen.push_back(std::move(column));
    }
    return chosen;
}

void showSlot(Session& session, std::int32_t slot)
{
    session.mainForm().userEdit(controls::CraftNoBox, std::to_string(slot));
}

} // namespace

std::int32_t tableSlotCount(Session& session)
{
    if (!session.profile())
        return 0;
    return session.profile()->slotCount();
}

ExportedTable exportTable(Session& session, const TableExportRequest& request)
{
    ExportedTable table;
    const std::int32_t count = tableSlotCount(session);
    if (count == 0) {
        table.refusal = "no game version is loaded";
        return table;
    }
    const std::int32_t last = request.lastSlot == 0 ? count : request.lastSlot;
    if (request.firstSlot < 1 || last > count || request.firstSlot > last) {
        table.refusal = "the slots are 1 to " + std::to_string(count);
        return table;
    }
    std::string unknown;
    const auto columns = chosenColumns(request.fields, session.profile()->isXwa(), unknown);
    if (!columns) {
        table.refusal = unknown + " is not a column of the table";
        return table;
    }

    std::string body;
    if (request.format == TableFormat::Csv) {
        std::vector<std::string> header{std::string(kSlotColumn)};
        for (const TableColumn& column : *columns)
            header.push_back(column.name);
        body = csvRecord(header);
    } else {
        body = "{\"version\":" + jsonQuoted(gameTextToUtf8(session.versionName())) +
               ",\"programVersion\":" + jsonQuoted(request.programVersion) + ",\"slots\":[";
    }
    const std::int32_t shownBefore = session.currentSlot();
    const std::size_t total = static_cast<std::size_t>(last - request.firstSlot + 1);
    for (std::int32_t slot = request.firstSlot; slot <= last; ++slot) {
        showSlot(session, slot);
        if (session.ended() || session.currentSlot() != slot || session.slotNotShown()) {
            table.refusal = "slot " + std::to_string(slot) + " cannot be shown" +
                            (session.slotNotShown() ? ": " + *session.slotNotShown() : std::string());
            break;
        }
        const MainForm& form = session.mainForm();
        if (request.format == TableFormat::Csv) {
            std::vector<std::string> record{std::to_string(slot)};
            for (const TableColumn& column : *columns)
                record.push_back(gameTextToUtf8(columnValue(form, column)));
            body += csvRecord(record);
        } else {
            body +=
                std::string(table.rows ? "," : "") + "\n{\"" + std::string(kSlotColumn) + "\":" + std::to_string(slot);
            for (const TableColumn& column : *columns)
                body += "," + jsonQuoted(column.name) + ":" + jsonQuoted(gameTextToUtf8(columnValue(form, column)));
            body += "}";
        }
        ++table.rows;
        if (request.progress)
            request.progress(table.rows, total);
    }
    if (!session.ended() && shownBefore > 0 && session.currentSlot() != shownBefore)
        showSlot(session, shownBefore);
    if (!table.refusal.empty()) {
        table.rows = 0;
        return table;
    }
    if (request.format == TableFormat::Json)
        body += "\n]}\n";
    table.text = std::move(body);
    return table;
}

} // namespace plorik
