#include "profile/ProfileKey.h"

#include <string>

namespace plorik {

namespace {

constexpr KeyInfo word(Key key, std::string_view name)
{
    return {key, name, KeyWidth::Word, false, kAbsent, kAbsent};
}

constexpr KeyInfo int32(Key key, std::string_view name)
{
    return {key, name, KeyWidth::Int32, false, kAbsent, kAbsent};
}

constexpr std::array<KeyInfo, kKeyCount> kKeys = {{
    word(Key::IntPanOffset, "INTPANOFFSET"),
    int32(Key::WeaponOffset, "WEAPONOFFSET"),
    int32(Key::CraftOffset, "CRAFTOFFSET"),
    int32(Key::EntryLength, "ENTRYLENGTH"),
    word(Key::IffName, "IFFNAME"),
    {Key::XwaType, "XWATYPE", KeyWidth::Byte, false, 0, 0},
    word(Key::ShieldRecharge, "SHIELDRECHARGE"),
    word(Key::ShieldDecharge, "SHIELDDECHARGE"),
    word(Key::LaserRecharge, "LASERRECHARGE"),
    word(Key::Hyperdrive, "HYPERDRIVE"),
    word(Key::ShieldGenerator, "SHIELDGENERATOR"),
    word(Key::ShieldPower, "SHIELDPOWER"),
    {Key::LongShieldPowerValue, "LONGSHIELDPOWERVALUE", KeyWidth::ByteLow, false, 0, 0},
    word(Key::HullRating, "HULLRATING"),
    word(Key::ExpPower, "EXPPOWER"),
    {Key::LongHullRating, "LONGHULLRATING", KeyWidth::ByteLow, false, 0, 0},
    word(Key::Speed, "SPEED"),
    word(Key::Acc, "ACC"),
    word(Key::Roll, "ROLL"),
    word(Key::Pitch, "PITCH"),
    word(Key::IntFile, "INTFILE"),
    word(Key::WeaponStatsStart, "WEAPONSTATSSTART"),
    word(Key::CounterMeassures, "COUNTERMEASSURES"),
    word(Key::WarheadLoad1, "WARHEADLOAD1"),
    {Key::LastCraft, "LASTCRAFT", KeyWidth::Word, true, 2, 1},
    word(Key::WarheadLoad2, "WARHEADLOAD2"),
    {Key::PluralStrtLine, "PLURALSTRTLINE", KeyWidth::Word, true, kAbsent, kAbsent},
    word(Key::CockpitPov, "COCKPITPOV"),
    word(Key::System, "SYSTEM"),
    word(Key::ShortNamesLine, "SHORTNAMESLINE"),
    int32(Key::SpecNoOffset, "SPECNOOFFSET"),
    int32(Key::ShipTypeStart, "SHIPTYPESTART"),
    {Key::ShipTypeLen, "SHIPTYPELEN", KeyWidth::Byte, false, 0, 0},
    word(Key::GunConvergence, "GUNCONVERGENCE"),
    word(Key::Sensitivity, "SENSITIVITY"),
    {Key::GenderStrtLine, "GENDERSTRTLINE", KeyWidth::Word, true, kAbsent, kAbsent},
    {Key::LongNameStrtLine, "LONGNAMESTRTLINE", KeyWidth::Word, true, kAbsent, kAbsent},
    {Key::StarfighterScaleEndSlot, "STARFIGHTERSCALEENDSLOT", KeyWidth::Word, false, 30, 30},
    word(Key::Deacc, "DEACC"),
    word(Key::PointVal, "POINTVAL"),
    {Key::FreighterScaleEndSlot, "FREIGHTERSCALEENDSLOT", KeyWidth::Word, false, 40, 40},
}};

constexpr std::array<std::string_view, 4> kUnknownSuffixes = {"NAME", "TYPE", "MAINOFFSET", "SLOTOFFSET"};

} // namespace

const std::array<KeyInfo, kKeyCount>& keyTable()
{
    return kKeys;
}

const KeyInfo& keyInfo(Key key)
{
    return kKeys[static_cast<std::size_t>(key)];
}

std::optional<Key> keyByLineName(std::string_view keyWithEquals)
{
    for (const KeyInfo& info : kKeys) {
        if (keyWithEquals.size() == info.name.size() + 2 && keyWithEquals.substr(0, info.name.size()) == info.name &&
            keyWithEquals.substr(info.name.size()) == " =")
            return info.key;
    }
    return std::nullopt;
}

std::optional<UnknownKey> unknownKeyByLineName(std::string_view keyWithEquals)
{
    for (std::size_t row = 0; row < kUnknownRows; ++row) {
        for (std::size_t column = 0; column < kUnknownSuffixes.size(); ++column) {
            const std::string name = "UNKNOWN" + std::to_string(row + 1) + std::string(kUnknownSuffixes[column]) + " =";
            if (keyWithEquals == name)
                return UnknownKey{row, static_cast<UnknownColumn>(column)};
        }
    }
    return std::nullopt;
}

std::string_view unknownColumnSuffix(UnknownColumn column)
{
    return kUnknownSuffixes[static_cast<std::size_t>(column)];
}

} // namespace plorik
