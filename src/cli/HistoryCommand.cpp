#include "Command.h"

#include "history/HistoryRecord.h"
#include "history/WriteHistory.h"

#include <algorithm>

namespace plorik::cli {

// The recorded writes of the version loaded, newest first: per record its number, time, command,
// slot and what it wrote ("records" with --json).
void runHistory(CommandContext& context)
{
    const std::vector<HistoryRecord> records = context.session.recordedWrites();
    Json list = Json::array();
    for (const HistoryRecord& record : records) {
        // A command that wrote a file many times (an import) lists it once.
        std::vector<std::string> targets;
        for (const RecordedChange& change : record.changes) {
            std::string target = changeTarget(change);
            if (std::find(targets.begin(), targets.end(), target) == targets.end())
                targets.push_back(std::move(target));
        }
        if (context.json) {
            Json entry = Json::object();
            entry.set("number", record.number);
            entry.set("time", recordTimeText(record.time));
            entry.set("command", record.command);
            entry.set("slot", record.slot);
            entry.set("targets", Json::arrayOf(targets));
            list.push(std::move(entry));
            continue;
        }
        context.out << record.number << '\t' << recordTimeText(record.time) << '\t' << record.command << "\tslot "
                    << record.slot << '\n';
        for (const std::string& target : targets)
            context.out << '\t' << target << '\n';
    }
    if (context.json)
        context.result.set("records", std::move(list));
}

} // namespace plorik::cli
