#include "io/FolderLock.h"

namespace plorik {

std::optional<FolderLock> FolderLock::tryLock(const std::filesystem::path& folder)
{
    bool busy = false;
    const platform::NativeFile lock = platform::lockFolder(folder, busy);
    if (busy)
        return std::nullopt;
    return FolderLock(lock);
}

FolderLock::~FolderLock()
{
    platform::unlockFolder(m_lock);
}

} // namespace plorik
