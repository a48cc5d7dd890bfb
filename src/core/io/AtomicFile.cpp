#include "io/AtomicFile.h"

#include "common/Errors.h"
#include "io/BinaryFile.h"
#include "io/FileFaults.h"
#include "io/FileHandle.h"
#include "io/Platform.h"

#include <system_error>

namespace plorik {

void replaceFileContent(const std::filesystem::path& target, const std::string& content,
                        const std::filesystem::path& scratch, Sync sync)
{
    // A write-protected file (or folder) is not replaced behind its owner's back.
    refuseWriteProtected(target);
    refuseFolderWriteProtected(target.parent_path());
    // An existing file's new content is on the disk before its name is, so that a crash leaves the
    // old content or the new. A new file has no old content to keep: unless asked, it is not waited
    // for.
    std::error_code absent;
    const bool replacing = std::filesystem::exists(std::filesystem::symlink_status(target, absent));
    const bool waits = replacing || sync == Sync::Always;
    FileHandle out = FileHandle::createScratch(scratch);
    try {
        out.append(content);
        if (waits)
            out.flush();
        out.close();
    } catch (const FileError&) {
        FileHandle::remove(scratch);
        throw;
    }
    std::error_code error;
    if (FileFaults::fails(FileFaults::Step::Rename))
        error = std::make_error_code(std::errc::io_error);
    else
        error = platform::replaceByRename(scratch, target);
    if (error) {
        FileHandle::remove(scratch);
        throw FileError(target.string(), error.message());
    }
}

void copyFileContent(const std::filesystem::path& source, const std::filesystem::path& target,
                     const std::filesystem::path& scratch, Sync sync)
{
    const std::string content = FileHandle::openRegular(source, FileHandle::Access::Read).readAll();
    replaceFileContent(target, content, scratch, sync);
}

void checkReplaceable(const std::filesystem::path& target, const std::filesystem::path& scratch)
{
    FileHandle::openRegular(target, FileHandle::Access::Read);
    refuseWriteProtected(target);
    // The file is replaced by a rename into its folder, which its folder must allow.
    refuseFolderWriteProtected(target.parent_path());
    FileHandle probe = FileHandle::createScratch(scratch);
    try {
        probe.close();
    } catch (const FileError&) {
        FileHandle::remove(scratch);
        throw;
    }
    // A scratch file that cannot be removed is left for the next command's creation to remove
    // (createScratch does); the check fails, since that creation may fail too.
    if (const std::error_code error = FileHandle::remove(scratch))
        throw FileError(scratch.string(), error.message());
}

std::string joinCrLf(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

} // namespace plorik
