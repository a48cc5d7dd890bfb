#include "CliOptions.h"
#include "Command.h"
#include "FormJson.h"
#include "RunSteps.h"

#include "controls/MainWindowControls.h"

namespace plorik::cli {

namespace {

struct HookArguments {
    std::string slot;
    HookExportRequest exportRequest;
    HookImportRequest importRequest;
    bool write = false;
};

std::optional<HookSectionKind> sectionKind(std::string_view name)
{
    if (name == "stats")
        return HookSectionKind::Stats;
    if (name == "exe")
        return HookSectionKind::ExeValues;
    if (name == "pov")
        return HookSectionKind::CockpitPov;
    return std::nullopt;
}

// SLOT first, then the options; export takes --sections, import --write, both --file.
std::optional<HookArguments> parseHookArguments(const std::vector<std::string>& words, bool exporting,
                                                std::string& error)
{
    HookArguments arguments;
    if (words.empty() || words.front().rfind("--", 0) == 0) {
        error = "missing SLOT";
        return std::nullopt;
    }
    arguments.slot = words.front();
    for (std::size_t i = 1; i < words.size(); ++i) {
        bool missing = false;
        if (const auto file = optionValue(words, i, "--file", missing)) {
            arguments.exportRequest.file = *file;
            arguments.importRequest.file = *file;
        } else if (const auto sections = exporting ? optionValue(words, i, "--sections", missing) : std::nullopt) {
            arguments.exportRequest.sections.clear();
            std::size_t start = 0;
            while (start <= sections->size()) {
                const std::size_t comma = std::min(sections->find(',', start), sections->size());
                const std::string name = sections->substr(start, comma - start);
                const auto kind = sectionKind(name);
                if (!kind) {
                    error = "--sections takes stats, exe and pov, not " + (name.empty() ? "an empty name" : name);
                    return std::nullopt;
                }
                arguments.exportRequest.sections.push_back(*kind);
                start = comma + 1;
            }
        } else if (missing) {
            error = words[i] + " needs a value";
            return std::nullopt;
        } else if (!exporting && words[i] == "--write") {
            arguments.write = true;
        } else {
            error = "unexpected argument " + words[i];
            return std::nullopt;
        }
    }
    return arguments;
}

void logLines(CommandContext& context, const std::string& label, const std::vector<std::string>& lines)
{
    if (!context.log)
        return;
    for (const std::string& line : lines)
        *context.log << "plorik-cli: " << label << line << '\n';
}

// Shows the slot; false (the command stops) when it could not be shown.
bool showSlot(CommandContext& context, const std::string& slot)
{
    const RunResult shown = runSteps(context, {RunStep{RunStep::Kind::Slot, slot, {}}});
    if (!shown.completed)
        context.failed = true;
    return shown.completed;
}

} // namespace

bool checkExportHooksArguments(const std::vector<std::string>& arguments, std::string& error)
{
    return parseHookArguments(arguments, true, error).has_value();
}

bool checkImportHooksArguments(const std::vector<std::string>& arguments, std::string& error)
{
    return parseHookArguments(arguments, false, error).has_value();
}

void runExportHooks(CommandContext& context)
{
    std::string error;
    const HookArguments arguments = *parseHookArguments(context.arguments, true, error);
    if (!showSlot(context, arguments.slot))
        return;
    const std::size_t errors = context.errorsShown();
    const HookExportResult result = context.session.exportHookFile(arguments.exportRequest);
    logLines(context, "export-hooks: warning: ", result.warnings);
    if (context.errorsShown() != errors || (!result.written && !result.upToDate)) {
        if (context.errorsShown() == errors && context.log)
            *context.log << "plorik-cli: export-hooks: nothing was written\n";
        context.failed = true;
        return;
    }
    if (context.json) {
        context.result.set("file", result.file);
        context.result.set("sections", Json::arrayOf(result.sections));
        context.result.set("written", result.written);
        context.result.set("warnings", Json::arrayOf(result.warnings));
    } else {
        context.out << context.session.mainForm()[controls::StatusBar].text() << '\n';
    }
}

void runImportHooks(CommandContext& context)
{
    std::string error;
    const HookArguments arguments = *parseHookArguments(context.arguments, false, error);
    if (!showSlot(context, arguments.slot))
        return;
    const std::size_t errors = context.errorsShown();
    const HookImportResult result = context.session.importHookFile(arguments.importRequest);
    if (context.errorsShown() != errors) {
        context.failed = true;
        return;
    }
    logLines(context, "import-hooks: ", result.problems);
    logLines(context, "import-hooks: warning: ", result.warnings);
    if (arguments.write) {
        const RunResult written =
            runSteps(context, {RunStep{RunStep::Kind::Press, std::string(controls::WriteButton.key), {}}});
        if (!written.completed)
            context.failed = true;
    }
    if (context.json) {
        Json set = Json::array();
        for (const HookReadKey& key : result.set) {
            Json entry = Json::object();
            entry.set("key", std::string(key.field->key));
            entry.set("file", key.file);
            entry.set("section", key.section);
            entry.set("line", key.line);
            entry.set("raw", key.text);
            entry.set("value", key.gameValue);
            set.push(std::move(entry));
        }
        context.result.set("set", std::move(set));
        context.result.set("unsupported", Json::arrayOf(result.unsupported));
        context.result.set("problems", Json::arrayOf(result.problems));
        context.result.set("warnings", Json::arrayOf(result.warnings));
        context.result.set("controls", formStateJson(context.session.mainForm()));
        return;
    }
    for (const HookReadKey& key : result.set)
        context.out << "set " << key.field->key << " = " << key.text << " (" << key.file << ", line " << key.line
                    << ")\n";
    for (const std::string& line : result.unsupported)
        context.out << "not set: " << line << '\n';
    if (!arguments.write)
        context.out << context.session.mainForm()[controls::StatusBar].text() << '\n';
}

} // namespace plorik::cli
