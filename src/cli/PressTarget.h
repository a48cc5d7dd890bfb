#pragma once

#include "form/Form.h"

#include <string>
#include <string_view>

namespace plorik::cli {

// A caption as --press names it: without "&" and without trailing dots and blanks ("&Save Ship as.."
// is "Save Ship as", "Write Wpn." is "Write Wpn").
std::string pressName(std::string_view caption);

// The control that `--press NAME` means on `form`, or nullptr:
// - a control's key (whatever its kind; the caller tells whether it takes a press);
// - BOXKEY:CAPTION, an item of the context menu of box BOXKEY;
// - CAPTION, a button, menu item or tool button outside the context menus (a context-menu caption
//   such as "Browse" recurs on several boxes, so it needs its box).
// Either caption may be given as shown or as pressName gives it.
const Control* findPressTarget(const Form& form, std::string_view name);

} // namespace plorik::cli
