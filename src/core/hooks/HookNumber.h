#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace plorik {

// A number as the hooks read it (a C library conversion with base detection): leading blanks and a
// sign, "0x" for hexadecimal, a leading "0" for octal ("010" is 8), reading stops at the first
// character that is not a digit. nullopt where the hooks throw (no digits, or beyond 32 bits), which
// ends the game.
std::optional<std::int32_t> readHookNumber(std::string_view text);

} // namespace plorik
