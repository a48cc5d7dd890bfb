#pragma once

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <span>
#include <vector>

namespace plorik {

// A game file patched in place at computed offsets: opened for one operation, never created,
// never truncated, never loaded whole. Closed when the object goes.
class BinaryFile {
public:
    enum class Mode { Read, ReadWrite };

    // Throws FileError when the file cannot be opened in that mode (a folder counts as missing).
    BinaryFile(const std::filesystem::path& path, Mode mode);
    ~BinaryFile();
    BinaryFile(const BinaryFile&) = delete;
    BinaryFile& operator=(const BinaryFile&) = delete;

    std::int64_t size() const;
    // Reads up to `count` bytes at `offset`; fewer when the file ends first. Throws on a negative
    // offset or a read error.
    std::vector<std::uint8_t> readAt(std::int64_t offset, std::size_t count);
    // Reads exactly `count` bytes; throws FileError("Read beyond end of file") when the file is
    // shorter.
    std::vector<std::uint8_t> readExactlyAt(std::int64_t offset, std::size_t count);
    // Writes the bytes at `offset`; throws on a negative offset or a write error.
    void writeAt(std::int64_t offset, std::span<const std::uint8_t> bytes);

    const std::filesystem::path& path() const { return m_path; }

private:
    void seek(std::int64_t offset);
    std::filesystem::path m_path;
    std::FILE* m_file = nullptr;
};

} // namespace plorik
