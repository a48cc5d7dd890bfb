#pragma once

#include "changes/ChangeReport.h"
#include "form/Form.h"

#include <vector>

namespace plorik {

// The fields whose text (check, selection, position, grid cell) differs between two forms of the
// same window, in the window's order: of the main window the fields of its pages, of an editor
// window every field. The hex view is left out: it shows the entry's bytes, not a field.
std::vector<FieldChange> formChanges(const Form& before, const Form& after, bool pagesOnly = true);

// A control's caption as a report names it: without "&" and without its closing ":".
std::string reportCaption(const Control& control);

} // namespace plorik
