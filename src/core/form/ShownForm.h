#pragma once

#include "form/Form.h"

#include <map>
#include <string>
#include <vector>

namespace plorik {

// What every control of a form showed at one moment: its text, check state, selection and cells.
// "Write" keeps the bytes and lines behind a control that still shows exactly this, and converts
// and stores only the others: a text set from elsewhere (a ship file, a paste) counts as changed
// when it differs, though no key was typed.
class ShownForm {
public:
    void take(const Form& form);
    void forget() { m_states.clear(); }

    // Whether the control shows something else now. A control never taken counts as changed.
    bool changed(const Form& form, ControlKey key) const;
    // Whether one cell of a grid shows something else now.
    bool cellChanged(const Form& form, ControlKey key, std::size_t row, std::size_t column) const;

private:
    struct State {
        std::string text;
        bool checked = false;
        int index = -1;
        std::vector<std::vector<std::string>> cells;
    };
    std::map<std::string, State, std::less<>> m_states;
};

} // namespace plorik
