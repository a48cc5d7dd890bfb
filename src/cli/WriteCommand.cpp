#include "Command.h"
#include "FormJson.h"
#include "FormSet.h"

#include "session/MainWindowForm.h"

namespace plorik::cli {

namespace {

// SLOT, then --set SET pairs.
std::vector<FormSet> setsOf(const std::vector<std::string>& arguments, std::string& error)
{
    std::vector<FormSet> sets;
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        if (arguments[i] != "--set" || i + 1 == arguments.size()) {
            error = arguments[i] == "--set" ? "--set needs KEY=VALUE" : "unexpected argument " + arguments[i];
            return {};
        }
        const auto set = parseFormSet(arguments[++i], error);
        if (!set)
            return {};
        sets.push_back(*set);
    }
    return sets;
}

} // namespace

bool checkWriteArguments(const std::vector<std::string>& arguments, std::string& error)
{
    if (arguments.empty()) {
        error = "missing SLOT";
        return false;
    }
    const std::vector<FormSet> sets = setsOf(arguments, error);
    if (!error.empty())
        return false;
    // Every key must name a control of the main window.
    const auto form = buildMainWindowForm();
    for (const FormSet& set : sets) {
        if (!form->has(set.key)) {
            error = "there is no control " + set.key;
            return false;
        }
    }
    return true;
}

// Shows the slot, applies each --set as an edit, and presses "Write".
void runWrite(CommandContext& context)
{
    Session& session = context.session;
    Form& form = session.mainForm();
    std::string error;
    const std::vector<FormSet> sets = setsOf(context.arguments, error);
    // A step that shows an error ("The selected slot is out of range!") stops the steps after it:
    // "Write" is pressed only on the slot asked for, with every edit made.
    std::size_t errors = context.errorsShown();
    const auto stepFailed = [&] { return session.ended() || context.errorsShown() > errors; };
    if (session.ended() || !form.userEdit("CraftNoBox", context.arguments.front()) || stepFailed()) {
        context.failed = true;
    } else {
        for (const FormSet& set : sets) {
            errors = context.errorsShown();
            if (session.ended() || !applyFormSet(form, set, error) || stepFailed()) {
                if (!error.empty() && context.log)
                    *context.log << "plorik-cli: " << error << '\n';
                context.failed = true;
                break;
            }
        }
        if (!context.failed && !session.ended())
            form.userPress("Button3");
    }
    if (context.json)
        context.result.set("controls", formStateJson(form));
    else if (!context.failed)
        context.out << "written slot " << session.currentSlot() << '\n';
}

} // namespace plorik::cli
