#include "table/TableImport.h"

#include "common/WriteFailure.h"
#include "controls/MainWindowControls.h"
#include "form/GameTextUtf8.h"
#include "table/TableColumns.h"
#include "table/TableExport.h"

#include <algorithm>

namespace plorik {

namespace {

class RowImport {
public:
    RowImport(Session& session, const TableImportRequest& request, ImportedTable& result)
        : m_session(session), m_request(request), m_result(result), m_columns(tableColumns(session.profile()->isXwa()))
    {
    }

    const std::vector<TableColumn>& columns() const { return m_columns; }

    // False when the import stops at this row.
    bool run(const TableRow& row)
    {
        MainForm& form = m_session.mainForm();
        const std::size_t errors = errorCount();
        form.userEdit(controls::CraftNoBox, std::to_string(row.slot));
        if (m_session.ended() || m_session.currentSlot() != row.slot || m_session.slotNotShown() ||
            errorCount() != errors)
            return stop(row, std::string(kSlotColumn),
                        "slot " + std::to_string(row.slot) + " cannot be shown" +
                            (m_session.slotNotShown() ? ": " + *m_session.slotNotShown() : lastError(errors)));

        // What differs is measured on the slot as shown, before any field is set.
        std::vector<std::pair<const TableColumn*, const std::string*>> differing;
        std::vector<std::string> before;
        for (const TableColumn& column : m_columns) {
            const auto given = std::find_if(row.values.begin(), row.values.end(),
                                            [&](const auto& value) { return value.first == column.name; });
            if (given != row.values.end() && columnValue(form, column) != given->second) {
                differing.emplace_back(&column, &given->second);
                before.push_back(columnValue(form, column));
            }
        }
        if (differing.empty())
            return true;
        RowChanges changes{row.row, row.slot, {}};
        for (const auto& [column, value] : differing)
            changes.columns.push_back(column->name);
        m_result.changes.push_back(changes);

        for (const auto& [column, value] : differing) {
            // A radio button is cleared by checking another of its group.
            if (form[column->control].kind() == ControlKind::RadioButton && *value == "false")
                continue;
            std::string error;
            if (applyFormSet(form, columnEdit(*column, *value), error) != SetOutcome::Done)
                return stop(row, column->name, error);
            if (errorCount() != errors || m_session.ended())
                return stop(row, column->name, "setting it showed an error" + lastError(errors));
        }
        // A change handler may have put another text into a field set before it.
        for (const auto& [column, value] : differing) {
            const std::string shown = columnValue(form, *column);
            if (shown != *value)
                return stop(row, column->name,
                            "it shows \"" + gameTextToUtf8(shown) + "\" once the row's fields are set, not \"" +
                                gameTextToUtf8(*value) + "\"");
        }
        if (m_request.dryRun)
            return true;

        const bool unansweredBefore = unanswered();
        form.userPress(controls::WriteButton);
        if (errorCount() != errors || m_session.ended())
            return stop(row, "", "\"Write\" refused slot " + std::to_string(row.slot) + lastError(errors));
        if (unanswered() && !unansweredBefore)
            return unansweredStop(row, differing, before);
        m_result.written.push_back(row.slot);
        return true;
    }

private:
    // A question found no answer and took Cancel (or No): the write may have stopped or gone on. The
    // slot shown again tells which: a field set that still shows what it showed before was not stored.
    bool unansweredStop(const TableRow& row, const std::vector<std::pair<const TableColumn*, const std::string*>>& set,
                        const std::vector<std::string>& before)
    {
        m_session.mainForm().userEdit(controls::CraftNoBox, std::to_string(row.slot));
        std::size_t kept = 0;
        for (std::size_t i = 0; i < set.size(); ++i)
            kept += columnValue(m_session.mainForm(), *set[i].first) == before[i] ? 1 : 0;
        if (kept == 0)
            m_result.written.push_back(row.slot);
        const std::string outcome = kept == 0            ? "it was written"
                                    : kept == set.size() ? "it was not written"
                                                         : "it was written in part";
        return stop(row, "",
                    "a question of \"Write\" for slot " + std::to_string(row.slot) + " found no answer; " + outcome);
    }

    std::size_t errorCount() const { return m_request.watch.errorCount ? m_request.watch.errorCount() : 0; }
    bool unanswered() const { return m_request.watch.unanswered && m_request.watch.unanswered(); }
    std::string lastError(std::size_t errorsBefore) const
    {
        if (errorCount() == errorsBefore || !m_request.watch.lastError)
            return {};
        // One line: the message's paragraphs joined, without its "Nothing was written." (the
        // import names the slots it wrote).
        std::string text = m_request.watch.lastError();
        if (text.ends_with(nothingWrittenParagraph()))
            text.erase(text.size() - nothingWrittenParagraph().size());
        for (std::size_t at = text.find("\r\r"); at != std::string::npos; at = text.find("\r\r", at))
            text.replace(at, 2, " ");
        std::replace(text.begin(), text.end(), '\r', ' ');
        return ": " + text;
    }
    bool stop(const TableRow& row, std::string column, std::string reason)
    {
        m_result.stop = TableFault{row.row, std::move(column), std::move(reason)};
        return false;
    }

    Session& m_session;
    const TableImportRequest& m_request;
    ImportedTable& m_result;
    std::vector<TableColumn> m_columns;
};

} // namespace

ImportedTable importTable(Session& session, std::string_view fileText, const TableImportRequest& request)
{
    ImportedTable result;
    const std::int32_t slotCount = tableSlotCount(session);
    if (slotCount == 0) {
        result.stop = TableFault{0, "", "no game version is loaded"};
        return result;
    }
    RowImport import(session, request, result);
    std::vector<std::string> names;
    for (const TableColumn& column : import.columns())
        names.push_back(column.name);
    const TableRows rows = readTableRows(fileText, names, slotCount);
    if (!rows.faults.empty()) {
        result.stop = rows.faults.front();
        return result;
    }
    const std::int32_t shownBefore = session.currentSlot();
    // The import's writes are one record, one undo.
    struct Grouped {
        Session& session;
        ~Grouped() { session.endWriteGroup(); }
    } grouped{session};
    session.beginWriteGroup(std::string(controls::ImportTableItem.caption));
    for (std::size_t i = 0; i < rows.rows.size(); ++i) {
        if (!import.run(rows.rows[i]))
            break;
        if (request.progress)
            request.progress(i + 1, rows.rows.size());
    }
    // A dry run leaves the fields it set on the form only: showing the slot again drops them.
    if (request.dryRun && !session.ended() && shownBefore > 0)
        session.mainForm().userEdit(controls::CraftNoBox, std::to_string(shownBefore));
    return result;
}

std::string describeFault(const TableFault& fault)
{
    std::string text = fault.row ? "row " + std::to_string(fault.row) : std::string("the file");
    if (!fault.column.empty())
        text += ", " + gameTextToUtf8(fault.column);
    return text + ": " + fault.reason;
}

} // namespace plorik
