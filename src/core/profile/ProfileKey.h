#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace plorik {

// The numeric keys of a version entry, in the order the key lines are tested.
enum class Key {
    IntPanOffset,
    WeaponOffset,
    CraftOffset,
    EntryLength,
    IffName,
    XwaType,
    ShieldRecharge,
    ShieldDecharge,
    LaserRecharge,
    Hyperdrive,
    ShieldGenerator,
    ShieldPower,
    LongShieldPowerValue,
    HullRating,
    ExpPower,
    LongHullRating,
    Speed,
    Acc,
    Roll,
    Pitch,
    IntFile,
    WeaponStatsStart,
    CounterMeassures,
    WarheadLoad1,
    LastCraft,
    WarheadLoad2,
    PluralStrtLine,
    CockpitPov,
    System,
    ShortNamesLine,
    SpecNoOffset,
    ShipTypeStart,
    ShipTypeLen,
    GunConvergence,
    Sensitivity,
    GenderStrtLine,
    LongNameStrtLine,
    StarfighterScaleEndSlot,
    Deacc,
    PointVal,
    FreighterScaleEndSlot,
};
inline constexpr std::size_t kKeyCount = static_cast<std::size_t>(Key::FreighterScaleEndSlot) + 1;

enum class KeyWidth {
    Word,    // 0..65535, else a range error
    Int32,   // any 32-bit value
    Byte,    // 0..255, else a range error
    ByteLow, // the low byte of the value
};

struct KeyInfo {
    Key key;
    std::string_view name; // as in data.txt, without " ="
    KeyWidth width;
    bool heldMinusOne;           // 1-based in the file, held 0-based
    std::int32_t writtenDefault; // what an entry without the key counts as having written
    std::int32_t heldDefault;    // the held value of an entry without the key
};

// Field positions and table starts use this value to say "this version has no such field".
inline constexpr std::int32_t kAbsent = 1000;

const std::array<KeyInfo, kKeyCount>& keyTable();
const KeyInfo& keyInfo(Key key);
// The key named by a key line's left side ("CRAFTOFFSET =", already in capitals).
std::optional<Key> keyByLineName(std::string_view keyWithEquals);

// The free rows of the "Unknown" page: UNKNOWN1NAME = .. UNKNOWN9SLOTOFFSET =.
inline constexpr std::size_t kUnknownRows = 9;
enum class UnknownColumn { Name, Type, MainOffset, SlotOffset };
struct UnknownKey {
    std::size_t row; // 0-based
    UnknownColumn column;
};
std::optional<UnknownKey> unknownKeyByLineName(std::string_view keyWithEquals);
std::string_view unknownColumnSuffix(UnknownColumn column);

} // namespace plorik
