#pragma once

#include "io/Platform.h"

#include <filesystem>
#include <optional>

namespace plorik {

// An advisory lock on a folder, held while the object lives: two PLORIKs (windows or command
// lines) never write one game folder at the same time. Nothing is created in the folder.
class FolderLock {
public:
    // The lock, or nullopt when another holds it. A folder that cannot be locked at all (a file
    // system without locks) counts as free.
    static std::optional<FolderLock> tryLock(const std::filesystem::path& folder);

    FolderLock(FolderLock&& other) noexcept : m_lock(other.m_lock) { other.m_lock = platform::kNoFile; }
    FolderLock& operator=(FolderLock&&) = delete;
    FolderLock(const FolderLock&) = delete;
    ~FolderLock();

private:
    explicit FolderLock(platform::NativeFile lock) : m_lock(lock) {}
    platform::NativeFile m_lock = platform::kNoFile;
};

} // namespace plorik
