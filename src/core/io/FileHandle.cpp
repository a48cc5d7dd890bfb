#include "io/FileHandle.h"

#include "common/Errors.h"
#include "io/FileFaults.h"

#include "io/Platform.h"

#include <algorithm>
#include <cerrno>

namespace plorik {

namespace {

// Reads and writes go in pieces of at most this size, which every system accepts.
constexpr std::size_t kLargestPiece = 1 << 30;

std::string openReason(int error)
{
    switch (error) {
    case ENOENT: return "File not found";
    case EISDIR: return "Not a regular file";
    default: return systemReason();
    }
}

} // namespace

FileHandle FileHandle::openRegular(const std::filesystem::path& path, Access access)
{
    // A FIFO in the file's place is opened without waiting for a writer, and refused below.
    if (FileFaults::fails(FileFaults::Step::Open))
        throw FileError(path.string(), "Input/output error");
    const platform::NativeFile descriptor = platform::openExisting(path, access == Access::ReadWrite);
    if (descriptor == platform::kNoFile)
        throw FileError(path.string(), openReason(errno));
    FileHandle handle(path, descriptor);
    platform::FileStatus status;
    if (!platform::statusOf(descriptor, status))
        throw FileError(path.string(), systemReason());
    if (!status.regular)
        throw FileError(path.string(), "Not a regular file");
    return handle;
}

FileHandle FileHandle::createScratch(const std::filesystem::path& path)
{
    // remove() takes away a link itself, never what it points to; a folder of that name stays and
    // makes the creation below fail.
    std::error_code ignored;
    const auto status = std::filesystem::symlink_status(path, ignored);
    if (std::filesystem::exists(status) && !std::filesystem::is_directory(status))
        remove(path);
    if (FileFaults::fails(FileFaults::Step::Create))
        throw FileError(path.string(), "Input/output error");
    const platform::NativeFile descriptor = platform::createNew(path);
    if (descriptor == platform::kNoFile)
        throw FileError(path.string(), errno == EEXIST ? "Cannot create the scratch file" : systemReason());
    return FileHandle(path, descriptor);
}

std::error_code FileHandle::remove(const std::filesystem::path& path)
{
    if (FileFaults::fails(FileFaults::Step::Remove))
        return std::make_error_code(std::errc::io_error);
    std::error_code error;
    std::filesystem::remove(path, error);
    return error;
}

FileHandle::FileHandle(FileHandle&& other) noexcept
    : m_path(std::move(other.m_path)), m_descriptor(other.m_descriptor), m_appendAt(other.m_appendAt)
{
    other.m_descriptor = platform::kNoFile;
}

FileHandle& FileHandle::operator=(FileHandle&& other) noexcept
{
    if (this != &other) {
        if (m_descriptor != platform::kNoFile)
            platform::closeFile(m_descriptor);
        m_path = std::move(other.m_path);
        m_descriptor = other.m_descriptor;
        m_appendAt = other.m_appendAt;
        other.m_descriptor = platform::kNoFile;
    }
    return *this;
}

FileHandle::~FileHandle()
{
    if (m_descriptor != platform::kNoFile)
        platform::closeFile(m_descriptor);
}

std::int64_t FileHandle::size() const
{
    platform::FileStatus status;
    if (!platform::statusOf(m_descriptor, status))
        throw FileError(m_path.string(), systemReason());
    return status.size;
}

std::size_t FileHandle::readAt(std::int64_t offset, std::span<std::uint8_t> bytes) const
{
    if (offset < 0)
        throw FileError(m_path.string(), "Read at a negative offset " + std::to_string(offset));
    if (FileFaults::fails(FileFaults::Step::Read))
        throw FileError(m_path.string(), "Read error: Input/output error");
    std::size_t done = 0;
    while (done < bytes.size()) {
        const std::size_t piece = std::min(bytes.size() - done, kLargestPiece);
        const long long got = platform::readAt(m_descriptor, bytes.data() + done, piece, offset + std::int64_t(done));
        if (got < 0) {
            if (errno == EINTR)
                continue;
            throw FileError(m_path.string(), "Read error: " + systemReason());
        }
        if (got == 0)
            break;
        done += static_cast<std::size_t>(got);
    }
    return done;
}

std::string FileHandle::readAll() const
{
    const std::int64_t length = size();
    std::string text(static_cast<std::size_t>(length), '\0');
    const std::size_t got = readAt(0, std::span(reinterpret_cast<std::uint8_t*>(text.data()), text.size()));
    text.resize(got);
    return text;
}

void FileHandle::writeAt(std::int64_t offset, std::span<const std::uint8_t> bytes)
{
    if (offset < 0)
        throw FileError(m_path.string(), "Write at a negative offset " + std::to_string(offset));
    std::size_t limit = bytes.size();
    const bool failing = FileFaults::fails(FileFaults::Step::Write, &limit);
    if (failing)
        bytes = bytes.first(std::min(limit, bytes.size()));
    std::size_t done = 0;
    while (done < bytes.size()) {
        const std::size_t piece = std::min(bytes.size() - done, kLargestPiece);
        const long long put = platform::writeAt(m_descriptor, bytes.data() + done, piece, offset + std::int64_t(done));
        if (put < 0 && errno == EINTR)
            continue;
        if (put <= 0)
            throw FileError(m_path.string(), "Write error: " + (put < 0 ? systemReason() : std::string("disk full")));
        done += static_cast<std::size_t>(put);
    }
    if (failing)
        throw FileError(m_path.string(), "Write error: No space left on device");
}

void FileHandle::append(std::string_view bytes)
{
    writeAt(m_appendAt, std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()));
    m_appendAt += static_cast<std::int64_t>(bytes.size());
}

void FileHandle::flush()
{
    if (FileFaults::fails(FileFaults::Step::Flush))
        throw FileError(m_path.string(), "Input/output error");
    if (!platform::flushData(m_descriptor))
        throw FileError(m_path.string(), systemReason());
}

void FileHandle::truncate(std::int64_t size)
{
    if (!platform::truncateFile(m_descriptor, size))
        throw FileError(m_path.string(), systemReason());
}

void FileHandle::close()
{
    if (m_descriptor == platform::kNoFile)
        return;
    const platform::NativeFile descriptor = m_descriptor;
    m_descriptor = platform::kNoFile;
    const bool closed = platform::closeFile(descriptor);
    if (!closed)
        throw FileError(m_path.string(), systemReason());
    if (FileFaults::fails(FileFaults::Step::Close))
        throw FileError(m_path.string(), "Input/output error");
}

} // namespace plorik
