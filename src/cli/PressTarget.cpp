#include "PressTarget.h"

namespace plorik::cli {

std::string pressName(std::string_view caption)
{
    std::string name;
    for (const char c : caption) {
        if (c != '&')
            name.push_back(c);
    }
    while (!name.empty() && (name.back() == '.' || name.back() == ' '))
        name.pop_back();
    return name;
}

const Control* findPressTarget(const Form& form, std::string_view name)
{
    if (const ControlKey key = ControlKey::named(name); form.has(key))
        return &form[key];
    std::string_view box;
    std::string_view caption = name;
    const std::size_t colon = name.find(':');
    if (colon != std::string_view::npos && form.has(ControlKey::named(name.substr(0, colon)))) {
        box = name.substr(0, colon);
        caption = name.substr(colon + 1);
    }
    const std::string wanted = pressName(caption);
    if (wanted.empty())
        return nullptr; // tool buttons and the logo have no caption: they are pressed by key
    // Where several controls share the caption, the first one a press would reach wins, so that a
    // caption works wherever the user could click it; when none can be pressed, the first one is
    // reported as disabled.
    const Control* found = nullptr;
    for (const auto& control : form.controls()) {
        if (!pressable(control->kind()) || control->entry().contextMenuOf != box ||
            pressName(control->caption()) != wanted)
            continue;
        if (form.canPress(control->key()))
            return control.get();
        if (!found)
            found = control.get();
    }
    return found;
}

} // namespace plorik::cli
