#include "io/FileHandle.h"

#include "common/Errors.h"
#include "io/FileFaults.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace plorik {

namespace {

#ifdef _WIN32
// Windows has no FIFOs to hang on and no symbolic links that plain opens follow silently.
constexpr int kNoBlock = 0;
constexpr int kNoFollow = 0;
constexpr int kBinary = O_BINARY;
using StatBuffer = struct _stat64;
int statOf(int descriptor, StatBuffer& buffer)
{
    return _fstat64(descriptor, &buffer);
}
bool isRegular(const StatBuffer& buffer)
{
    return (buffer.st_mode & _S_IFMT) == _S_IFREG;
}
long long readSome(int descriptor, std::uint8_t* into, std::size_t count, std::int64_t offset)
{
    if (_lseeki64(descriptor, offset, SEEK_SET) < 0)
        return -1;
    return _read(descriptor, into, static_cast<unsigned>(count));
}
long long writeSome(int descriptor, const std::uint8_t* from, std::size_t count, std::int64_t offset)
{
    if (_lseeki64(descriptor, offset, SEEK_SET) < 0)
        return -1;
    return _write(descriptor, from, static_cast<unsigned>(count));
}
int closeDescriptor(int descriptor)
{
    return _close(descriptor);
}
int syncDescriptor(int descriptor)
{
    return _commit(descriptor);
}
int openDescriptor(const std::filesystem::path& path, int flags, int mode = 0)
{
    return _wopen(path.c_str(), flags, mode);
}
#else
constexpr int kNoBlock = O_NONBLOCK;
constexpr int kNoFollow = O_NOFOLLOW;
constexpr int kBinary = 0;
using StatBuffer = struct stat;
int statOf(int descriptor, StatBuffer& buffer)
{
    return ::fstat(descriptor, &buffer);
}
bool isRegular(const StatBuffer& buffer)
{
    return S_ISREG(buffer.st_mode);
}
long long readSome(int descriptor, std::uint8_t* into, std::size_t count, std::int64_t offset)
{
    return ::pread(descriptor, into, count, static_cast<off_t>(offset));
}
long long writeSome(int descriptor, const std::uint8_t* from, std::size_t count, std::int64_t offset)
{
    return ::pwrite(descriptor, from, count, static_cast<off_t>(offset));
}
int closeDescriptor(int descriptor)
{
    return ::close(descriptor);
}
int syncDescriptor(int descriptor)
{
    return ::fdatasync(descriptor);
}
int openDescriptor(const std::filesystem::path& path, int flags, int mode = 0)
{
    return ::open(path.c_str(), flags | O_CLOEXEC, mode);
}
#endif

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
    // Opened without blocking, so a FIFO in the file's place is refused instead of waiting for a
    // writer; the flag is taken off again for a regular file.
    const int flags = (access == Access::Read ? O_RDONLY : O_RDWR) | kNoBlock | kBinary;
    if (FileFaults::fails(FileFaults::Step::Open))
        throw FileError(path.string(), "Input/output error");
    const int descriptor = openDescriptor(path, flags);
    if (descriptor < 0)
        throw FileError(path.string(), openReason(errno));
    FileHandle handle(path, descriptor);
    StatBuffer status{};
    if (statOf(descriptor, status) != 0)
        throw FileError(path.string(), systemReason());
    if (!isRegular(status))
        throw FileError(path.string(), "Not a regular file");
#ifndef _WIN32
    const int current = ::fcntl(descriptor, F_GETFL);
    if (current < 0 || ::fcntl(descriptor, F_SETFL, current & ~O_NONBLOCK) != 0)
        throw FileError(path.string(), systemReason());
#endif
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
    const int descriptor = openDescriptor(path, O_WRONLY | O_CREAT | O_EXCL | kNoFollow | kBinary, 0644);
    if (descriptor < 0)
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
    other.m_descriptor = -1;
}

FileHandle& FileHandle::operator=(FileHandle&& other) noexcept
{
    if (this != &other) {
        if (m_descriptor >= 0)
            closeDescriptor(m_descriptor);
        m_path = std::move(other.m_path);
        m_descriptor = other.m_descriptor;
        m_appendAt = other.m_appendAt;
        other.m_descriptor = -1;
    }
    return *this;
}

FileHandle::~FileHandle()
{
    if (m_descriptor >= 0)
        closeDescriptor(m_descriptor);
}

std::int64_t FileHandle::size() const
{
    StatBuffer status{};
    if (statOf(m_descriptor, status) != 0)
        throw FileError(m_path.string(), systemReason());
    return static_cast<std::int64_t>(status.st_size);
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
        const long long got = readSome(m_descriptor, bytes.data() + done, piece, offset + std::int64_t(done));
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
        const long long put = writeSome(m_descriptor, bytes.data() + done, piece, offset + std::int64_t(done));
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
    if (syncDescriptor(m_descriptor) != 0)
        throw FileError(m_path.string(), systemReason());
}

void FileHandle::close()
{
    if (m_descriptor < 0)
        return;
    const int descriptor = m_descriptor;
    m_descriptor = -1;
    const bool closed = closeDescriptor(descriptor) == 0;
    if (!closed)
        throw FileError(m_path.string(), systemReason());
    if (FileFaults::fails(FileFaults::Step::Close))
        throw FileError(m_path.string(), "Input/output error");
}

} // namespace plorik
