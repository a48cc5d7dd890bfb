#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace plorik {

// Line `number` (1-based) of a text file, or nullopt when the file has fewer lines. Throws
// FileError when the file cannot be read.
std::optional<std::string> readLineNumber(const std::filesystem::path& file, std::int64_t number);

} // namespace plorik
