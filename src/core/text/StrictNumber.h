#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace plorik {

// Numbers that must be whole, for values written as they are typed (the free values of the
// "Unknown" page): blanks around the number are allowed, then an optional sign and decimal digits,
// or hexadecimal digits after "$" or "0x". Anything else, or a number beyond 64 bits, is nullopt.
std::optional<std::int64_t> parseWholeNumber(std::string_view text);

// A single-precision float, rounded correctly from the decimal text, so that the shortest text of
// a float reads back as the same float ("3.4028235e+38", "-nan" and "inf" included). Blanks around
// it are allowed; anything else is nullopt.
std::optional<float> parseSingle(std::string_view text);

} // namespace plorik
