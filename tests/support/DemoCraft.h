#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace plorik::testing {

// The invented craft of the demo games, one per slot.
std::string demoCraftName(std::int32_t slot);
// A short name of at most 7 characters.
std::string demoShortName(std::int32_t slot);
// Species numbers 1 to `count` in the order the demo's species files list them: ascending, except
// that 30 comes before 3, so that a number that begins another is not found by its beginning.
std::vector<std::int32_t> demoSpeciesOrder(std::int32_t count);

} // namespace plorik::testing
