#pragma once

#include <cstdint>
#include <string>

namespace plorik {

// The OPT list file named by a ship type entry's selector, relative to the game folder, or
// "unknown" for a selector without a list.
std::string optListFileName(std::int32_t selector, bool xwa);

inline constexpr const char* kUnknownOptList = "unknown";

} // namespace plorik
