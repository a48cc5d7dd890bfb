#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace plorik {

// Line `number` (1-based) of a text file, or nullopt when the file has fewer lines. Throws
// FileError when the file cannot be read.
std::optional<std::string> readLineNumber(const std::filesystem::path& file, std::int64_t number);
// The first `count` lines of a text file (all of them when it has fewer), cut at 255 characters.
std::vector<std::string> readFirstLines(const std::filesystem::path& file, std::int64_t count);

} // namespace plorik
