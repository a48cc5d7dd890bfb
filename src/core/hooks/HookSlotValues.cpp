#include "hooks/HookSlotValues.h"

#include "craft/CraftLayout.h"
#include "craft/FieldPosition.h"
#include "craft/StatisticsFields.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace plorik {

namespace {

struct EntryField {
    std::string_view key;
    Key base;
    std::int32_t offset;
    std::int32_t width;
    bool isSigned;
};

// The weapon fields past WEAPONSTATSSTART and the pilot's view past COCKPITPOV.
constexpr EntryField kEntryFields[] = {
    {"LaserTypeId0", Key::WeaponStatsStart, 0, 2, true},
    {"LaserTypeId1", Key::WeaponStatsStart, 2, 2, true},
    {"LaserTypeId2", Key::WeaponStatsStart, 4, 2, true},
    {"LaserSequence0", Key::WeaponStatsStart, 15, 1, false},
    {"LaserSequence1", Key::WeaponStatsStart, 16, 1, false},
    {"LaserSequence2", Key::WeaponStatsStart, 17, 1, false},
    {"LaserRange0", Key::WeaponStatsStart, 18, 4, true},
    {"LaserRange1", Key::WeaponStatsStart, 22, 4, true},
    {"LaserFireRatio0", Key::WeaponStatsStart, 30, 2, true},
    {"LaserFireRatio1", Key::WeaponStatsStart, 32, 2, true},
    {"WarheadTypeId0", Key::WeaponStatsStart, 36, 2, true},
    {"WarheadTypeId1", Key::WeaponStatsStart, 38, 2, true},
    {"WarheadCapacity0", Key::WeaponStatsStart, 46, 1, false},
    {"WarheadCapacity1", Key::WeaponStatsStart, 47, 1, false},
    {"CockpitPovX", Key::CockpitPov, layout::kPovCells[2].offset, 2, true},
    {"CockpitPovY", Key::CockpitPov, layout::kPovCells[0].offset, 2, true},
    {"CockpitPovZ", Key::CockpitPov, layout::kPovCells[1].offset, 2, true},
};

std::int64_t lowest(const HookPlace& place)
{
    return place.isSigned ? -(std::int64_t{1} << (8 * place.width - 1)) : 0;
}

std::int64_t highest(const HookPlace& place)
{
    return (std::int64_t{1} << (8 * place.width - (place.isSigned ? 1 : 0))) - 1;
}

// The file value nearest to raw * divisor / factor whose game value is `raw`, if one is.
HookFileValue nearestExact(HookConversion conversion, std::int64_t raw, std::int32_t divisor, double ideal)
{
    const std::int64_t middle = std::llround(ideal);
    HookFileValue best{middle, false, 0};
    for (std::int64_t step = 0; step <= 20; ++step) {
        for (const std::int64_t candidate : {middle - step, middle + step}) {
            if (candidate < std::numeric_limits<std::int32_t>::min() ||
                candidate > std::numeric_limits<std::int32_t>::max())
                continue;
            if (hookGameValue(conversion, static_cast<std::int32_t>(candidate), divisor) == raw)
                return {candidate, true, raw};
        }
    }
    best.value = std::clamp<std::int64_t>(middle, std::numeric_limits<std::int32_t>::min(),
                                          std::numeric_limits<std::int32_t>::max());
    best.gameValue = hookGameValue(conversion, static_cast<std::int32_t>(best.value), divisor);
    return best;
}

} // namespace

std::optional<HookPlace> hookPlace(const HookField& field, const VersionProfile& profile)
{
    for (const StatisticsField& stats : kStatisticsFields) {
        if (stats.control != field.control || !field.control)
            continue;
        const auto position = stats.position(profile);
        if (!position)
            return std::nullopt;
        const bool turn = field.conversion == HookConversion::Turn;
        return HookPlace{*position, stats.width(profile), turn || stats.conversion == FieldConversion::Speed, turn};
    }
    for (const EntryField& entry : kEntryFields) {
        if (entry.key != field.key)
            continue;
        const auto position = fieldPosition(profile, entry.base, entry.offset, entry.width);
        if (!position)
            return std::nullopt;
        return HookPlace{*position, entry.width, entry.isSigned, false};
    }
    return std::nullopt;
}

std::int64_t readHookValue(const HookPlace& place, const SlotBuffer& slot)
{
    std::int64_t value = slot.value(place.position, place.width);
    if (place.isSigned && value > highest(place))
        value -= std::int64_t{1} << (8 * place.width);
    return place.highByte ? value * 256 : value;
}

bool putHookValue(const HookPlace& place, SlotBuffer& slot, std::int64_t value)
{
    if (place.highByte) {
        // The game's word keeps its low byte 0 for every file value.
        if (value % 256 != 0)
            return false;
        value /= 256;
    }
    if (value < lowest(place) || value > highest(place))
        return false;
    slot.setValue(place.position, place.width, static_cast<std::uint32_t>(value));
    return true;
}

HookFileValue hookFileValue(HookConversion conversion, std::int64_t raw, std::int32_t divisor)
{
    switch (conversion) {
    case HookConversion::Speed: return nearestExact(conversion, raw, divisor, static_cast<double>(raw) * 4 / 9);
    case HookConversion::Turn: return nearestExact(conversion, raw, divisor, static_cast<double>(raw) / 256);
    case HookConversion::Hull: return nearestExact(conversion, raw, divisor, static_cast<double>(raw) * divisor / 105);
    case HookConversion::Shield: return nearestExact(conversion, raw, divisor, static_cast<double>(raw) * divisor / 50);
    case HookConversion::Flag: return {raw != 0 ? 1 : 0, raw == 0 || raw == 1, raw != 0 ? 1 : 0};
    default: return {raw, true, raw};
    }
}

} // namespace plorik
