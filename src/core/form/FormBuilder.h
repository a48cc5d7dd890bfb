#pragma once

#include "form/Form.h"

#include <initializer_list>
#include <string>
#include <vector>

namespace plorik {

// Short ways to declare the controls of one page of a window with their design-time state.
class FormBuilder {
public:
    FormBuilder(Form& form, std::string page) : m_form(form), m_page(std::move(page)) {}

    Control& box(const std::string& key, const std::string& caption, const std::string& text = "n/a",
                 const std::string& unit = "");
    Control& readOnlyBox(const std::string& key, const std::string& caption, const std::string& text = "n/a");
    Control& memo(const std::string& key, const std::string& caption, const std::string& text = "",
                  bool readOnly = false);
    // An editable drop-down list: free text and items.
    Control& combo(const std::string& key, const std::string& caption, std::vector<std::string> items = {},
                   const std::string& text = "");
    // A fixed list: one of its items, or none.
    Control& list(const std::string& key, const std::string& caption, std::vector<std::string> items = {},
                  int index = -1);
    Control& listBox(const std::string& key, const std::string& caption);
    Control& check(const std::string& key, const std::string& caption, bool checked = false);
    Control& radio(const std::string& key, const std::string& caption, const std::string& group, bool checked = false);
    Control& button(const std::string& key, const std::string& caption, const std::string& hint = "");
    Control& label(const std::string& key, const std::string& caption);
    Control& group(const std::string& key, const std::string& caption);
    Control& trackBar(const std::string& key, const std::string& caption, int minimum, int maximum);
    // A grid with its headings: row 0 gets `columnHeadings`, column 0 gets `rowHeadings` from row 1.
    Control& grid(const std::string& key, const std::string& caption, std::size_t rows, std::size_t columns,
                  const std::vector<std::string>& columnHeadings = {},
                  const std::vector<std::string>& rowHeadings = {});
    Control& add(ControlDesign design);

private:
    Form& m_form;
    std::string m_page;
};

} // namespace plorik
