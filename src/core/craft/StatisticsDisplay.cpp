#include "controls/MainWindowControls.h"
#include "craft/DisplaySteps.h"
#include "craft/StatisticsFields.h"
#include "text/NumberRule.h"

#include <cmath>

namespace plorik::display {

namespace {

void showField(const DisplayContext& context, const StatisticsField& field)
{
    Control& control = context[*field.control];
    if (const auto at = field.position(context.profile))
        showFieldValue(field, control, context.slot.value(*at, field.width(context.profile)),
                       context[controls::ShipTypeList].index());
    else
        control.setEnabled(false);
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

void showStatistics(const DisplayContext& context)
{
    for (const StatisticsField& field : kStatisticsFields) {
        if (!field.followsShipType())
            showField(context, field);
    }
    updateManoeuvre(context.form);
}

void updateManoeuvre(MainForm& form)
{
    // Values above 255, and negative ones, count as 0.
    const auto part = [&](MainKey key) {
        const double value = std::trunc(readFloat(form[key].text()));
        return value > 255 || value < 0 ? 0.0 : value;
    };
    form[controls::ManBox].setText(
        std::to_string(static_cast<std::int64_t>(part(controls::RollBox) + 2 * part(controls::PitchBox))));
}

void showStrengths(const DisplayContext& context)
{
    for (const StatisticsField& field : kStatisticsFields) {
        if (!field.followsShipType())
            continue;
        // A version without ship type entries scales the shield (and what follows) by the slot.
        if (field.conversion == FieldConversion::Shield && context.profile.absent(Key::ShipTypeStart) &&
            field.position(context.profile))
            chooseShipTypeBySlot(context);
        showField(context, field);
    }
}

} // namespace plorik::display
