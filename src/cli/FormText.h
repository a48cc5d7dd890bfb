#pragma once

#include "form/Form.h"

#include <ostream>

namespace plorik::cli {

// A form as readable lines: "KEY<TAB>text" per control, then "(disabled)", "checked"/"unchecked" and
// "position N" where they apply, and a "KEY[ROW]" line with the cells of each grid row.
void printForm(const Form& form, std::ostream& out);

} // namespace plorik::cli
