#include "io/FilePatch.h"

#include "io/BinaryFile.h"

#include <algorithm>

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

FilePatch spanOf(const std::vector<FilePatch>& patches, const BinaryFile& file, std::string what)
{
    if (patches.empty())
        return {std::move(what), 0, {}};
    std::int64_t start = patches.front().offset;
    std::int64_t end = start;
    for (const FilePatch& patch : patches) {
        start = std::min(start, patch.offset);
        end = std::max(end, patch.offset + static_cast<std::int64_t>(patch.bytes.size()));
    }
    std::vector<std::uint8_t> span = file.readExactlyAt(start, static_cast<std::size_t>(end - start));
    for (const FilePatch& patch : patches)
        std::copy(patch.bytes.begin(), patch.bytes.end(), span.begin() + (patch.offset - start));
    return {std::move(what), start, std::move(span)};
}

} // namespace plorik
