#include "craft/SlotGathering.h"
#include "craft/Placeholders.h"

#include "controls/MainWindowControls.h"
#include "craft/FieldScales.h"
#include "craft/ScaleClass.h"
#include "text/NumberRule.h"

#include <cmath>

namespace plorik {

namespace {

constexpr double kLargestRaw = 4294967295.0;
constexpr std::int64_t kFastestSpeed = 29126; // 29126 x 2.25 is the largest raw speed below 65536

std::string wholeNumber(double value)
{
    return std::to_string(static_cast<std::int64_t>(std::floor(value)));
}

} // namespace

std::int64_t SlotGathering::number(ControlKey control) const
{
    return readNumber(m_form[control].text());
}

double SlotGathering::shieldFactor() const
{
    return shieldScale(scaleClassOf(m_form[controls::ShipTypeList].index())).raw(1);
}

double SlotGathering::hullFactor() const
{
    return hullScale(scaleClassOf(m_form[controls::ShipTypeList].index())).raw(1);
}

std::optional<std::string> SlotGathering::refusal() const
{
    struct Strength {
        Key key;
        const ControlEntry* control;
        double factor;
    };
    const Strength strengths[] = {{Key::ShieldPower, &controls::ShieldPowerBox, shieldFactor()},
                                  {Key::HullRating, &controls::HullRateBox, hullFactor()},
                                  {Key::ExpPower, &controls::UnknownStrengthBox, 1.0}};
    // Only what will be stored can be refused: a field left as shown keeps its bytes.
    for (const Strength& strength : strengths) {
        if (m_profile.absent(strength.key) || !strengthEdited(*strength.control))
            continue;
        const double raw = readFloat(m_form[*strength.control].text()) * strength.factor;
        if (raw < 0 || raw >= kLargestRaw + 1)
            return std::string(strength.control->caption) + " " + m_form[*strength.control].text() +
                   " cannot be stored. Allowed are 0 to " + wholeNumber(kLargestRaw / strength.factor) +
                   " for this craft.";
    }
    if (!m_profile.absent(Key::Speed) && edited(controls::SpeedBox) &&
        (number(controls::SpeedBox) < 0 || number(controls::SpeedBox) > kFastestSpeed))
        return std::string(controls::SpeedBox.caption) + " " + m_form[controls::SpeedBox].text() +
               " cannot be stored. Allowed are 0 to " + std::to_string(kFastestSpeed) + ".";
    return std::nullopt;
}

bool SlotGathering::storeByte(Key key, std::int32_t offset, std::int64_t value)
{
    if (m_profile.absent(key))
        return false;
    const std::int64_t at = std::int64_t{m_profile.held(key)} + offset;
    if (at < 0 || at + 1 > static_cast<std::int64_t>(SlotBuffer::kSize) - 1)
        return false; // beyond the buffer: never written
    m_slot.setByte(static_cast<std::size_t>(at), static_cast<std::uint8_t>(value & 0xFF));
    return true;
}

bool SlotGathering::storeWord(Key key, std::int32_t offset, std::int64_t value)
{
    if (m_profile.absent(key) || std::int64_t{m_profile.held(key)} + offset + 2 > std::int64_t{SlotBuffer::kSize} - 1)
        return false;
    return storeByte(key, offset, value) && storeByte(key, offset + 1, value >> 8);
}

void SlotGathering::storeNumber(Key key, ControlKey control, std::int32_t width)
{
    if (m_profile.absent(key) || !edited(control))
        return;
    if (width == 1)
        storeByte(key, 0, number(control));
    else
        storeWord(key, 0, number(control));
}

// A text of 1 to `longest` characters is stored with its 0 byte; an empty one as a single 0 byte;
// a longer one leaves the stored text as it was.
void SlotGathering::storeText(Key key, ControlKey control, std::size_t longest)
{
    if (m_profile.absent(key) || !edited(control))
        return;
    const std::string& text = m_form[control].text();
    // "n/a" is what the box shows when the game's files have no such text: nothing to store.
    if (text.size() > longest || text == kNoValue)
        return;
    const std::int64_t start = m_profile.held(key);
    if (start < 0 || start + static_cast<std::int64_t>(text.size()) + 1 > std::int64_t{SlotBuffer::kSize} - 1)
        return;
    for (std::size_t i = 0; i < text.size(); ++i)
        storeByte(key, static_cast<std::int32_t>(i), static_cast<unsigned char>(text[i]));
    storeByte(key, static_cast<std::int32_t>(text.size()), 0);
}

// The whole part of the raw value, split into bytes from the top; two or all four are stored.
void SlotGathering::storeStrength(Key key, ControlKey control, double factor, bool fourBytes)
{
    if (m_profile.absent(key) || !strengthEdited(control))
        return;
    const double raw = readFloat(m_form[control].text()) * factor;
    if (raw < 0 || raw >= kLargestRaw + 1)
        return; // refused before the write began
    const auto value = static_cast<std::uint32_t>(raw);
    if (fourBytes && std::int64_t{m_profile.held(key)} + 4 > std::int64_t{SlotBuffer::kSize} - 1)
        return;
    storeWord(key, 0, value & 0xFFFF);
    if (fourBytes)
        storeWord(key, 2, value >> 16);
}

void SlotGathering::gatherSpeeds()
{
    const auto raw = [&](ControlKey control) {
        return static_cast<std::int64_t>(
            roundHalfEven(static_cast<double>(number(control) & 0xFFFF) * kRawPerSpeedUnit));
    };
    if (!m_profile.absent(Key::Speed) && edited(controls::SpeedBox))
        storeWord(Key::Speed, 0, raw(controls::SpeedBox));
    if (!m_profile.absent(Key::Acc) && edited(controls::AccBox))
        storeByte(Key::Acc, 0, raw(controls::AccBox));
    if (!m_profile.absent(Key::Deacc) && edited(controls::Deaccbox))
        storeByte(Key::Deacc, 0, raw(controls::Deaccbox));
}

void SlotGathering::gather()
{
    const bool xwa = m_profile.isXwa();
    storeText(Key::IffName, controls::CraftIDBox, 7);
    storeNumber(Key::ShieldRecharge, controls::ScoreBox, xwa ? 2 : 1);
    storeNumber(Key::ShieldDecharge, controls::PromoPointsBox, xwa ? 2 : 1);
    storeStrength(Key::ShieldPower, controls::ShieldPowerBox, shieldFactor(),
                  m_profile.held(Key::LongShieldPowerValue) != 0);
    storeStrength(Key::HullRating, controls::HullRateBox, hullFactor(), m_profile.held(Key::LongHullRating) != 0);
    storeStrength(Key::ExpPower, controls::UnknownStrengthBox, 1.0, true);
    storeNumber(Key::LaserRecharge, controls::LaserRechargeBox, xwa ? 2 : 1);
    storeNumber(Key::System, controls::SystemHitsBox, 1);
    storeNumber(Key::Sensitivity, controls::FireSensitivityBox, 1);
    storeNumber(Key::PointVal, controls::PVBox, 2);
    for (const auto& [key, control] : {std::pair{Key::Hyperdrive, controls::HyperdriveCheck},
                                       std::pair{Key::ShieldGenerator, controls::ShieldGeneratorRadioB}}) {
        if (edited(control))
            storeByte(key, 0, m_form[control].checked() ? 1 : 0);
    }
    storeNumber(Key::CounterMeassures, controls::Countersbox, 1);
    storeText(Key::IntFile, controls::CockpitBox, xwa ? 18 : 7);
    gatherSpeeds();
    storeNumber(Key::Roll, controls::RollBox, 1);
    storeNumber(Key::Pitch, controls::PitchBox, 1);
    if (!m_profile.absent(Key::GunConvergence) && edited(controls::GunConvergenceList))
        storeByte(Key::GunConvergence, 0, readLeadingNumber(m_form[controls::GunConvergenceList].text()));
    if (!m_profile.absent(Key::WeaponStatsStart)) {
        if (xwa)
            gatherWeapons(layout::kXwaWeaponRows, layout::kXwaWeaponBytes, layout::kXwaWeaponSlotRows);
        else
            gatherWeapons(layout::kXvtWeaponRows, layout::kXvtWeaponBytes, layout::kXvtWeaponSlotRows);
    }
    if (!m_profile.absent(Key::CockpitPov))
        gatherCockpit();
}

} // namespace plorik
