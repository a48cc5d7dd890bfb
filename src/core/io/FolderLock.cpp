#include "io/FolderLock.h"

#ifndef _WIN32
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#endif

namespace plorik {

std::optional<FolderLock> FolderLock::tryLock(const std::filesystem::path& folder)
{
#ifdef _WIN32
    (void)folder;
    return FolderLock(-1);
#else
    const int descriptor = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0)
        return FolderLock(-1);
    if (::flock(descriptor, LOCK_EX | LOCK_NB) != 0) {
        const bool held = errno == EWOULDBLOCK;
        ::close(descriptor);
        if (held)
            return std::nullopt;
        return FolderLock(-1);
    }
    return FolderLock(descriptor);
#endif
}

FolderLock::~FolderLock()
{
#ifndef _WIN32
    if (m_descriptor >= 0)
        ::close(m_descriptor); // closing releases the lock
#endif
}

} // namespace plorik
