#include "backup/ImageRegions.h"

#include "common/Errors.h"

#include <system_error>

namespace plorik {

namespace {

std::string bytesText(std::int64_t offset, std::int64_t length, std::int64_t size)
{
    return " lies at bytes " + std::to_string(offset) + " to " + std::to_string(offset + length - 1) +
           ", but the executable has " + std::to_string(size) + " bytes";
}

bool inside(const BinaryFile& exe, std::int64_t offset, std::int64_t length)
{
    return offset >= 0 && length >= 0 && offset + length <= exe.size();
}

} // namespace

std::string blockDescription(ImageBlockKind kind)
{
    switch (kind) {
    case ImageBlockKind::CraftTable: return "the craft table";
    case ImageBlockKind::ShipTypeBlock: return "the ship type block";
    case ImageBlockKind::WeaponBlock: return "the weapon block";
    case ImageBlockKind::SpeciesTable: return "the species table";
    }
    return "a block";
}

std::string readRegion(const BinaryFile& exe, std::int64_t offset, std::int64_t length, const std::string& what)
{
    if (!inside(exe, offset, length))
        throw FileError(exe.path().string(),
                        "Read beyond end of file: " + what + bytesText(offset, length, exe.size()));
    const std::vector<std::uint8_t> bytes = exe.readExactlyAt(offset, static_cast<std::size_t>(length));
    return std::string(bytes.begin(), bytes.end());
}

void checkInside(const BinaryFile& exe, std::int64_t offset, std::int64_t length, const std::string& what)
{
    if (!inside(exe, offset, length))
        throw PlorikError(what + bytesText(offset, length, exe.size()) + ".");
}

std::optional<FileHandle> openImageBlock(const BackupImage& image, const ImageBlock& block)
{
    const std::filesystem::path path = image.file(block.fileName());
    std::error_code absent;
    if (!std::filesystem::exists(std::filesystem::symlink_status(path, absent)))
        return std::nullopt;
    FileHandle file = FileHandle::openRegular(path, FileHandle::Access::Read);
    const std::int64_t expected = image.takenLength(block.kind);
    if (file.size() != expected)
        throw ImageRefusal("The backup image file " + block.fileName() + " (" + blockDescription(block.kind) +
                           ") has " + std::to_string(file.size()) + " bytes; a backup writes it with exactly " +
                           std::to_string(expected) + " bytes. The file was changed or replaced since the backup.");
    return file;
}

std::string readImageBlock(const BackupImage& image, const ImageBlock& block)
{
    const auto file = openImageBlock(image, block);
    if (!file)
        throw FileError(image.file(block.fileName()).string(), "File not found");
    return file->readAll();
}

} // namespace plorik
