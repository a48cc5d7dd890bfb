#pragma once

#include "hooks/HookSection.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace plorik {

// Reads the text files the XWA hooks read beside the models, the way they read them: split at LF
// only (a CR-only file is one line), each line trimmed, comments only at line start ("#", ";",
// "//"), a header only when the trimmed line starts with "[" and ends with "]", its name compared
// without case and not trimmed. Files are streamed in blocks, so memory stays small whatever their
// size; a file outside the game folder (by ".." or through a link) is not read.
//
// Whatever a file holds that the hooks would read otherwise than its author meant (a byte order mark,
// CR-only line ends, a line too long to read) is noted once per file in problems().
class HookFiles {
public:
    static constexpr std::size_t kMaxLine = 64 * 1024;           // longer lines are not read
    static constexpr std::size_t kMaxSection = 1024 * 1024;      // kept bytes of one section
    static constexpr std::int64_t kMaxFile = 64LL * 1024 * 1024; // larger files are not read

    explicit HookFiles(std::string gameDir);

    // `[Model]<Section>.txt`: every kept line before the first header (a "[]" header starts them
    // again).
    HookSection readWhole(const std::string& name);
    // The sections named `section` in an `.ini` file, joined in file order.
    HookSection readSection(const std::string& name, std::string_view section);
    // Whether the game file `name` exists inside the game folder.
    bool exists(const std::string& name) const;

    const std::vector<std::string>& problems() const { return m_problems; }
    void addProblem(const std::string& text);

private:
    HookSection read(const std::string& name, std::string_view section, bool whole);
    // The file's real path, or nothing (with a problem noted) when it is missing or lies outside the
    // game folder.
    std::optional<std::filesystem::path> locate(const std::string& name);
    // False when the folder of `name` is known not to hold it: each folder is listed once, so that
    // the many files the hooks may read but few games have cost no look each.
    bool mayExist(const std::string& name) const;

    std::string m_gameDir;
    std::filesystem::path m_folder; // the game folder's real path
    std::vector<std::string> m_problems;
    // The names each folder looked into holds, in lower case; no entry for a folder that cannot
    // be listed.
    mutable std::map<std::string, std::optional<std::set<std::string>>> m_listings;
};

} // namespace plorik
