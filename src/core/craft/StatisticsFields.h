#pragma once

#include "controls/MainWindowControls.h"
#include "controls/Windows.h"
#include "form/Control.h"
#include "form/ControlEntry.h"
#include "profile/VersionProfile.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace plorik {

// How a field's raw value becomes what its control shows, and how the control's state goes back.
enum class FieldConversion {
    Number,       // the value as stored
    SignedNumber, // a signed word
    Flag,         // a check box, ticked when the byte is not 0
    Speed,        // raw / 2.25, its fraction dropped; stored rounded, and no faster than a word holds
    Acceleration, // raw / 2.25, rounded
    Shield,       // in units of the ship type's shield scale
    Hull,         // in units of the ship type's hull scale
    Strength,     // four bytes, unscaled
};

// One single-value field of the craft entry: its control, where the version keeps it, how wide it
// is, and how it is shown. The display, the write's checks and the gathering all read these rows.
struct StatisticsField {
    const MainControl* control;
    Key key;
    FieldConversion conversion;
    std::int32_t xvtWidth;
    std::int32_t xwaWidth;
    // A version key that, when not 0, makes the field four bytes wide.
    std::optional<Key> longKey = std::nullopt;

    std::int32_t width(const VersionProfile& profile) const;
    // Where the field lies in the craft entry, or nullopt when the version has no such field or it
    // would reach past the entry.
    std::optional<std::size_t> position(const VersionProfile& profile) const;
    // The three strengths are shown once the ship type is known, and "Write" stores them again when
    // "Ship Type:" changed, since shield and hull are shown in units of its scale class.
    bool followsShipType() const { return conversion >= FieldConversion::Shield; }
};

// In the order "Write" stores them. "Laser Recharge:" is on the Weaponry page but kept among these.
inline constexpr StatisticsField kStatisticsFields[] = {
    {&controls::ScoreBox, Key::ShieldRecharge, FieldConversion::Number, 1, 2},
    {&controls::PromoPointsBox, Key::ShieldDecharge, FieldConversion::Number, 1, 2},
    {&controls::ShieldPowerBox, Key::ShieldPower, FieldConversion::Shield, 2, 2, Key::LongShieldPowerValue},
    {&controls::HullRateBox, Key::HullRating, FieldConversion::Hull, 2, 2, Key::LongHullRating},
    {&controls::UnknownStrengthBox, Key::ExpPower, FieldConversion::Strength, 4, 4},
    {&controls::LaserRechargeBox, Key::LaserRecharge, FieldConversion::Number, 1, 2},
    {&controls::SystemHitsBox, Key::System, FieldConversion::Number, 1, 1},
    {&controls::FireSensitivityBox, Key::Sensitivity, FieldConversion::Number, 1, 1},
    {&controls::PVBox, Key::PointVal, FieldConversion::SignedNumber, 2, 2},
    {&controls::HyperdriveCheck, Key::Hyperdrive, FieldConversion::Flag, 1, 1},
    {&controls::ShieldGeneratorRadioB, Key::ShieldGenerator, FieldConversion::Flag, 1, 1},
    {&controls::Countersbox, Key::CounterMeassures, FieldConversion::Number, 1, 1},
    {&controls::SpeedBox, Key::Speed, FieldConversion::Speed, 2, 2},
    {&controls::AccBox, Key::Acc, FieldConversion::Acceleration, 1, 1},
    {&controls::Deaccbox, Key::Deacc, FieldConversion::Acceleration, 1, 1},
    {&controls::RollBox, Key::Roll, FieldConversion::Number, 1, 1},
    {&controls::PitchBox, Key::Pitch, FieldConversion::Number, 1, 1},
};

// Puts a raw value into the field's control: a check box is ticked or not, a box gets the text the
// page shows. `shipType` is the "Ship Type:" item, which scales shield and hull.
void showFieldValue(const StatisticsField& field, Control& control, std::uint32_t raw, int shipType);

// What the control's state stores: the raw value (its low bytes, as wide as the field), or the
// message that refuses it when it cannot be stored.
struct StoredValue {
    std::uint32_t raw = 0;
    std::optional<std::string> refusal;
};
StoredValue storedFieldValue(const StatisticsField& field, const Control& control, int shipType);

} // namespace plorik
