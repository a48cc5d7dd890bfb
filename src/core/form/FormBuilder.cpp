#include "form/FormBuilder.h"

namespace plorik {

Control& FormBuilder::add(ControlDesign design)
{
    design.page = m_page;
    return m_form.add(std::move(design));
}

Control& FormBuilder::box(const std::string& key, const std::string& caption, const std::string& text,
                          const std::string& unit)
{
    ControlDesign design{.key = key, .kind = ControlKind::TextBox, .caption = caption, .unit = unit};
    Control& control = add(std::move(design));
    control.setText(text);
    return control;
}

Control& FormBuilder::readOnlyBox(const std::string& key, const std::string& caption, const std::string& text)
{
    ControlDesign design{.key = key, .kind = ControlKind::TextBox, .caption = caption, .readOnly = true};
    Control& control = add(std::move(design));
    control.setText(text);
    return control;
}

Control& FormBuilder::memo(const std::string& key, const std::string& caption, const std::string& text, bool readOnly)
{
    ControlDesign design{.key = key, .kind = ControlKind::Memo, .caption = caption, .readOnly = readOnly};
    Control& control = add(std::move(design));
    control.setText(text);
    return control;
}

Control& FormBuilder::combo(const std::string& key, const std::string& caption, std::vector<std::string> items,
                            const std::string& text)
{
    Control& control = add({.key = key, .kind = ControlKind::ComboBox, .caption = caption});
    control.setItems(std::move(items));
    control.setText(text);
    return control;
}

Control& FormBuilder::list(const std::string& key, const std::string& caption, std::vector<std::string> items,
                           int index)
{
    Control& control = add({.key = key, .kind = ControlKind::DropDownList, .caption = caption});
    control.setItems(std::move(items));
    control.setIndex(index);
    return control;
}

Control& FormBuilder::listBox(const std::string& key, const std::string& caption)
{
    return add({.key = key, .kind = ControlKind::ListBox, .caption = caption});
}

Control& FormBuilder::check(const std::string& key, const std::string& caption, bool checked)
{
    Control& control = add({.key = key, .kind = ControlKind::CheckBox, .caption = caption});
    control.setChecked(checked);
    return control;
}

Control& FormBuilder::radio(const std::string& key, const std::string& caption, const std::string& group, bool checked)
{
    Control& control = add({.key = key, .kind = ControlKind::RadioButton, .caption = caption, .radioGroup = group});
    control.setChecked(checked);
    return control;
}

Control& FormBuilder::button(const std::string& key, const std::string& caption, const std::string& hint)
{
    return add({.key = key, .kind = ControlKind::Button, .caption = caption, .hint = hint});
}

Control& FormBuilder::label(const std::string& key, const std::string& caption)
{
    Control& control = add({.key = key, .kind = ControlKind::Label, .caption = caption});
    control.setText(caption);
    return control;
}

Control& FormBuilder::group(const std::string& key, const std::string& caption)
{
    return add({.key = key, .kind = ControlKind::Group, .caption = caption});
}

Control& FormBuilder::trackBar(const std::string& key, const std::string& caption, int minimum, int maximum)
{
    Control& control = add({.key = key, .kind = ControlKind::TrackBar, .caption = caption});
    control.setRange(minimum, maximum);
    return control;
}

Control& FormBuilder::grid(const std::string& key, const std::string& caption, std::size_t rows, std::size_t columns,
                           const std::vector<std::string>& columnHeadings, const std::vector<std::string>& rowHeadings)
{
    Control& control = add({.key = key, .kind = ControlKind::Grid, .caption = caption});
    control.setGridSize(rows, columns);
    for (std::size_t c = 0; c < columnHeadings.size() && c < columns; ++c)
        control.setCell(0, c, columnHeadings[c]);
    for (std::size_t r = 0; r < rowHeadings.size() && r + 1 < rows; ++r)
        control.setCell(r + 1, 0, rowHeadings[r]);
    return control;
}

} // namespace plorik
