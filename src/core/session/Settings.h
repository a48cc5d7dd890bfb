#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace plorik {

// plorik.ini in the program folder: line 1 the game folder (ending in its separator), line 2 the
// executable's file name, and an optional line 3: how many MB the history of writes (PLORIKhistory)
// may hold (0: no history is kept), 64 when the line is absent or not a whole number; an optional
// line 4: "0" when the pages do not mark the fields that differ from the backup image, anything
// else (or no line) when they do.
class Settings {
public:
    static constexpr const char* kFileName = "plorik.ini";
    static constexpr std::size_t kMaxExeName = 20;
    static constexpr std::size_t kMaxPath = 255;
    static constexpr std::int64_t kDefaultHistoryMegabytes = 64;

    struct Loaded {
        std::string gameDir;
        std::string exeName;
        bool outdated = false; // the file held only line 1 and was deleted
    };

    explicit Settings(std::filesystem::path programDir) : m_programDir(std::move(programDir)) {}

    std::filesystem::path path() const;
    bool exists() const;
    // Reads both lines. A file of one line is outdated: it is deleted and the name stays empty.
    Loaded load() const;
    // Writes the two lines (and lines 3 and 4 as they were); the file is replaced only once complete.
    void save(const std::string& gameDir, const std::string& exeName) const;
    // The most bytes the history of writes may hold, from line 3; 0 when it is switched off.
    std::uint64_t historyLimit() const;
    // Whether the pages mark changed fields, from line 4.
    bool markChanges() const;
    // Sets line 4, keeping every other line; an empty line 3 stands for the history's default.
    // Nothing is written while there is no file.
    void saveMarkChanges(bool on) const;

private:
    // Line `number` (1-based), when the file holds it.
    std::optional<std::string> optionalLine(std::size_t number) const;

    std::filesystem::path m_programDir;
};

} // namespace plorik
