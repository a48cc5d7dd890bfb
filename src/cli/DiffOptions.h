#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace plorik::cli {

// The arguments of `diff`: what to compare with, which slots, and how to print the report.
struct DiffOptions {
    enum class Format { Text, Markdown, Json };
    std::optional<std::filesystem::path> against; // nullopt: the backup image
    std::int32_t first = 1;
    std::int32_t last = INT32_MAX;
    Format format = Format::Text;
};

// nullopt (with the reason in `error`) for arguments diff does not take.
std::optional<DiffOptions> parseDiffOptions(const std::vector<std::string>& arguments, std::string& error);

} // namespace plorik::cli
