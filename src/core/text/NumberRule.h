#pragma once

#include <cstdint>
#include <string_view>

namespace plorik {

// How every number is read from text: data.txt, the game's files and the user's input.
// Leading blanks are skipped, then an optional sign; "$", "x", "X", "0x" or "0X" make the digits
// hexadecimal. Reading stops at the first other character. A sign is applied only when the whole
// text is the number ("-5" is -5, "-5 apples" is 5). No digits give 0. The result wraps to 32 bits.
std::int32_t readNumber(std::string_view text);

// The number rule without the wrap: a number beyond 32 bits keeps its value (clamped to 2^62), so a
// range check refuses it instead of seeing what is left after the wrap. Keys of data.txt are read so.
std::int64_t readWideNumber(std::string_view text);

// The float rule: the whole text as a decimal floating-point number; anything else gives 0.
double readFloat(std::string_view text);

// The number in the first three characters of a list text ("7   X-Wing" gives 7).
std::int32_t readLeadingNumber(std::string_view text);

} // namespace plorik
