#include "craft/FieldPosition.h"

#include "craft/SlotBuffer.h"

namespace plorik {

std::optional<std::size_t> fieldPosition(const VersionProfile& profile, Key key, std::int32_t offset,
                                         std::int32_t width)
{
    if (profile.absent(key))
        return std::nullopt;
    const std::int64_t position = std::int64_t{profile.held(key)} + offset;
    if (position < 0 || position + width > static_cast<std::int64_t>(SlotBuffer::kSize) - 1)
        return std::nullopt;
    return static_cast<std::size_t>(position);
}

} // namespace plorik
