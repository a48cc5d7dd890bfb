#include "form/Form.h"

#include <stdexcept>

namespace plorik {

Control& Form::add(ControlDesign design)
{
    if (has(ControlKey::named(design.key)))
        throw std::logic_error("two controls named " + design.key);
    if (!design.contextMenuOf.empty() && !has(ControlKey::named(design.contextMenuOf)))
        throw std::logic_error(design.key + " belongs to the context menu of " + design.contextMenuOf +
                               ", which is not declared before it");
    auto control = std::make_unique<Control>(std::move(design));
    Control& added = *control;
    m_byKey.emplace(added.key(), control.get());
    m_controls.push_back(std::move(control));
    return added;
}

Control& Form::add(const ControlEntry& entry)
{
    Control& control = add(ControlDesign{.key = std::string(entry.key),
                                         .kind = entry.kind,
                                         .caption = std::string(entry.caption),
                                         .page = std::string(entry.page),
                                         .unit = std::string(entry.unit),
                                         .hint = std::string(entry.hint),
                                         .shortcut = std::string(entry.shortcut),
                                         .radioGroup = std::string(entry.radioGroup),
                                         .contextMenuOf = std::string(entry.contextMenuOf),
                                         .readOnly = entry.readOnly});
    control.setItems({entry.items.begin(), entry.items.end()});
    if (entry.rows > 0) {
        control.setGridSize(entry.rows, entry.columns);
        for (std::size_t column = 0; column < entry.columnHeadings.size() && column < entry.columns; ++column)
            control.setCell(0, column, std::string(entry.columnHeadings[column]));
        for (std::size_t row = 0; row < entry.rowHeadings.size() && row + 1 < entry.rows; ++row)
            control.setCell(row + 1, 0, std::string(entry.rowHeadings[row]));
        control.setEditableColumns({entry.editableColumns.begin(), entry.editableColumns.end()});
    }
    if (entry.kind == ControlKind::TrackBar)
        control.setRange(entry.minimum, entry.maximum);
    // A label shows its caption.
    control.setText(std::string(entry.kind == ControlKind::Label && entry.text.empty() ? entry.caption : entry.text));
    if (entry.index >= 0)
        control.setIndex(entry.index);
    control.setChecked(entry.checked);
    control.setEnabled(entry.enabled);
    control.setVisible(entry.visible);
    return control;
}

bool Form::has(ControlKey key) const
{
    return m_byKey.find(key.name()) != m_byKey.end();
}

Control& Form::operator[](ControlKey key)
{
    const auto it = m_byKey.find(key.name());
    if (it == m_byKey.end())
        throw std::out_of_range("no control named " + std::string(key.name()));
    return *it->second;
}

const Control& Form::operator[](ControlKey key) const
{
    const auto it = m_byKey.find(key.name());
    if (it == m_byKey.end())
        throw std::out_of_range("no control named " + std::string(key.name()));
    return *it->second;
}

void Form::onChange(ControlKey key, Handler handler)
{
    (*this)[key]; // the control must exist
    m_changeHandlers[std::string(key.name())] = std::move(handler);
}

void Form::onPress(ControlKey key, Handler handler)
{
    (*this)[key];
    m_pressHandlers[std::string(key.name())] = std::move(handler);
}

void Form::changed(ControlKey key)
{
    const auto it = m_changeHandlers.find(key.name());
    if (it != m_changeHandlers.end()) {
        const Handler handler = it->second; // the handler may replace itself
        handler();
    }
}

bool Form::userEdit(ControlKey key, std::string text)
{
    Control& control = (*this)[key];
    switch (control.kind()) {
    case ControlKind::TextBox:
    case ControlKind::Memo:
    case ControlKind::ComboBox: break;
    default: return false;
    }
    if (!control.enabled() || control.design().readOnly)
        return false;
    control.setText(std::move(text));
    changed(key);
    return true;
}

bool Form::userPick(ControlKey key, int index)
{
    Control& control = (*this)[key];
    const bool isList = control.kind() == ControlKind::ComboBox || control.kind() == ControlKind::DropDownList ||
                        control.kind() == ControlKind::ListBox;
    if (!isList || !control.enabled() || index < 0 || index >= static_cast<int>(control.items().size()))
        return false;
    control.setIndex(index);
    changed(key);
    return true;
}

bool Form::userCheck(ControlKey key, bool checked)
{
    Control& control = (*this)[key];
    const bool checkable = control.kind() == ControlKind::CheckBox || control.kind() == ControlKind::RadioButton;
    if (!checkable || !control.enabled())
        return false;
    if (control.kind() == ControlKind::RadioButton) {
        if (!checked)
            return false; // a radio button is cleared by choosing another
        for (const auto& other : m_controls) {
            if (other.get() != &control && other->kind() == ControlKind::RadioButton &&
                other->design().radioGroup == control.design().radioGroup)
                other->setChecked(false);
        }
    }
    control.setChecked(checked);
    changed(key);
    return true;
}

bool Form::userSlide(ControlKey key, int position)
{
    Control& control = (*this)[key];
    if (control.kind() != ControlKind::TrackBar || !control.enabled())
        return false;
    control.setPosition(position);
    changed(key);
    return true;
}

bool Form::userEditCell(ControlKey key, std::size_t row, std::size_t column, std::string text)
{
    Control& control = (*this)[key];
    if (control.kind() != ControlKind::Grid || !control.enabled() || control.design().readOnly ||
        !control.cellEditable(row, column))
        return false;
    control.setCell(row, column, std::move(text));
    changed(key);
    return true;
}

bool Form::canPress(ControlKey key) const
{
    const Control& control = (*this)[key];
    if (!pressable(control.kind()) || !control.enabled())
        return false;
    // A disabled box opens no context menu.
    const std::string& box = control.design().contextMenuOf;
    return box.empty() || (*this)[ControlKey::named(box)].enabled();
}

bool Form::userPress(ControlKey key)
{
    if (!canPress(key))
        return false;
    const auto it = m_pressHandlers.find(key.name());
    if (it != m_pressHandlers.end()) {
        const Handler handler = it->second;
        handler();
    }
    return true;
}

std::uint64_t Form::revision() const
{
    std::uint64_t sum = m_ownRevision;
    for (const auto& control : m_controls)
        sum += control->revision();
    return sum;
}

} // namespace plorik
