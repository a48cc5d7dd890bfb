#pragma once

#include <string>
#include <string_view>

namespace plorik {

// Case as the games' file names and the program's words know it: ASCII letters only, every other
// byte as it is.
std::string asciiLower(std::string_view text);
bool equalsIgnoringCase(std::string_view a, std::string_view b);

} // namespace plorik
