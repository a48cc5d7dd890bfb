#include "DemoLayout.h"
#include "GameBuilder.h"

namespace plorik::testing {

namespace {

void putAt(std::vector<std::uint8_t>& exe, std::int64_t at, std::int64_t value, int width)
{
    if (at < 0 || at + width > static_cast<std::int64_t>(exe.size()))
        return;
    for (int i = 0; i < width; ++i)
        exe[static_cast<std::size_t>(at + i)] = static_cast<std::uint8_t>((value >> (8 * i)) & 0xFF);
}

// Field starts and steps in the weapon block, XvT and XWA.
struct Field {
    std::int64_t start;
    std::int64_t step;
};
constexpr Field kXvtFields[] = {{0, 4}, {96, 4}, {144, 4}, {192, 4}, {240, 4}};
constexpr Field kXwaFields[] = {{0, 4}, {112, 2}, {168, 2}, {216, 4}, {280, 2}};

} // namespace

// As many weapons as the block holds before one field's values run into the next field's.
std::int32_t GameBuilder::weaponsInDemo() const
{
    return m_xwa ? 16 : 12;
}

// Power, speed, time to live, unknown and category as the editor reads them: XWA's power is a
// signed long, which for weapon 10 has its upper word set and for weapon 11 is -1.
std::int64_t GameBuilder::weaponValue(WeaponValue field, std::int32_t weapon) const
{
    switch (field) {
    case WeaponValue::Power:
        if (m_xwa && weapon == 10)
            return 65543;
        if (m_xwa && weapon == 11)
            return -1;
        return 1000 + 250 * weapon;
    case WeaponValue::Speed: return 100 + 10 * weapon;
    case WeaponValue::TimeToLive: return 3 + weapon;
    case WeaponValue::Unknown: return 500 + weapon;
    case WeaponValue::Category: break;
    }
    return weapon % 5;
}

// The XWA weapon OPT records: weapon 1 has the enabled byte 1, every third one is switched off (2).
std::int32_t GameBuilder::weaponEnabledByte(std::int32_t weapon) const
{
    return weapon == 1 ? 1 : weapon % 3 == 2 ? 2 : 3;
}

// The craft type: projectile, unknown projectile or mine, and for weapon 11 one past the list.
std::int32_t GameBuilder::weaponCraftType(std::int32_t weapon) const
{
    if (weapon == 11)
        return 25;
    return weapon % 3 == 0 ? 7 : weapon % 3 == 1 ? 13 : 19;
}

// The model's line index in FlightModels\EQUIPMENT0.LST; weapon 9's lies past the list's end.
std::int32_t GameBuilder::weaponModelIndex(std::int32_t weapon) const
{
    return weapon == 9 ? 150 : 10 + weapon;
}

void GameBuilder::writeWeapons(std::vector<std::uint8_t>& exe) const
{
    const DemoLayout layout(m_entry);
    if (!layout.has("WEAPONOFFSET"))
        return;
    const std::int64_t block = layout.value("WEAPONOFFSET");
    const Field* fields = m_xwa ? kXwaFields : kXvtFields;
    for (std::int32_t weapon = 0; weapon < weaponsInDemo(); ++weapon) {
        for (int field = 0; field < 5; ++field) {
            const int width = m_xwa && field == 0 ? 4 : 2;
            putAt(exe, block + fields[field].start + fields[field].step * weapon,
                  weaponValue(static_cast<WeaponValue>(field), weapon), width);
        }
    }
    if (!m_xwa || !layout.has("SHIPTYPESTART"))
        return;
    const std::int64_t records =
        layout.value("SHIPTYPESTART") - 3 + (std::int64_t{m_slots} + 8) * layout.valueOr("SHIPTYPELEN", 0);
    for (std::int32_t weapon = 0; weapon < 13; ++weapon) {
        const std::int64_t record = records + 24 * weapon;
        putAt(exe, record, weaponEnabledByte(weapon), 1);
        putAt(exe, record + 3, weaponCraftType(weapon), 1);
        putAt(exe, record + 22, weaponModelIndex(weapon), 2);
    }
}

} // namespace plorik::testing
