#include "io/ExecutableView.h"

#include <algorithm>

namespace plorik {

void layOver(const std::vector<LaidBytes>& laid, std::int64_t offset, std::vector<std::uint8_t>& bytes)
{
    const std::int64_t end = offset + static_cast<std::int64_t>(bytes.size());
    for (const LaidBytes& block : laid) {
        const std::int64_t blockEnd = block.offset + static_cast<std::int64_t>(block.bytes.size());
        const std::int64_t from = std::max(offset, block.offset);
        const std::int64_t to = std::min(end, blockEnd);
        for (std::int64_t at = from; at < to; ++at)
            bytes[static_cast<std::size_t>(at - offset)] =
                static_cast<std::uint8_t>(block.bytes[static_cast<std::size_t>(at - block.offset)]);
    }
}

std::vector<std::uint8_t> ExecutableView::readAt(std::int64_t offset, std::size_t count) const
{
    std::vector<std::uint8_t> bytes = m_file.readAt(offset, count);
    if (m_laid)
        layOver(*m_laid, offset, bytes);
    return bytes;
}

std::vector<std::uint8_t> ExecutableView::readExactlyAt(std::int64_t offset, std::size_t count) const
{
    std::vector<std::uint8_t> bytes = m_file.readExactlyAt(offset, count);
    if (m_laid)
        layOver(*m_laid, offset, bytes);
    return bytes;
}

} // namespace plorik
