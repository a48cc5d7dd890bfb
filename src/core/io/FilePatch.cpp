#include "io/FilePatch.h"

namespace plorik {

std::vector<std::uint8_t> littleEndianBytes(std::uint32_t value, std::size_t width)
{
    std::vector<std::uint8_t> bytes;
    for (std::size_t i = 0; i < width; ++i)
        bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    return bytes;
}

std::optional<std::string> patchOutside(const std::vector<FilePatch>& patches, std::int64_t size,
                                        const std::string& file)
{
    for (const FilePatch& patch : patches) {
        const std::int64_t end = patch.offset + static_cast<std::int64_t>(patch.bytes.size());
        if (patch.offset >= 0 && end <= size)
            continue;
        return patch.what + " (bytes " + std::to_string(patch.offset) + " to " + std::to_string(end - 1) +
               ") lies outside " + file + ", which has " + std::to_string(size) + " bytes.";
    }
    return std::nullopt;
}

} // namespace plorik
