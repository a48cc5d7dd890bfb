#include "DemoLayout.h"
#include "GameBuilder.h"

#include <array>

namespace plorik::testing {

namespace {

// Ship types by slot, repeating: mostly fighters, each scale class present, and one type past the
// list's last item.
constexpr std::array<std::int32_t, 12> kShipTypes = {0, 0, 0, 1, 2, 3, 4, 5, 9, 17, 0, 23};
constexpr std::array<std::int32_t, 10> kWeaponSystems = {0, 1, 2, 4, 8, 16, 32, 64, 128, 3};

void put8(std::vector<std::uint8_t>& bytes, std::int64_t at, std::int64_t value)
{
    bytes.at(static_cast<std::size_t>(at)) = static_cast<std::uint8_t>(value & 0xFF);
}

void put16(std::vector<std::uint8_t>& bytes, std::int64_t at, std::int64_t value)
{
    put8(bytes, at, value);
    put8(bytes, at + 1, value >> 8);
}

} // namespace

std::int32_t GameBuilder::enabledMarker(std::int32_t slot) const
{
    return slot % 7 == 0 ? 2 : 3;
}

std::int32_t GameBuilder::shipType(std::int32_t slot) const
{
    return kShipTypes[static_cast<std::size_t>((slot - 1) % 12)];
}

std::int32_t GameBuilder::weaponSystem(std::int32_t slot) const
{
    return kWeaponSystems[static_cast<std::size_t>(slot % 10)];
}

std::int32_t GameBuilder::targetType(std::int32_t slot) const
{
    if (slot % 5 == 0)
        return 71;
    return slot % 5 == 1 ? 67 : 100 + slot % 100;
}

// XvT: 0, 1, 2 name the three lists, 5 none. XWA: 0 and 1 name the two lists, 2 and 256 none (256
// has the low byte of list 0).
std::int32_t GameBuilder::optList(std::int32_t slot) const
{
    if (m_xwa) {
        if (slot % 20 == 0)
            return 256;
        if (slot % 10 == 0)
            return 2;
        return slot % 3 == 2 ? 1 : 0;
    }
    return slot % 10 == 0 ? 5 : slot % 3;
}

// XWA slot 3 uses index 260, whose low byte is another line's index.
std::int32_t GameBuilder::optIndex(std::int32_t slot) const
{
    if (m_xwa && slot == 3)
        return 260;
    return slot - 1;
}

std::int32_t GameBuilder::slotOfSpecies(std::int32_t species) const
{
    const std::int32_t slots = m_slots;
    if (species == 5)
        return 0; // unused: slot 5 has no species
    if (slots >= 40) {
        // A few slots own another species than their number.
        switch (species) {
        case 4: return 40;
        case 40: return 4;
        case 20: return 21;
        case 21: return 20;
        default: break;
        }
    }
    return species;
}

std::int32_t GameBuilder::species(std::int32_t slot) const
{
    const std::int32_t slots = m_slots;
    for (std::int32_t k = 1; k <= slots; ++k) {
        if (slotOfSpecies(k) == slot)
            return k;
    }
    return 0;
}

// The ship type block: LASTCRAFT + 8 entries from SHIPTYPESTART - 3; fields from the base
// SHIPTYPESTART + (n - 1) x SHIPTYPELEN. Bytes that no field uses hold slot + position.
void GameBuilder::writeShipTypes(std::vector<std::uint8_t>& exe) const
{
    const DemoLayout layout(m_entry);
    if (!layout.has("SHIPTYPESTART"))
        return;
    const bool xwa = layout.xwa();
    const std::int64_t start = layout.value("SHIPTYPESTART");
    const std::int64_t length = layout.value("SHIPTYPELEN");
    for (std::int32_t slot = 1; slot <= layout.slots() + 8; ++slot) {
        const std::int64_t base = start + (slot - 1) * length;
        for (std::int64_t p = base - 3; p < base - 3 + length; ++p)
            put8(exe, p, slot + p);
        put8(exe, base - 3, enabledMarker(slot));
        put8(exe, base + 0, shipType(slot));
        put8(exe, base + 14, weaponSystem(slot));
        if (xwa) {
            put8(exe, base + 13, targetType(slot));
            put8(exe, base + 15, slot - 1);
            put16(exe, base + 17, optList(slot));
            put16(exe, base + 19, optIndex(slot));
        } else {
            put8(exe, base + 19, targetType(slot));
            put8(exe, base + 20, slot - 1);
            put8(exe, base + 21, optList(slot));
            put8(exe, base + 22, optIndex(slot));
        }
    }
}

} // namespace plorik::testing
