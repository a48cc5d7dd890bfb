#include "table/TableCommands.h"

#include "changes/FormChanges.h"
#include "common/AsciiCase.h"
#include "controls/MainWindowControls.h"
#include "form/GameTextUtf8.h"
#include "io/AtomicFile.h"
#include "io/FileHandle.h"
#include "table/TableColumns.h"
#include "table/TableExport.h"

#include <cctype>
#include <memory>

namespace plorik {

namespace {

const FileChoice kExportChoice{"Export Table", "*.csv", "CSV table (*.csv)|*.csv|JSON table (*.json)|*.json", 1, true};
const FileChoice kImportChoice{"Import Table", "*.csv", "Tables (*.csv *.json)|*.csv;*.json|All files|*.*", 1, false};
// A table of every slot of the largest game with long texts stays far below this.
constexpr std::int64_t kLargestTableFile = 64 * 1024 * 1024;
// The dry run's list in the question stops after this many slots.
constexpr std::size_t kListedSlots = 20;

bool endsWith(const std::string& text, std::string_view end)
{
    return text.size() >= end.size() &&
           equalsIgnoringCase(std::string_view(text).substr(text.size() - end.size()), end);
}

class TableCommands {
public:
    TableCommands(Session& session, Prompter& prompter, TableCommandHooks hooks)
        : m_session(session), m_prompter(prompter), m_hooks(std::move(hooks))
    {
    }

    void exportTable()
    {
        const std::optional<std::string> chosen = m_prompter.saveFile(kExportChoice);
        if (!chosen || chosen->empty())
            return;
        const bool json = endsWith(*chosen, ".json");
        if (const auto refusal = saveTargetRefusal(*chosen, m_session.protectedFiles(), json ? ".json" : ".csv")) {
            error(*refusal + "\r\rNothing was written.");
            return;
        }
        TableExportRequest request;
        request.format = json ? TableFormat::Json : TableFormat::Csv;
        request.programVersion = m_hooks.programVersion;
        request.progress = m_hooks.progress;
        const ExportedTable table = plorik::exportTable(m_session, request);
        if (!table.refusal.empty()) {
            error("The table was not exported: " + table.refusal + ".\r\rNothing was written.");
            return;
        }
        std::filesystem::path scratch = *chosen;
        scratch += ".plorik-save.tmp";
        replaceFileContent(*chosen, table.text, scratch);
        status("Exported " + std::to_string(table.rows) + " slots to " + *chosen);
    }

    void importTable()
    {
        const std::optional<std::string> chosen = m_prompter.openFile(kImportChoice);
        if (!chosen || chosen->empty())
            return;
        const FileHandle file = FileHandle::openRegular(*chosen, FileHandle::Access::Read);
        if (file.size() > kLargestTableFile) {
            error(*chosen + " is larger than a table can be.\r\rNothing was written.");
            return;
        }
        const std::string text = file.readAll();
        TableImportRequest request;
        request.watch = m_hooks.watch;
        request.progress = m_hooks.progress;
        request.dryRun = true;
        const ImportedTable preview = plorik::importTable(m_session, text, request);
        if (preview.stop) {
            error("The table cannot be imported: " + describeFault(*preview.stop) + ".\r\rNothing was written.");
            return;
        }
        if (preview.changes.empty()) {
            m_prompter.message({"PLORIK", "No slot differs from the table. Nothing was written.",
                                MessageIcon::Information, MessageButtons::Ok, Answer::Ok});
            return;
        }
        if (m_prompter.message({"PLORIK query:", changeList(preview) + "\r\rWrite these slots?", MessageIcon::Question,
                                MessageButtons::YesNo, Answer::No}) != Answer::Yes)
            return;
        request.dryRun = false;
        const ImportedTable imported = plorik::importTable(m_session, text, request);
        if (imported.stop) {
            error("The import stopped at " + describeFault(*imported.stop) +
                  ".\r\rSlots written before it: " + slotList(imported.written) + ".");
            return;
        }
        status("Imported " + std::to_string(imported.written.size()) + " slots from " + *chosen);
    }

private:
    static std::string slotList(const std::vector<std::int32_t>& slots)
    {
        std::string text;
        for (const std::int32_t slot : slots)
            text += (text.empty() ? "" : ", ") + std::to_string(slot);
        return text.empty() ? "none" : text;
    }

    // A column as a user knows it: the caption beside the box ("System Hits"), a grid's cell by its
    // page or caption and its row's and column's headings.
    std::string columnCaption(const std::vector<TableColumn>& columns, const std::string& name) const
    {
        const TableColumn* column = findColumn(columns, name);
        if (!column)
            return name;
        const Control& control = m_session.mainForm()[column->control];
        std::string caption = control.caption().empty() ? std::string(control.entry().page) : reportCaption(control);
        if (column->row && column->column) {
            const std::size_t row = *column->row;
            const std::size_t cell = *column->column;
            if (row < control.rowCount() && cell < control.columnCount())
                caption += " (row " + control.cell(row, 0) + ", " + control.cell(0, cell) + ")";
            else
                caption += " [" + std::to_string(row) + "," + std::to_string(cell) + "]";
        }
        return caption;
    }

    std::string changeList(const ImportedTable& preview) const
    {
        const std::vector<TableColumn> columns = tableColumns(m_session.profile()->isXwa());
        const std::size_t count = preview.changes.size();
        std::string text =
            std::to_string(count) + (count == 1 ? " slot differs" : " slots differ") + " from the table:\r";
        for (std::size_t i = 0; i < count && i < kListedSlots; ++i) {
            text += "\rSlot " + std::to_string(preview.changes[i].slot) + ":";
            const std::vector<std::string>& changed = preview.changes[i].columns;
            for (std::size_t c = 0; c < changed.size(); ++c)
                text += (c == 0 ? " " : ", ") + columnCaption(columns, changed[c]);
        }
        if (count > kListedSlots)
            text += "\r... and " + std::to_string(count - kListedSlots) + " more";
        return text;
    }

    void error(const std::string& text)
    {
        m_prompter.message({"PLORIK error:", text, MessageIcon::Error, MessageButtons::Ok, Answer::Ok});
    }

    void status(const std::string& text) { m_session.mainForm()[controls::StatusBar].setText(text); }

    Session& m_session;
    Prompter& m_prompter;
    TableCommandHooks m_hooks;
};

} // namespace

void wireTableCommands(Session& session, Prompter& prompter, TableCommandHooks hooks)
{
    auto commands = std::make_shared<TableCommands>(session, prompter, std::move(hooks));
    session.mainForm().onPress(controls::ExportTableItem, [commands] { commands->exportTable(); });
    session.mainForm().onPress(controls::ImportTableItem, [commands] { commands->importTable(); });
}

} // namespace plorik
