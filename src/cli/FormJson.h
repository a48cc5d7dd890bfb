#pragma once

#include "Json.h"

#include "form/Form.h"

namespace plorik::cli {

// One control's state with the fields that apply to its kind: "text" and "enabled" always,
// "checked" for check boxes and radio buttons, "items" and "index" for lists, "cells" for grids
// (row 0 and column 0 included), "position" for track bars.
Json controlStateJson(const Control& control);

// Every control of a form as {key: state}, in the form's order.
Json formStateJson(const Form& form);

} // namespace plorik::cli
