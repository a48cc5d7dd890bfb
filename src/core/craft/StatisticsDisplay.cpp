#include "controls/MainWindowControls.h"
#include "craft/DisplaySteps.h"
#include "craft/FieldScales.h"
#include "craft/ScaleClass.h"
#include "text/NumberRule.h"

#include <cmath>

namespace plorik::display {

namespace {

void showNumber(const DisplayContext& context, ControlKey key, Key field, std::int32_t width)
{
    Control& box = context[key];
    const auto at = context.field(field, width);
    if (!at) {
        box.setEnabled(false);
        return;
    }
    const std::uint32_t value = width == 1 ? context.slot.byte(*at) : context.slot.word(*at);
    box.setText(std::to_string(value));
}

void showFlag(const DisplayContext& context, ControlKey key, Key field)
{
    Control& box = context[key];
    if (const auto at = context.field(field, 1))
        box.setChecked(context.slot.byte(*at) != 0);
    else
        box.setEnabled(false);
}

// Shield and hull are two bytes, or four with their LONG flag.
std::uint32_t strengthRaw(const DisplayContext& context, std::size_t at, bool fourBytes)
{
    return fourBytes ? context.slot.longWord(at) : context.slot.word(at);
}

std::string wholePart(double value)
{
    return std::to_string(static_cast<std::int64_t>(std::trunc(value)));
}

// The scale class from the slot alone, for versions without ship type entries.
void chooseShipTypeBySlot(const DisplayContext& context)
{
    const std::int32_t index = context.slotIndex();
    int item = 0;
    if (index < context.profile.held(Key::StarfighterScaleEndSlot))
        item = 0;
    else if (index < context.profile.held(Key::FreighterScaleEndSlot))
        item = 3;
    else if (index < context.profile.slotCount())
        item = 4;
    else
        return;
    context[controls::ShipTypeList].setIndex(item);
}

} // namespace

void showByteFields(const DisplayContext& context)
{
    const std::int32_t width = context.xwa() ? 2 : 1;
    showNumber(context, controls::ScoreBox, Key::ShieldRecharge, width);
    showNumber(context, controls::PromoPointsBox, Key::ShieldDecharge, width);
    showNumber(context, controls::LaserRechargeBox, Key::LaserRecharge, width);
    showNumber(context, controls::SystemHitsBox, Key::System, 1);
    showNumber(context, controls::FireSensitivityBox, Key::Sensitivity, 1);
    showFlag(context, controls::HyperdriveCheck, Key::Hyperdrive);
    showFlag(context, controls::ShieldGeneratorRadioB, Key::ShieldGenerator);
    showNumber(context, controls::Countersbox, Key::CounterMeassures, 1);
}

void showManoeuvrability(const DisplayContext& context)
{
    if (const auto at = context.field(Key::Speed, 2))
        context[controls::SpeedBox].setText(wholePart(context.slot.word(*at) / kRawPerSpeedUnit));
    else
        context[controls::SpeedBox].setEnabled(false);
    for (const auto& [key, field] :
         {std::pair{controls::AccBox, Key::Acc}, std::pair{controls::Deaccbox, Key::Deacc}}) {
        if (const auto at = context.field(field, 1))
            context[key].setText(wholePart(roundHalfEven(context.slot.byte(*at) / kRawPerSpeedUnit)));
        else
            context[key].setEnabled(false);
    }
    if (const auto at = context.field(Key::PointVal, 2))
        context[controls::PVBox].setText(std::to_string(static_cast<std::int16_t>(context.slot.word(*at))));
    else
        context[controls::PVBox].setEnabled(false);
    showNumber(context, controls::RollBox, Key::Roll, 1);
    showNumber(context, controls::PitchBox, Key::Pitch, 1);
    updateManoeuvre(context.form);
}

void updateManoeuvre(Form& form)
{
    // Values above 255, and negative ones, count as 0.
    const auto part = [&](ControlKey key) {
        const double value = std::trunc(readFloat(form[key].text()));
        return value > 255 || value < 0 ? 0.0 : value;
    };
    form[controls::ManBox].setText(wholePart(part(controls::RollBox) + 2 * part(controls::PitchBox)));
}

void showStrengths(const DisplayContext& context)
{
    const VersionProfile& profile = context.profile;
    const bool longShield = profile.held(Key::LongShieldPowerValue) != 0;
    if (const auto at = context.field(Key::ShieldPower, longShield ? 4 : 2)) {
        if (profile.absent(Key::ShipTypeStart)) {
            chooseShipTypeBySlot(context);
        }
        const ScaleClass shieldClass = scaleClassOf(context[controls::ShipTypeList].index());
        context[controls::ShieldPowerBox].setText(
            std::to_string(shieldScale(shieldClass).shown(strengthRaw(context, *at, longShield))));
    } else {
        context[controls::ShieldPowerBox].setEnabled(false);
    }

    const bool longHull = profile.held(Key::LongHullRating) != 0;
    if (const auto at = context.field(Key::HullRating, longHull ? 4 : 2)) {
        const ScaleClass hullClass = scaleClassOf(context[controls::ShipTypeList].index());
        context[controls::HullRateBox].setText(
            std::to_string(hullScale(hullClass).shown(strengthRaw(context, *at, longHull))));
    } else {
        context[controls::HullRateBox].setEnabled(false);
    }

    if (const auto at = context.field(Key::ExpPower, 4))
        context[controls::UnknownStrengthBox].setText(std::to_string(context.slot.longWord(*at)));
    else
        context[controls::UnknownStrengthBox].setEnabled(false);
}

} // namespace plorik::display
