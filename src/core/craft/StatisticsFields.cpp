#include "craft/StatisticsFields.h"

#include "craft/FieldPosition.h"
#include "craft/FieldScales.h"
#include "craft/ScaleClass.h"
#include "text/NumberRule.h"

#include <cmath>

namespace plorik {

namespace {

constexpr double kLargestRaw = 4294967295.0;
constexpr std::int64_t kFastestSpeed = 29126; // 29126 x 2.25 is the largest raw speed below 65536

std::string wholePart(double value)
{
    return std::to_string(static_cast<std::int64_t>(std::trunc(value)));
}

// The scale a strength is shown in; the unknown strength is shown as stored.
StrengthScale strengthScale(FieldConversion conversion, int shipType)
{
    switch (conversion) {
    case FieldConversion::Shield: return shieldScale(scaleClassOf(shipType));
    case FieldConversion::Hull: return hullScale(scaleClassOf(shipType));
    default: return {1, 1, false};
    }
}

std::string shownText(const StatisticsField& field, std::uint32_t raw, int shipType)
{
    switch (field.conversion) {
    case FieldConversion::SignedNumber: return std::to_string(static_cast<std::int16_t>(raw));
    case FieldConversion::Speed: return wholePart(raw / kRawPerSpeedUnit);
    case FieldConversion::Acceleration: return wholePart(roundHalfEven(raw / kRawPerSpeedUnit));
    case FieldConversion::Shield:
    case FieldConversion::Hull:
    case FieldConversion::Strength: return std::to_string(strengthScale(field.conversion, shipType).shown(raw));
    case FieldConversion::Number:
    case FieldConversion::Flag: break;
    }
    return std::to_string(raw);
}

std::string refusal(const StatisticsField& field, const std::string& text, const std::string& allowed)
{
    return std::string(field.control->caption) + " " + text + " cannot be stored. Allowed are 0 to " + allowed;
}

} // namespace

std::int32_t StatisticsField::width(const VersionProfile& profile) const
{
    if (longKey && profile.held(*longKey) != 0)
        return 4;
    return profile.isXwa() ? xwaWidth : xvtWidth;
}

std::optional<std::size_t> StatisticsField::position(const VersionProfile& profile) const
{
    return fieldPosition(profile, key, 0, width(profile));
}

void showFieldValue(const StatisticsField& field, Control& control, std::uint32_t raw, int shipType)
{
    if (field.conversion == FieldConversion::Flag)
        control.setChecked(raw != 0);
    else
        control.setText(shownText(field, raw, shipType));
}

StoredValue storedFieldValue(const StatisticsField& field, const Control& control, int shipType)
{
    const std::string& text = control.text();
    switch (field.conversion) {
    case FieldConversion::Flag: return {control.checked() ? 1u : 0u};
    case FieldConversion::Speed:
    case FieldConversion::Acceleration: {
        const std::int64_t shown = readNumber(text);
        if (field.conversion == FieldConversion::Speed && (shown < 0 || shown > kFastestSpeed))
            return {0, refusal(field, text, std::to_string(kFastestSpeed) + ".")};
        return {static_cast<std::uint32_t>(roundHalfEven(static_cast<double>(shown & 0xFFFF) * kRawPerSpeedUnit))};
    }
    case FieldConversion::Shield:
    case FieldConversion::Hull:
    case FieldConversion::Strength: {
        // The whole part of the raw value; a shown value is typed in units of the scale.
        const double factor = strengthScale(field.conversion, shipType).raw(1);
        const double raw = readFloat(text) * factor;
        if (raw < 0 || raw >= kLargestRaw + 1)
            return {0, refusal(field, text,
                               std::to_string(static_cast<std::int64_t>(std::floor(kLargestRaw / factor))) +
                                   " for this craft.")};
        return {static_cast<std::uint32_t>(raw)};
    }
    case FieldConversion::Number:
    case FieldConversion::SignedNumber: break;
    }
    return {static_cast<std::uint32_t>(readNumber(text))};
}

} // namespace plorik
