#include "CliOptions.h"
#include "Command.h"
#include "TableProgress.h"

#include "io/AtomicFile.h"
#include "table/TableExport.h"
#include "text/StrictNumber.h"

#include <charconv>

namespace plorik::cli {

namespace {

struct ExportArguments {
    TableExportRequest request;
    std::string file;
};

bool parseSlots(const std::string& text, TableExportRequest& request)
{
    const std::size_t dash = text.find('-');
    const auto first = parseWholeNumber(text.substr(0, dash));
    const auto last = dash == std::string::npos ? first : parseWholeNumber(text.substr(dash + 1));
    if (!first || !last || *first < 1 || *last < *first || *last > 0xFFFF)
        return false;
    request.firstSlot = static_cast<std::int32_t>(*first);
    request.lastSlot = static_cast<std::int32_t>(*last);
    return true;
}

// KEY,KEY[R,C],...: a comma inside brackets belongs to the cell's name.
std::vector<std::string> splitFields(const std::string& text)
{
    std::vector<std::string> fields(1);
    int depth = 0;
    for (const char c : text) {
        depth += c == '[' ? 1 : c == ']' ? -1 : 0;
        if (c == ',' && depth == 0)
            fields.emplace_back();
        else
            fields.back() += c;
    }
    return fields;
}

std::optional<ExportArguments> parseExportArguments(const std::vector<std::string>& words, std::string& error)
{
    ExportArguments arguments;
    for (std::size_t i = 0; i < words.size(); ++i) {
        bool missing = false;
        if (const auto format = optionValue(words, i, "--format", missing)) {
            if (*format != "csv" && *format != "json") {
                error = "--format is csv or json, not " + *format;
                return std::nullopt;
            }
            arguments.request.format = *format == "csv" ? TableFormat::Csv : TableFormat::Json;
        } else if (const auto slots = optionValue(words, i, "--slots", missing)) {
            if (!parseSlots(*slots, arguments.request)) {
                error = "--slots is A-B or A, slot numbers from 1 with A not after B, not " + *slots;
                return std::nullopt;
            }
        } else if (const auto fields = optionValue(words, i, "--fields", missing)) {
            arguments.request.fields = splitFields(*fields);
        } else if (missing) {
            error = words[i] + " needs a value";
            return std::nullopt;
        } else if (arguments.file.empty() && (words[i] == "-" || words[i].rfind("--", 0) != 0)) {
            arguments.file = words[i];
        } else {
            error = "unexpected argument " + words[i];
            return std::nullopt;
        }
    }
    if (arguments.file.empty()) {
        error = "missing FILE (- for standard output)";
        return std::nullopt;
    }
    return arguments;
}

bool fail(CommandContext& context, const std::string& why)
{
    if (context.log)
        *context.log << "plorik-cli: export: " << why << (why.ends_with('.') ? "" : ".") << " Nothing was written.\n";
    context.failed = true;
    return false;
}

} // namespace

bool checkExportArguments(const std::vector<std::string>& arguments, std::string& error)
{
    return parseExportArguments(arguments, error).has_value();
}

void runExport(CommandContext& context)
{
    std::string error;
    ExportArguments arguments = *parseExportArguments(context.arguments, error);
    const bool toOutput = arguments.file == "-";
    if (toOutput && context.json) {
        if (context.log)
            *context.log << "plorik-cli: export to standard output cannot share it with --json\n";
        context.refused = true;
        return;
    }
    if (!context.session.profile()) {
        fail(context, "no game version is loaded");
        return;
    }
    const std::string extension = arguments.request.format == TableFormat::Csv ? ".csv" : ".json";
    const std::filesystem::path target = std::filesystem::absolute(arguments.file);
    if (!toOutput) {
        // Checked before the slots are shown: a table never replaces a file the editor reads.
        if (const auto refusal = saveTargetRefusal(target, context.session.protectedFiles(), extension)) {
            fail(context, *refusal);
            return;
        }
    }
    arguments.request.programVersion = versionText();
    ExportedTable table;
    {
        TableProgress progress(context.log, "exported");
        arguments.request.progress = std::ref(progress);
        table = exportTable(context.session, arguments.request);
    }
    if (!table.refusal.empty()) {
        fail(context, table.refusal);
        return;
    }
    if (toOutput) {
        context.out << table.text;
        return;
    }
    std::filesystem::path scratch = target;
    scratch += ".plorik-save.tmp";
    replaceFileContent(target, table.text, scratch);
    if (context.json)
        context.result.set("rows", table.rows);
    else
        context.out << "exported " << table.rows << " slots to " << arguments.file << '\n';
}

} // namespace plorik::cli
