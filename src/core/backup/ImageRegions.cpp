#include "backup/ImageRegions.h"

#include "common/Errors.h"

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

} // namespace plorik
