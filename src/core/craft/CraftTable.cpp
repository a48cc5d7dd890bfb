#include "craft/CraftTable.h"

#include "io/BinaryFile.h"

#include <algorithm>

namespace plorik {

std::int64_t CraftTable::craftEntryOffset(std::int32_t slot) const
{
    return std::int64_t{m_profile.held(Key::CraftOffset)} + std::int64_t{slot - 1} * m_profile.entryLength();
}

std::int64_t CraftTable::shipTypeBase(std::int32_t slot) const
{
    return std::int64_t{m_profile.held(Key::ShipTypeStart)} + std::int64_t{slot - 1} * m_profile.held(Key::ShipTypeLen);
}

std::int64_t CraftTable::shipTypeEntryOffset(std::int32_t slot) const
{
    return shipTypeBase(slot) - 3;
}

std::int64_t CraftTable::weaponOptRecordOffset(std::int32_t slot) const
{
    const std::int64_t blockStart = std::int64_t{m_profile.held(Key::ShipTypeStart)} - 3 +
                                    (std::int64_t{m_profile.slotCount()} + 8) * m_profile.held(Key::ShipTypeLen);
    return blockStart + std::int64_t{slot - 1} * 24;
}

std::int64_t CraftTable::speciesEntryOffset(std::int32_t species) const
{
    return std::int64_t{m_profile.held(Key::SpecNoOffset)} + 2 * (std::int64_t{species} - 1);
}

void CraftTable::readSlot(const std::filesystem::path& executable, std::int32_t slotOffset, SlotBuffer& buffer,
                          const std::vector<LaidBytes>* laid) const
{
    const BinaryFile file(executable, BinaryFile::Mode::Read);
    const ExecutableView exe(file, laid);
    const std::size_t length =
        static_cast<std::size_t>(std::clamp<std::int32_t>(m_profile.entryLength(), 0, SlotBuffer::kSize));
    const std::vector<std::uint8_t> bytes =
        exe.readAt(std::int64_t{m_profile.held(Key::CraftOffset)} + slotOffset, length);
    std::copy(bytes.begin(), bytes.end(), buffer.bytes().begin());
}

} // namespace plorik
