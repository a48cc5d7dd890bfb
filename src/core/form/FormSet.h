#pragma once

#include "form/Form.h"

#include <optional>
#include <string>

namespace plorik {

// One "KEY=VALUE" or "KEY[R,C]=VALUE" of --set.
struct FormSet {
    std::string key;
    std::optional<std::size_t> row;
    std::optional<std::size_t> column;
    std::string value;
};

// Reads a --set text; nullopt (with the reason) when it is malformed, or when its value (UTF-8)
// holds a character the game's text has no byte for.
std::optional<FormSet> parseFormSet(const std::string& text, std::string& error);

enum class SetOutcome {
    Done,
    NotAControl, // the form has no control of that key
    Disabled,
    NotTaken, // the control takes no such value (or is read-only)
};

// Applies it as the user's own edit, so the control's change handler runs: text for boxes, memos
// and editable lists; the item of that text, or "@N" for item N, for lists; true/false for check
// boxes and radio buttons; a number for track bars; a cell's text for grids. Unless it is done,
// `error` says why, as a line for the user ("SpeedBox is disabled").
SetOutcome applyFormSet(Form& form, const FormSet& set, std::string& error);

} // namespace plorik
