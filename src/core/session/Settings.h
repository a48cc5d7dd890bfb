#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace plorik {

// plorik.ini in the program folder: line 1 the game folder (ending in its separator), line 2 the
// executable's file name.
class Settings {
public:
    static constexpr const char* kFileName = "plorik.ini";
    static constexpr std::size_t kMaxExeName = 20;
    static constexpr std::size_t kMaxPath = 255;

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
    // Writes the two lines; the file is replaced only once complete.
    void save(const std::string& gameDir, const std::string& exeName) const;

private:
    std::filesystem::path m_programDir;
};

} // namespace plorik
