#include "FormText.h"

namespace plorik::cli {

void printForm(const Form& form, std::ostream& out)
{
    for (const auto& control : form.controls()) {
        out << control->key().name() << '\t' << control->text();
        if (!control->enabled())
            out << "\t(disabled)";
        if (control->kind() == ControlKind::CheckBox || control->kind() == ControlKind::RadioButton)
            out << '\t' << (control->checked() ? "checked" : "unchecked");
        if (control->kind() == ControlKind::TrackBar)
            out << "\tposition " << control->position();
        out << '\n';
        for (std::size_t row = 0; row < control->rowCount(); ++row) {
            out << control->key().name() << '[' << row << ']';
            for (const std::string& cell : control->cells()[row])
                out << '\t' << cell;
            out << '\n';
        }
    }
}

} // namespace plorik::cli
