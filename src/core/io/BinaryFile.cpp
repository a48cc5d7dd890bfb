#include "io/BinaryFile.h"

#include "common/Errors.h"
#include "io/GamePath.h"
#include "io/Platform.h"

#include <algorithm>
#include <system_error>

namespace plorik {

namespace {

FileHandle openFor(const std::filesystem::path& path, BinaryFile::Mode mode)
{
    if (mode == BinaryFile::Mode::ReadWrite)
        refuseWriteProtected(path);
    return FileHandle::openRegular(path, mode == BinaryFile::Mode::Read ? FileHandle::Access::Read
                                                                        : FileHandle::Access::ReadWrite);
}

} // namespace

void refuseWriteProtected(const std::filesystem::path& path)
{
    std::error_code error;
    const auto permissions = std::filesystem::status(path, error).permissions();
    if (!error && (permissions & std::filesystem::perms::owner_write) == std::filesystem::perms::none)
        throw FileError(path.string(), "The file is write-protected");
}

void refuseFolderWriteProtected(const std::filesystem::path& folder)
{
    std::error_code error;
    const std::filesystem::path place = folder.empty() ? std::filesystem::path(".") : folder;
    const auto permissions = std::filesystem::status(place, error).permissions();
    const bool writable =
        error || ((permissions & std::filesystem::perms::owner_write) != std::filesystem::perms::none &&
                  platform::folderAccessible(place));
    if (!writable)
        throw FileError(place.string(), "The folder is write-protected");
}

void refuseLinkOutside(const std::filesystem::path& path, const std::filesystem::path& folder,
                       std::string_view folderName)
{
    // Every link on the way counts, the file's own and its folders': the real path decides.
    if (realPathInside(path, folder))
        return;
    std::error_code error;
    const bool fileLink = std::filesystem::is_symlink(std::filesystem::symlink_status(path, error));
    throw FileError(path.string(), std::string(fileLink ? "A link to a file" : "A link to a folder") + " outside " +
                                       std::string(folderName) + "; PLORIK writes nothing through it");
}

BinaryFile::BinaryFile(const std::filesystem::path& path, Mode mode) : m_file(openFor(path, mode))
{
}

std::vector<std::uint8_t> BinaryFile::readAt(std::int64_t offset, std::size_t count) const
{
    std::vector<std::uint8_t> bytes(count);
    bytes.resize(m_file.readAt(offset, bytes));
    return bytes;
}

std::vector<std::uint8_t> BinaryFile::readExactlyAt(std::int64_t offset, std::size_t count) const
{
    std::vector<std::uint8_t> bytes = readAt(offset, count);
    if (bytes.size() != count)
        throw FileError(path().string(), "Read beyond end of file");
    return bytes;
}

void BinaryFile::writeAt(std::int64_t offset, std::span<const std::uint8_t> bytes)
{
    if (offset < 0 || offset + static_cast<std::int64_t>(bytes.size()) > size())
        throw FileError(path().string(), "Write beyond end of file at offset " + std::to_string(offset));
    m_file.writeAt(offset, bytes);
}

void BinaryFile::writeRegion(std::int64_t offset, std::span<const std::uint8_t> bytes, const std::string& region)
{
    try {
        writeAt(offset, bytes);
    } catch (const FileError& failure) {
        throw FileError(path().string(), failure.reason() + " while writing " + region);
    }
    const std::vector<std::uint8_t> back = readAt(offset, bytes.size());
    if (!std::equal(back.begin(), back.end(), bytes.begin(), bytes.end()))
        throw FileError(path().string(), region + " reads back otherwise than it was written");
}

} // namespace plorik
