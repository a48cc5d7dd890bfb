#pragma once

#include "form/ControlSpec.h"

namespace plorik::ui::cockpit {

// The "PLORIK Cockpit editor" window.
inline constexpr std::string_view kCockpitEditorCaption = "PLORIK Cockpit editor";

inline constexpr ControlSpec IntFileGroup{
    .key = "IntFileGroup", .kind = ControlKind::Group, .caption = "&INT file editor"};

} // namespace plorik::ui::cockpit
