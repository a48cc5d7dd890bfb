#include "Command.h"
#include "FormJson.h"
#include "FormText.h"

#include "text/StrictNumber.h"

namespace plorik::cli {

bool checkUndoArguments(const std::vector<std::string>& arguments, std::string& error)
{
    if (arguments.size() > 1) {
        error = "unexpected argument " + arguments[1];
        return false;
    }
    if (!arguments.empty()) {
        const auto number = parseWholeNumber(arguments.front());
        if (!number || *number < 1 || arguments.front().find_first_not_of("0123456789") != std::string::npos) {
            error = "N must be a whole number from 1 up: " + arguments.front();
            return false;
        }
    }
    return true;
}

// Puts back what the N-th last recorded write replaced, then prints the main window as it shows the
// slot again, as run does.
void runUndo(CommandContext& context)
{
    const std::size_t nth =
        context.arguments.empty() ? 1 : static_cast<std::size_t>(*parseWholeNumber(context.arguments.front()));
    context.session.undoWrite(nth);
    const Form& form = context.session.mainForm();
    if (context.json) {
        Json forms = Json::object();
        forms.set("main", formStateJson(form));
        context.result.set("windows", std::move(forms));
        return;
    }
    context.out << "[main]\n";
    printForm(form, context.out);
}

} // namespace plorik::cli
