#include "craft/SlotBuffer.h"

namespace plorik {

std::uint16_t SlotBuffer::word(std::size_t position) const
{
    return static_cast<std::uint16_t>(byte(position) | (byte(position + 1) << 8));
}

std::uint32_t SlotBuffer::longWord(std::size_t position) const
{
    return static_cast<std::uint32_t>(word(position)) | (static_cast<std::uint32_t>(word(position + 2)) << 16);
}

std::uint32_t SlotBuffer::value(std::size_t position, std::int32_t width) const
{
    return width == 1 ? byte(position) : width == 2 ? word(position) : longWord(position);
}

void SlotBuffer::setValue(std::size_t position, std::int32_t width, std::uint32_t value)
{
    for (std::int32_t i = 0; i < width; ++i)
        setByte(position + static_cast<std::size_t>(i), static_cast<std::uint8_t>(value >> (8 * i)));
}

std::string SlotBuffer::text(std::size_t position) const
{
    std::string result;
    for (std::size_t i = position; i < kSize && m_bytes[i] != 0; ++i)
        result.push_back(static_cast<char>(m_bytes[i]));
    return result;
}

} // namespace plorik
