#include "form/ShownForm.h"

namespace plorik {

void ShownForm::take(const Form& form)
{
    m_states.clear();
    for (const auto& control : form.controls())
        m_states[std::string(control->key().name())] =
            State{control->text(), control->checked(), control->index(), control->cells()};
}

bool ShownForm::changed(const Form& form, ControlKey key) const
{
    const auto shown = m_states.find(key.name());
    if (shown == m_states.end())
        return true;
    const Control& now = form[key];
    return now.text() != shown->second.text || now.checked() != shown->second.checked ||
           now.index() != shown->second.index || now.cells() != shown->second.cells;
}

bool ShownForm::cellChanged(const Form& form, ControlKey key, std::size_t row, std::size_t column) const
{
    const auto shown = m_states.find(key.name());
    if (shown == m_states.end())
        return true;
    const auto& cells = shown->second.cells;
    if (row >= cells.size() || column >= cells[row].size())
        return true;
    return form[key].cell(row, column) != cells[row][column];
}

} // namespace plorik
