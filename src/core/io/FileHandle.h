#pragma once

#include "io/Platform.h"

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <system_error>

namespace plorik {

// One open file, closed with the object. Only regular files are opened: a folder, a FIFO or a
// device in a file's place is an error, never a hang. Scratch files are created exclusively and
// never through a symbolic link.
class FileHandle {
public:
    enum class Access { Read, ReadWrite };

    // Opens an existing regular file; throws FileError naming it.
    static FileHandle openRegular(const std::filesystem::path& path, Access access);
    // Creates `path` for writing: a stale file or link of that name is removed first (a link is
    // removed, not followed), then the file is created exclusively. Throws FileError.
    static FileHandle createScratch(const std::filesystem::path& path);
    // Removes a file or link (never what a link points to); a path that does not exist is no error.
    static std::error_code remove(const std::filesystem::path& path);

    FileHandle(FileHandle&& other) noexcept;
    FileHandle& operator=(FileHandle&& other) noexcept;
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    ~FileHandle();

    std::int64_t size() const;
    // Reads up to bytes.size() bytes at `offset`; returns how many were read (fewer at the end).
    std::size_t readAt(std::int64_t offset, std::span<std::uint8_t> bytes) const;
    // The whole file.
    std::string readAll() const;
    // Writes every byte at `offset`; throws FileError on a short or failed write.
    void writeAt(std::int64_t offset, std::span<const std::uint8_t> bytes);
    // Writes every byte at the current end of what was written so far (for new files).
    void append(std::string_view bytes);
    // Puts what was written on the disk (before a scratch file replaces the file it stands for).
    void flush();
    // Cuts the file to `size` bytes; throws FileError.
    void truncate(std::int64_t size);
    // Closes now and reports a failure to finish the writes (the destructor cannot).
    void close();

    const std::filesystem::path& path() const { return m_path; }

private:
    FileHandle(std::filesystem::path path, platform::NativeFile descriptor)
        : m_path(std::move(path)), m_descriptor(descriptor)
    {
    }
    std::filesystem::path m_path;
    platform::NativeFile m_descriptor = platform::kNoFile;
    std::int64_t m_appendAt = 0;
};

} // namespace plorik
