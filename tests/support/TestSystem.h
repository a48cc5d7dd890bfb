#pragma once

// What the tests do differently on POSIX systems and on Windows: TestSystemPosix.cpp and
// TestSystemWindows.cpp each define all of it, and the build takes the one for its system.
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace plorik::testing {

// Runs `program` with `arguments` in `folder` (the current folder when empty), its input empty and
// its output and errors written to the two files. The program's exit status, 128 + the signal that
// ended it, or -1 when it cannot be started.
int runCapturing(const std::string& program, const std::vector<std::string>& arguments,
                 const std::filesystem::path& folder, const std::filesystem::path& out,
                 const std::filesystem::path& err);

// Makes a FIFO at `path`; false where the system has none (Windows).
bool makeFifo(const std::filesystem::path& path);
bool systemHasFifos();

// Whether this process may make symbolic links (Windows lets only some users make them; Wine makes
// none).
bool linksCanBeMade();

// The most memory the process has held so far, in kilobytes.
std::int64_t peakMemoryKilobytes();

// Files may grow to `limit` bytes only, while the object lives; does nothing where the system has
// no such limit (see available()).
class FileSizeLimit {
public:
    static bool available();
    explicit FileSizeLimit(std::uint64_t limit);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    std::uint64_t m_old = 0;
    void (*m_oldHandler)(int) = nullptr;
};

} // namespace plorik::testing
