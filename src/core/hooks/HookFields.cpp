#include "hooks/HookFields.h"

#include "controls/MainWindowControls.h"

#include <cmath>
#include <limits>

namespace plorik {

namespace {

using C = HookConversion;

constexpr HookField kStats[] = {
    {"Speed", C::Speed, &controls::SpeedBox},
    {"Acceleration", C::Speed, &controls::AccBox},
    {"Deceleration", C::Speed, &controls::Deaccbox},
    {"Pitch", C::Turn, &controls::PitchBox},
    {"Roll", C::Turn, &controls::RollBox},
    {"Yaw", C::Turn, nullptr},
    {"CriticalDamageThreshold", C::Hull, &controls::UnknownStrengthBox},
    {"HullStrength", C::Hull, &controls::HullRateBox},
    {"SystemStrength", C::Same, &controls::SystemHitsBox},
    {"ShieldStrength", C::Shield, &controls::ShieldPowerBox},
    {"HasShieldGenerator", C::Flag, &controls::ShieldGeneratorRadioB},
    {"HasHyperdrive", C::Flag, &controls::HyperdriveCheck},
};

// The laser ranges and fire ratios are wider than the boxes that show part of them: "Turbo Laser
// Range:" shows the third byte of the first range, "Turbo Fire Priority:" the low byte of the first
// fire ratio.
constexpr HookField kExeValues[] = {
    {"GameOptions_IsHardpointsMirroring", C::Flag},
    {"GameOptions_IsAxisAligned", C::Flag},
    {"LaserTypeId0", C::Signed16, &controls::Laser1List},
    {"LaserTypeId1", C::Signed16, &controls::Laser2List},
    {"LaserTypeId2", C::Signed16, &controls::Laser3List},
    {"LaserSequence0", C::Unsigned8, &controls::Laser1SequenceBox},
    {"LaserSequence1", C::Unsigned8, &controls::Laser2SequenceBox},
    {"LaserSequence2", C::Unsigned8, &controls::Laser3SequenceBox},
    {"LaserRange0", C::Same, &controls::TurboRange},
    {"LaserRange1", C::Same, &controls::SupRange},
    {"LaserRange2", C::Same},
    {"LaserFireRatio0", C::Signed16, &controls::TurboFirePriorityBar},
    {"LaserFireRatio1", C::Signed16, &controls::SuperFirePriorityBar},
    {"LaserFireRatio2", C::Signed16},
    {"WarheadTypeId0", C::Signed16, &controls::Warhead1List},
    {"WarheadTypeId1", C::Signed16, &controls::Warhead2List},
    {"WarheadCapacity0", C::Unsigned8, &controls::WarheadLoad1Box},
    {"WarheadCapacity1", C::Unsigned8, &controls::WarheadLoad2Box},
    {"CounterMeasuresCount", C::Unsigned8, &controls::Countersbox},
    {"AIHitsTakenToEvade", C::Unsigned8},
};

// The cockpit grid's columns are X, Z, Y; row 1 is the pilot's view, rows 2 and 3 the turrets.
constexpr HookField kPov[] = {
    {"CockpitPovX", C::Signed16, &controls::CockpitPositionsGrid, 1, 1},
    {"CockpitPovY", C::Signed16, &controls::CockpitPositionsGrid, 1, 3},
    {"CockpitPovZ", C::Signed16, &controls::CockpitPositionsGrid, 1, 2},
};

constexpr TurretFields kTurrets[] = {
    {{{"PosX", C::Signed16, &controls::CockpitPositionsGrid, 2, 1},
      {"PosY", C::Signed16, &controls::CockpitPositionsGrid, 2, 3},
      {"PosZ", C::Signed16, &controls::CockpitPositionsGrid, 2, 2},
      {"OrientX", C::Unsigned16, &controls::Turret1Orient1Box},
      {"OrientY", C::Unsigned16, &controls::Turret1Orient2Box},
      {"ArcX", C::Unsigned16, &controls::Turret1Arc1Box},
      {"ArcY", C::Unsigned16, &controls::Turret1Arc2Box}},
     {"OptName", C::Same, &controls::Turret1ActivatedList}},
    {{{"PosX", C::Signed16, &controls::CockpitPositionsGrid, 3, 1},
      {"PosY", C::Signed16, &controls::CockpitPositionsGrid, 3, 3},
      {"PosZ", C::Signed16, &controls::CockpitPositionsGrid, 3, 2},
      {"OrientX", C::Unsigned16, &controls::Turret2Orient1Box},
      {"OrientY", C::Unsigned16, &controls::Turret2Orient2Box},
      {"ArcX", C::Unsigned16, &controls::Turret2Arc1Box},
      {"ArcY", C::Unsigned16, &controls::Turret2Arc2Box}},
     {"OptName", C::Same, &controls::Turret2ActivatedList}},
};

// 32-bit arithmetic as the game's code does it: a product beyond 32 bits wraps.
std::int32_t wrap32(std::int64_t value)
{
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(static_cast<std::uint64_t>(value)));
}

// The float-to-int conversion of the speed group; a result out of range becomes the processor's
// "integer indefinite" (the lowest 32-bit value), as the game's code gets it.
std::int32_t speedValue(std::int32_t value)
{
    const float scaled = static_cast<float>(value) * 2.25f + 0.5f;
    if (!(scaled > -2147483904.0f && scaled < 2147483648.0f))
        return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(scaled);
}

} // namespace

std::span<const HookField> statsProfileFields()
{
    return kStats;
}

std::span<const HookField> exeCraftValueFields()
{
    return kExeValues;
}

std::span<const HookField> cockpitPovFields()
{
    return kPov;
}

const TurretFields& turretFields(std::size_t turret)
{
    return kTurrets[turret];
}

std::int32_t shipCategoryDivisor(std::int32_t category)
{
    switch (category) {
    case 4: // starship
    case 5: // station
        return 16;
    case 3:  // freighter
    case 17: // container
        return 4;
    default: return 1;
    }
}

std::int64_t hookGameValue(HookConversion conversion, std::int32_t value, std::int32_t divisor)
{
    switch (conversion) {
    case C::Speed: return speedValue(value);
    case C::Turn: return static_cast<std::int16_t>(wrap32(std::int64_t{value} * 256));
    case C::Hull: return wrap32(std::int64_t{value} * 105) / divisor;
    case C::Shield: return wrap32(std::int64_t{value} * 50) / divisor;
    case C::Flag: return value != 0 ? 1 : 0;
    case C::Signed16: return static_cast<std::int16_t>(value);
    case C::Unsigned8: return static_cast<std::uint8_t>(value);
    case C::Unsigned16: return static_cast<std::uint16_t>(value);
    case C::Same: break;
    }
    return value;
}

} // namespace plorik
