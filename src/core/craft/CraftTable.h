#pragma once

#include "craft/SlotBuffer.h"
#include "io/ExecutableView.h"
#include "profile/VersionProfile.h"

#include <cstdint>
#include <filesystem>
#include <vector>

namespace plorik {

// Where slot n (1-based) lies in the tables of the executable.
class CraftTable {
public:
    explicit CraftTable(const VersionProfile& profile) : m_profile(profile) {}

    std::int64_t craftEntryOffset(std::int32_t slot) const;
    // The first byte of the ship type entry; its fields are addressed from 3 bytes further on.
    std::int64_t shipTypeEntryOffset(std::int32_t slot) const;
    std::int64_t shipTypeBase(std::int32_t slot) const;
    std::int64_t weaponOptRecordOffset(std::int32_t slot) const;
    std::int64_t speciesEntryOffset(std::int32_t species) const;

    // Reads slot `slotOffset / ENTRYLENGTH + 1`'s craft entry into the buffer. When the file ends
    // early, the rest of the buffer keeps what it held. Throws FileError. `laid` stands in for the
    // file's bytes where it reaches.
    void readSlot(const std::filesystem::path& executable, std::int32_t slotOffset, SlotBuffer& buffer,
                  const std::vector<LaidBytes>* laid = nullptr) const;

private:
    const VersionProfile& m_profile;
};

} // namespace plorik
