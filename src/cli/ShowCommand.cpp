#include "Command.h"

#include "FormJson.h"
#include "windows/MainWindowControls.h"

namespace plorik::cli {

namespace {

// Readable form: a line per control, "KEY<TAB>text", with the states that apply to its kind.
void printForm(const Form& form, std::ostream& out)
{
    for (const auto& control : form.controls()) {
        out << control->key() << '\t' << control->text();
        if (!control->enabled())
            out << "\t(disabled)";
        if (control->kind() == ControlKind::CheckBox || control->kind() == ControlKind::RadioButton)
            out << '\t' << (control->checked() ? "checked" : "unchecked");
        if (control->kind() == ControlKind::TrackBar)
            out << "\tposition " << control->position();
        out << '\n';
        for (std::size_t row = 0; row < control->rowCount(); ++row) {
            out << control->key() << '[' << row << ']';
            for (const std::string& cell : control->cells()[row])
                out << '\t' << cell;
            out << '\n';
        }
    }
}

} // namespace

bool takesOneSlot(const std::vector<std::string>& arguments, std::string& error)
{
    if (arguments.size() == 1)
        return true;
    error = arguments.empty() ? "missing SLOT" : "unexpected argument " + arguments[1];
    return false;
}

// Shows a slot as the window would after its number is typed into "Craft No.".
void runShow(CommandContext& context)
{
    Session& session = context.session;
    Form& form = session.mainForm();
    if (!session.ended() && !form.userEdit(ui::CraftNoBox, context.arguments.front()))
        context.failed = true; // no profile: there is no slot to show
    if (context.json)
        context.result.set("controls", formStateJson(form));
    else
        printForm(form, context.out);
}

} // namespace plorik::cli
