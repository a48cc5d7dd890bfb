#pragma once

#include <string>
#include <string_view>

namespace plorik {

// A text written as one line of a line-based file: each run of CR and LF characters becomes one
// blank, so the text can never split the line or add one.
std::string foldLineBreaks(std::string_view text);

// Whether the text holds a CR or an LF.
bool hasLineBreak(std::string_view text);

} // namespace plorik
