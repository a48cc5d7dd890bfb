#include "Command.h"
#include "FormJson.h"
#include "FormText.h"
#include "HookJson.h"
#include "RunSteps.h"

namespace plorik::cli {

bool checkRunArguments(const std::vector<std::string>& arguments, std::string& error)
{
    return parseRunSteps(arguments, 0, error).has_value();
}

// The steps in order, then the form of every window they addressed ("windows" with --json; a
// "[NAME]" line before each form without).
void runRun(CommandContext& context)
{
    std::string error;
    const std::vector<const CliWindow*> windows =
        runSteps(context, *parseRunSteps(context.arguments, 0, error)).windows;
    if (context.json) {
        Json forms = Json::object();
        for (const CliWindow* window : windows)
            forms.set(window->name, formStateJson(window->form(context.session)));
        context.result.set("windows", std::move(forms));
        setHookOverrides(context);
        return;
    }
    for (const CliWindow* window : windows) {
        context.out << '[' << window->name << "]\n";
        printForm(window->form(context.session), context.out);
    }
}

} // namespace plorik::cli
