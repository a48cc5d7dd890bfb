#include "Command.h"

#include "ChangeJson.h"
#include "FormJson.h"
#include "FormText.h"
#include "HookJson.h"
#include "RunSteps.h"

namespace plorik::cli {

bool takesOneSlot(const std::vector<std::string>& arguments, std::string& error)
{
    if (arguments.size() == 1)
        return true;
    error = arguments.empty() ? "missing SLOT" : "unexpected argument " + arguments[1];
    return false;
}

// `run --slot SLOT`, printed as the main window's form alone.
void runShow(CommandContext& context)
{
    runSteps(context, {RunStep{RunStep::Kind::Slot, context.arguments.front(), {}}});
    const Form& form = context.session.mainForm();
    if (context.json) {
        context.result.set("controls", formStateJson(form));
        setHookOverrides(context);
        setImageChanges(context);
    } else
        printForm(form, context.out);
}

} // namespace plorik::cli
