#include "Command.h"
#include "FormJson.h"
#include "RunSteps.h"

#include "controls/MainWindowControls.h"
#include "controls/WindowForms.h"

namespace plorik::cli {

namespace {

// SLOT, then --set steps only.
std::optional<std::vector<RunStep>> writeSteps(const std::vector<std::string>& arguments, std::string& error)
{
    std::optional<std::vector<RunStep>> steps = parseRunSteps(arguments, 1, error);
    if (!steps)
        return std::nullopt;
    for (std::size_t i = 0; i < steps->size(); ++i) {
        if ((*steps)[i].kind != RunStep::Kind::Set) {
            error = "write takes only --set; use run for other steps";
            return std::nullopt;
        }
    }
    steps->insert(steps->begin(), RunStep{RunStep::Kind::Slot, arguments.front(), {}});
    steps->push_back(RunStep{RunStep::Kind::Press, std::string(controls::WriteButton.key), {}});
    return steps;
}

} // namespace

bool checkWriteArguments(const std::vector<std::string>& arguments, std::string& error)
{
    if (arguments.empty()) {
        error = "missing SLOT";
        return false;
    }
    const std::optional<std::vector<RunStep>> steps = writeSteps(arguments, error);
    if (!steps)
        return false;
    // Every key must name a control of the main window: a misspelt key is refused before anything runs.
    const auto form = buildMainWindowForm();
    for (const RunStep& step : *steps) {
        if (step.kind == RunStep::Kind::Set && !form->has(MainKey::named(step.set.key))) {
            error = "there is no control " + step.set.key;
            return false;
        }
    }
    return true;
}

// `run --slot SLOT --set ... --press Write`: a step that shows an error ("The selected slot is out of
// range!", a refused value) stops the steps after it, so "Write" is pressed only on the slot asked
// for, with every edit made.
void runWrite(CommandContext& context)
{
    std::string error;
    const RunResult run = runSteps(context, *writeSteps(context.arguments, error));
    if (context.json)
        context.result.set("controls", formStateJson(context.session.mainForm()));
    else if (run.completed)
        context.out << "written slot " << context.session.currentSlot() << '\n';
}

} // namespace plorik::cli
