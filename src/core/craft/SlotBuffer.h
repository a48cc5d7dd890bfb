#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace plorik {

// The current slot's craft entry: positions 0 to 1000. Fields are little-endian.
class SlotBuffer {
public:
    // The most bytes a craft entry may have: start-up refuses a longer ENTRYLENGTH.
    static constexpr std::size_t kSize = 1001;

    std::uint8_t byte(std::size_t position) const { return m_bytes.at(position); }
    void setByte(std::size_t position, std::uint8_t value) { m_bytes.at(position) = value; }
    std::uint16_t word(std::size_t position) const;
    std::uint32_t longWord(std::size_t position) const;
    // A field of 1, 2 or 4 bytes.
    std::uint32_t value(std::size_t position, std::int32_t width) const;
    void setValue(std::size_t position, std::int32_t width, std::uint32_t value);
    // The text from `position` up to the first 0 byte, never past the buffer's end.
    std::string text(std::size_t position) const;

    std::array<std::uint8_t, kSize>& bytes() { return m_bytes; }
    const std::array<std::uint8_t, kSize>& bytes() const { return m_bytes; }

private:
    std::array<std::uint8_t, kSize> m_bytes{};
};

} // namespace plorik
