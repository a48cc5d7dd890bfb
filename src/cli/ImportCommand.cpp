#include "CliOptions.h"
#include "Command.h"
#include "TableProgress.h"

#include "io/FileHandle.h"
#include "table/TableImport.h"

namespace plorik::cli {

namespace {

// A table of every slot of the largest game with long texts stays far below this.
constexpr std::int64_t kLargestTableFile = 64 * 1024 * 1024;

struct ImportArguments {
    std::string file;
    bool dryRun = false;
    std::string questions = "fail";
};

std::optional<ImportArguments> parseImportArguments(const std::vector<std::string>& words, std::string& error)
{
    ImportArguments arguments;
    for (std::size_t i = 0; i < words.size(); ++i) {
        bool missing = false;
        if (words[i] == "--dry-run") {
            arguments.dryRun = true;
        } else if (const auto questions = optionValue(words, i, "--questions", missing)) {
            if (*questions != "no" && *questions != "yes" && *questions != "fail") {
                error = "--questions is no, yes or fail, not " + *questions;
                return std::nullopt;
            }
            arguments.questions = *questions;
        } else if (missing) {
            error = words[i] + " needs a value";
            return std::nullopt;
        } else if (arguments.file.empty() && words[i].rfind("--", 0) != 0) {
            arguments.file = words[i];
        } else {
            error = "unexpected argument " + words[i];
            return std::nullopt;
        }
    }
    if (arguments.file.empty()) {
        error = "missing FILE";
        return std::nullopt;
    }
    return arguments;
}

Json changesJson(const ImportedTable& imported)
{
    Json changes = Json::array();
    for (const RowChanges& slot : imported.changes) {
        Json entry = Json::object();
        entry.set("slot", slot.slot);
        entry.set("row", slot.row);
        entry.set("fields", Json::arrayOf(slot.columns));
        changes.push(std::move(entry));
    }
    return changes;
}

std::string slotList(const std::vector<std::int32_t>& slots)
{
    std::string text;
    for (const std::int32_t slot : slots)
        text += (text.empty() ? "" : " ") + std::to_string(slot);
    return text.empty() ? "none" : text;
}

} // namespace

bool checkImportArguments(const std::vector<std::string>& arguments, std::string& error)
{
    return parseImportArguments(arguments, error).has_value();
}

void runImport(CommandContext& context)
{
    std::string error;
    const ImportArguments arguments = *parseImportArguments(context.arguments, error);
    const FileHandle file = FileHandle::openRegular(arguments.file, FileHandle::Access::Read);
    if (file.size() > kLargestTableFile) {
        if (context.log)
            *context.log << "plorik-cli: import: " << arguments.file << " is larger than a table can be\n";
        context.failed = true;
        return;
    }
    const std::string text = file.readAll();
    if (context.prompter && arguments.questions != "fail")
        context.prompter->answerRemainingWith(arguments.questions);
    else if (context.prompter)
        context.prompter->stopAtUnanswered();

    TableImportRequest request;
    request.dryRun = arguments.dryRun;
    if (CliPrompter* prompter = context.prompter) {
        request.watch.errorCount = [prompter] { return prompter->errorCount(); };
        request.watch.lastError = [prompter] { return prompter->lastError(); };
        request.watch.unanswered = [prompter] { return prompter->unanswered(); };
    }
    ImportedTable imported;
    {
        TableProgress progress(context.log, arguments.dryRun ? "checked" : "imported");
        request.progress = std::ref(progress);
        imported = importTable(context.session, text, request);
    }

    if (context.json) {
        Json written = Json::array();
        for (const std::int32_t slot : imported.written)
            written.push(slot);
        context.result.set("written", std::move(written));
        context.result.set("changes", changesJson(imported));
        if (imported.stop)
            context.result.set("stopped", describeFault(*imported.stop));
    } else {
        for (const RowChanges& slot : imported.changes) {
            context.out << "slot " << slot.slot << ':';
            for (const std::string& column : slot.columns)
                context.out << ' ' << column;
            context.out << '\n';
        }
        if (!arguments.dryRun)
            context.out << "written: " << slotList(imported.written) << '\n';
    }
    if (imported.stop) {
        if (context.log)
            *context.log << "plorik-cli: import stopped at " << describeFault(*imported.stop)
                         << "; slots written: " << slotList(imported.written) << '\n';
        context.failed = true;
    }
}

} // namespace plorik::cli
