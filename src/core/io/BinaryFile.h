#pragma once

#include "io/FileHandle.h"

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace plorik {

// A game file patched in place at computed offsets: opened for one operation, never created,
// never truncated, never loaded whole. Closed when the object goes.
class BinaryFile {
public:
    enum class Mode { Read, ReadWrite };

    // Throws FileError when the file cannot be opened in that mode (only regular files open; a
    // write-protected file does not open for writing, whoever runs the program).
    BinaryFile(const std::filesystem::path& path, Mode mode);

    std::int64_t size() const { return m_file.size(); }
    // Reads up to `count` bytes at `offset`; fewer when the file ends first. Throws on a negative
    // offset or a read error.
    std::vector<std::uint8_t> readAt(std::int64_t offset, std::size_t count) const;
    // Reads exactly `count` bytes; throws FileError("Read beyond end of file") when the file is
    // shorter.
    std::vector<std::uint8_t> readExactlyAt(std::int64_t offset, std::size_t count) const;
    // Writes the bytes at `offset`. The file never grows: a write that would reach past its end
    // throws FileError and writes nothing.
    void writeAt(std::int64_t offset, std::span<const std::uint8_t> bytes);

    // Writes one region (a craft entry, a ship type entry, ...) in a single positioned write, reads
    // it back and compares: a short write or a region that reads back otherwise is an error naming
    // `region`.
    void writeRegion(std::int64_t offset, std::span<const std::uint8_t> bytes, const std::string& region);

    const std::filesystem::path& path() const { return m_file.path(); }

private:
    FileHandle m_file;
};

// Throws FileError when the real path of `path` (every link followed, the file's own and its
// folders') does not lie inside the real path of `folder`: PLORIK writes nothing through such a link.
// `folderName` names the folder in the message.
void refuseLinkOutside(const std::filesystem::path& path, const std::filesystem::path& folder,
                       std::string_view folderName = "the game folder");

// Throws FileError when a folder is write-protected (its owner may not write it): a file cannot be
// replaced in it, whoever runs the program.
void refuseFolderWriteProtected(const std::filesystem::path& folder);

// Throws FileError when a file is write-protected (its owner may not write it); checked before a
// file is written or replaced, so root does not override a modder's protection either.
void refuseWriteProtected(const std::filesystem::path& path);

} // namespace plorik
