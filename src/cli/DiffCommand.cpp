#include "ChangeJson.h"
#include "Command.h"
#include "DiffOptions.h"

#include "text/StrictNumber.h"

namespace plorik::cli {

namespace {

std::optional<std::int32_t> slotNumber(const std::string& text)
{
    const auto number = parseWholeNumber(text);
    if (!number || *number < 1 || *number > INT32_MAX)
        return std::nullopt;
    return static_cast<std::int32_t>(*number);
}

bool parseSlots(const std::string& text, DiffOptions& options)
{
    const std::size_t dash = text.find('-');
    const auto first = slotNumber(text.substr(0, dash));
    const auto last = dash == std::string::npos ? first : slotNumber(text.substr(dash + 1));
    if (!first || !last || *last < *first)
        return false;
    options.first = *first;
    options.last = *last;
    return true;
}

} // namespace

std::optional<DiffOptions> parseDiffOptions(const std::vector<std::string>& arguments, std::string& error)
{
    DiffOptions options;
    bool sourceGiven = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        const bool takesValue = argument == "--against" || argument == "--slots" || argument == "--format";
        if (takesValue && i + 1 == arguments.size()) {
            error = argument + " needs a value";
            return std::nullopt;
        }
        if (argument == "--against-image" || argument == "--against") {
            if (sourceGiven) {
                error = "--against-image and --against are given more than once";
                return std::nullopt;
            }
            sourceGiven = true;
            if (argument == "--against")
                options.against = arguments[++i];
        } else if (argument == "--slots") {
            if (!parseSlots(arguments[++i], options)) {
                error = "--slots takes A-B or A, slot numbers from 1 with A not above B";
                return std::nullopt;
            }
        } else if (argument == "--format") {
            const std::string& format = arguments[++i];
            if (format == "text")
                options.format = DiffOptions::Format::Text;
            else if (format == "markdown")
                options.format = DiffOptions::Format::Markdown;
            else if (format == "json")
                options.format = DiffOptions::Format::Json;
            else {
                error = "--format takes text, markdown or json";
                return std::nullopt;
            }
        } else {
            error = "unexpected argument " + argument;
            return std::nullopt;
        }
    }
    return options;
}

bool checkDiffArguments(const std::vector<std::string>& arguments, std::string& error)
{
    return parseDiffOptions(arguments, error).has_value();
}

// The report is read only: nothing is written, whatever it finds.
void runDiff(CommandContext& context)
{
    std::string error;
    const DiffOptions options = *parseDiffOptions(context.arguments, error);
    if (!context.session.profile())
        return; // the start-up has said why
    const ChangeReport report = context.session.changeReport(options.against, options.first, options.last);
    if (context.json) {
        setChangeReport(context.result, report);
        return;
    }
    if (options.format == DiffOptions::Format::Json) {
        Json json = Json::object();
        setChangeReport(json, report);
        context.out << json.dump() << '\n';
    } else {
        context.out << (options.format == DiffOptions::Format::Markdown ? changeReportMarkdown(report)
                                                                        : changeReportText(report));
    }
}

} // namespace plorik::cli
