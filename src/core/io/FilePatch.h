#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace plorik {

class BinaryFile;

// Bytes to put into a file patched in place; `what` names them in messages ("\"Hud:\"").
struct FilePatch {
    std::string what;
    std::int64_t offset = 0;
    std::vector<std::uint8_t> bytes;
};

// `value`'s low `width` bytes, low byte first.
std::vector<std::uint8_t> littleEndianBytes(std::uint32_t value, std::size_t width);

// Says which patch would reach outside a file of `size` bytes named `file`, or nullopt when every
// patch lies inside it.
std::optional<std::string> patchOutside(const std::vector<FilePatch>& patches, std::int64_t size,
                                        const std::string& file);

// The patches as one patch named `what` over the whole span they cover, the bytes between them as
// `file` holds them now, so that they go into the file with one positioned write. Every patch must
// lie inside the file.
FilePatch spanOf(const std::vector<FilePatch>& patches, const BinaryFile& file, std::string what);

} // namespace plorik
