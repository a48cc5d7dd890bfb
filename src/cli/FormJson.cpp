#include "FormJson.h"

namespace plorik::cli {

namespace {

bool isList(ControlKind kind)
{
    return kind == ControlKind::ComboBox || kind == ControlKind::DropDownList || kind == ControlKind::ListBox;
}

} // namespace

Json controlStateJson(const Control& control)
{
    Json state = Json::object();
    state.set("text", control.text());
    state.set("enabled", control.enabled());
    const ControlKind kind = control.kind();
    if (kind == ControlKind::CheckBox || kind == ControlKind::RadioButton)
        state.set("checked", control.checked());
    if (isList(kind)) {
        state.set("items", Json::arrayOf(control.items()));
        state.set("index", control.index());
    }
    if (kind == ControlKind::Grid) {
        Json rows = Json::array();
        for (const std::vector<std::string>& row : control.cells())
            rows.push(Json::arrayOf(row));
        state.set("cells", std::move(rows));
    }
    if (kind == ControlKind::TrackBar)
        state.set("position", control.position());
    return state;
}

Json formStateJson(const Form& form)
{
    Json states = Json::object();
    for (const auto& control : form.controls())
        states.set(control->key().name(), controlStateJson(*control));
    return states;
}

} // namespace plorik::cli
