#include "gamefiles/GameLines.h"

namespace plorik {

std::int64_t GameLines::gender(const VersionProfile& profile, std::int32_t slot)
{
    return std::int64_t{profile.written(Key::GenderStrtLine)} + slot;
}

std::int64_t GameLines::plural(const VersionProfile& profile, std::int32_t slot)
{
    return std::int64_t{profile.written(Key::PluralStrtLine)} + slot - 1;
}

std::int64_t GameLines::shortName(const VersionProfile& profile, std::int32_t slot)
{
    return std::int64_t{profile.written(Key::ShortNamesLine)} + slot - 1;
}

std::int32_t GameLines::longNameDistance(std::int32_t slot)
{
    switch (slot) {
    case 70: return 90;
    case 71: return 89;
    case 72: return 77;
    case 73: return 91;
    default: return slot - 1;
    }
}

std::int64_t GameLines::longName(const VersionProfile& profile, std::int32_t slot)
{
    return std::int64_t{profile.written(Key::LongNameStrtLine)} + longNameDistance(slot);
}

} // namespace plorik
