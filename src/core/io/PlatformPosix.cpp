#include "io/Platform.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace plorik::platform {

bool isWindows()
{
    return false;
}

NativeFile openExisting(const std::filesystem::path& path, bool write)
{
    // Opened without blocking, so a FIFO in the file's place is not waited on; the flag is taken
    // off again for everything else.
    const int descriptor = ::open(path.c_str(), (write ? O_RDWR : O_RDONLY) | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0)
        return kNoFile;
    const int flags = ::fcntl(descriptor, F_GETFL);
    if (flags < 0 || ::fcntl(descriptor, F_SETFL, flags & ~O_NONBLOCK) != 0) {
        const int error = errno;
        ::close(descriptor);
        errno = error;
        return kNoFile;
    }
    return descriptor;
}

NativeFile createNew(const std::filesystem::path& path)
{
    const int descriptor = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
    return descriptor < 0 ? kNoFile : descriptor;
}

bool statusOf(NativeFile file, FileStatus& status)
{
    struct stat buffer {};
    if (::fstat(static_cast<int>(file), &buffer) != 0)
        return false;
    status.regular = S_ISREG(buffer.st_mode);
    status.size = static_cast<std::int64_t>(buffer.st_size);
    return true;
}

long long readAt(NativeFile file, std::uint8_t* into, std::size_t count, std::int64_t offset)
{
    return ::pread(static_cast<int>(file), into, count, static_cast<off_t>(offset));
}

long long writeAt(NativeFile file, const std::uint8_t* from, std::size_t count, std::int64_t offset)
{
    return ::pwrite(static_cast<int>(file), from, count, static_cast<off_t>(offset));
}

bool flushData(NativeFile file)
{
    return ::fdatasync(static_cast<int>(file)) == 0;
}

bool truncateFile(NativeFile file, std::int64_t size)
{
    return ::ftruncate(static_cast<int>(file), static_cast<off_t>(size)) == 0;
}

bool closeFile(NativeFile file)
{
    return ::close(static_cast<int>(file)) == 0;
}

NativeFile lockFolder(const std::filesystem::path& folder, bool& busy)
{
    busy = false;
    const int descriptor = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0)
        return kNoFile;
    if (::flock(descriptor, LOCK_EX | LOCK_NB) != 0) {
        busy = errno == EWOULDBLOCK;
        ::close(descriptor);
        return kNoFile;
    }
    return descriptor;
}

void unlockFolder(NativeFile lock)
{
    if (lock != kNoFile)
        ::close(static_cast<int>(lock)); // closing releases the lock
}

std::error_code replaceByRename(const std::filesystem::path& scratch, const std::filesystem::path& target)
{
    std::error_code error;
    std::filesystem::rename(scratch, target, error);
    return error;
}

bool folderAccessible(const std::filesystem::path& folder)
{
    return ::access(folder.c_str(), W_OK | X_OK) == 0;
}

std::filesystem::path realPath(const std::filesystem::path& path, std::error_code& error)
{
    return std::filesystem::weakly_canonical(path, error);
}

bool isLink(const std::filesystem::path& path)
{
    struct stat status {};
    return ::lstat(path.c_str(), &status) == 0 && S_ISLNK(status.st_mode);
}

std::filesystem::path storedName(const std::filesystem::path& path)
{
    return path;
}

std::filesystem::path pathFromUtf8(std::string_view text)
{
    return std::filesystem::path(text);
}

std::string utf8Of(const std::filesystem::path& path)
{
    return path.string();
}

int processId()
{
    return static_cast<int>(::getpid());
}

std::filesystem::path executablePath()
{
    std::error_code error;
    return std::filesystem::read_symlink("/proc/self/exe", error);
}

std::vector<std::string> utf8Arguments(int argc, char** argv)
{
    return std::vector<std::string>(argv + std::min(argc, 1), argv + argc);
}

bool standardInputIsTerminal()
{
    return ::isatty(STDIN_FILENO) != 0;
}

std::filesystem::path userDataHome(const std::string& xdgDataHome, const std::string& home)
{
    // A relative $XDG_DATA_HOME is invalid and ignored.
    const std::filesystem::path xdg(xdgDataHome);
    if (!xdg.empty() && xdg.is_absolute())
        return xdg;
    if (!home.empty())
        return std::filesystem::path(home) / ".local" / "share";
    return {};
}

} // namespace plorik::platform
