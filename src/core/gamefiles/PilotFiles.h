#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

namespace plorik {

// A pilot file keeps, for each species n, a byte at 68762 + n that is 1 when the pilot knows the
// craft.
inline constexpr std::int64_t kPilotKnownCraft = 68762;

// The pilot files (*.plt, any case) of the game folder, by name.
std::vector<std::filesystem::path> pilotFiles(const std::filesystem::path& gameFolder);

} // namespace plorik
