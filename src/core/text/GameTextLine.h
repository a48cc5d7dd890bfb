#pragma once

#include <string>
#include <string_view>

namespace plorik {

// A game text line without its leading "!...!" tag. A line that starts with "!" but has no second
// "!" reads as empty.
std::string gameTextLine(std::string_view line);

} // namespace plorik
