#include "profile/VersionProfile.h"

#include "common/Errors.h"

namespace plorik {

VersionProfile::VersionProfile()
{
    for (const KeyInfo& info : keyTable()) {
        m_held[index(info.key)] = info.heldDefault;
        m_written[index(info.key)] = info.writtenDefault;
    }
}

void VersionProfile::set(Key key, std::int64_t writtenValue)
{
    const KeyInfo& info = keyInfo(key);
    const std::int64_t held = info.heldMinusOne ? writtenValue - 1 : writtenValue;
    std::int64_t low = 0;
    std::int64_t high = 0;
    std::int32_t stored = static_cast<std::int32_t>(held);
    switch (info.width) {
    case KeyWidth::Int32:
        low = INT32_MIN;
        high = INT32_MAX;
        break;
    case KeyWidth::Word: high = 65535; break;
    case KeyWidth::Byte: high = 255; break;
    case KeyWidth::ByteLow:
        stored = static_cast<std::int32_t>(static_cast<std::uint64_t>(writtenValue) & 0xFFu);
        low = INT32_MIN;
        high = INT32_MAX;
        break;
    }
    if (held < low || held > high || writtenValue < INT32_MIN || writtenValue > INT32_MAX) {
        const std::int64_t shift = info.heldMinusOne ? 1 : 0;
        throw RangeError("Range check error: the key " + std::string(info.name) + " = " + std::to_string(writtenValue) +
                         " is out of range (" + std::to_string(low + shift) + " to " + std::to_string(high + shift) +
                         ").");
    }
    m_held[index(key)] = stored;
    m_written[index(key)] = static_cast<std::int32_t>(writtenValue);
    m_given[index(key)] = true;
}

} // namespace plorik
