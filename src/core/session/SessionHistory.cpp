#include "session/Session.h"

#include "common/Errors.h"
#include "controls/MainWindowControls.h"
#include "history/WriteHistory.h"
#include "history/WriteUndo.h"
#include "io/GamePath.h"
#include "session/Settings.h"

#include <algorithm>
#include <chrono>

namespace plorik {

WriteHistory Session::writeHistory() const
{
    return WriteHistory(m_programDir, m_versionName, Settings(m_programDir).historyLimit());
}

std::vector<HistoryRecord> Session::recordedWrites() const
{
    if (!m_profile)
        return {};
    std::vector<HistoryRecord> records = writeHistory().readAll();
    std::reverse(records.begin(), records.end());
    return records;
}

BeforeWrite Session::recorder(std::string command)
{
    return [this, command = std::move(command)](const PlannedWrite& planned) { recordWrite(command, planned); };
}

void Session::recordWrite(const std::string& command, const PlannedWrite& planned)
{
    const auto now =
        std::chrono::duration_cast<std::chrono::seconds>(std::chrono::system_clock::now().time_since_epoch());
    try {
        const WriteHistory history = writeHistory();
        if (history.limit() == 0)
            return; // the user keeps no history
        const bool grouped = m_writeGroup.has_value();
        HistoryRecord record = WriteHistory::capture(
            planned, resolveGamePath(m_gameDir), grouped ? m_writeGroup->command : command, currentSlot(), now.count());
        if (grouped && m_writeGroup->record != 0)
            history.append(m_writeGroup->record, record.changes);
        else if (grouped)
            m_writeGroup->record = history.add(std::move(record));
        else
            history.add(std::move(record));
    } catch (const WriteRefused&) {
        throw;
    } catch (const PlorikError& failure) {
        // A record that could not be extended ends the group: the next write is recorded apart.
        m_writeGroup.reset();
        throw WriteRefused("\"" + command + "\" could not be recorded for undo: " + failure.what() +
                           "\r\rNothing was written.");
    }
}

void Session::beginWriteGroup(std::string command)
{
    m_writeGroup = WriteGroup{std::move(command)};
}

void Session::endWriteGroup()
{
    m_writeGroup.reset();
}

void Session::undoWrite(std::size_t nth)
{
    run([this, nth] { undo(nth, false); });
}

void Session::undo(std::size_t nth, bool ask)
{
    if (!m_profile)
        return;
    const WriteHistory history = writeHistory();
    const std::vector<std::uint32_t> numbers = history.numbers();
    if (nth == 0 || nth > numbers.size()) {
        error(numbers.empty()
                  ? std::string("No write of this game version is recorded: there is nothing to undo.")
                  : "The history holds " + std::to_string(numbers.size()) + " recorded write" +
                        (numbers.size() == 1 ? "" : "s") + "; there is no write " + std::to_string(nth) + " to undo.");
        return;
    }
    const HistoryRecord record = history.read(numbers[numbers.size() - nth]);
    const std::string slot = record.slot > 0 ? " (slot " + std::to_string(record.slot) + ")" : "";
    if (ask && m_prompter.message({"Confirm undo:",
                                   "Undo \"" + record.command + "\"" + slot + " of " + recordTimeText(record.time) +
                                       "? Every byte it wrote is put back as it was before it.",
                                   MessageIcon::Question, MessageButtons::YesNo, Answer::No}) != Answer::Yes)
        return;
    const auto lock = lockGameFolder();
    if (!lock)
        return;
    const PlannedWrite planned = undoPlan(record, m_gameDir);
    recordWrite(std::string(controls::UndoWriteItem.caption), planned);
    applyPlannedWrite(planned, m_gameDir);
    // The slot on screen is read again, so the pages show what the files hold now.
    (*m_main)[controls::CraftNoBox].setText(std::to_string(currentSlot()));
    craftNumberChanged();
}

} // namespace plorik
