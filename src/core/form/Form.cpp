#include "form/Form.h"

#include <stdexcept>

namespace plorik {

Control& Form::add(const ControlEntry& entry)
{
    if (find(entry.key))
        throw std::logic_error("two controls named " + std::string(entry.key));
    if (!entry.contextMenuOf.empty() && !find(entry.contextMenuOf))
        throw std::logic_error(std::string(entry.key) + " belongs to the context menu of " +
                               std::string(entry.contextMenuOf) + ", which is not declared before it");
    auto made = std::make_unique<Control>(entry);
    Control& control = *made;
    m_byKey.emplace(entry.key, made.get());
    m_controls.push_back(std::move(made));
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

const Control* Form::find(std::string_view name) const
{
    const auto it = m_byKey.find(name);
    return it == m_byKey.end() ? nullptr : it->second;
}

bool Form::has(ControlKey key) const
{
    return find(key.name()) != nullptr;
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
    if (!control.enabled() || control.entry().readOnly)
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
                other->entry().radioGroup == control.entry().radioGroup)
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
    if (control.kind() != ControlKind::Grid || !control.enabled() || control.entry().readOnly ||
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
    const std::string_view box = control.entry().contextMenuOf;
    return box.empty() || find(box)->enabled();
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
