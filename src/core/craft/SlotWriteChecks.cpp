#include "craft/FreeValues.h"
#include "craft/SlotGathering.h"
#include "craft/SlotWrite.h"
#include "text/NumberRule.h"
#include "windows/MainWindowControls.h"

namespace plorik {

std::optional<std::string> SlotWrite::valueRefusal() const
{
    return SlotGathering(m_context.form, m_context.profile, m_context.slot).refusal();
}

std::optional<std::string> SlotWrite::speciesRefusal() const
{
    if (m_context.profile.absent(Key::SpecNoOffset) || !speciesChosen())
        return std::nullopt;
    const std::string& species = control(ui::SpecNo).text();
    const std::int32_t tableSize = m_context.profile.slotCount();
    const std::int32_t number = readLeadingNumber(species);
    if (number >= 1 && number <= tableSize)
        return std::nullopt;
    return "Species No.: " + species + " is not in the species table. Allowed are 1 to " + std::to_string(tableSize) +
           ".";
}

// Only rows the user changed are written; each must read as a value of its type.
std::optional<std::string> SlotWrite::freeValueRefusal() const
{
    const Control& grid = control(ui::StringGrid3);
    for (std::size_t row = 1; row <= kUnknownRows && row < grid.rowCount(); ++row) {
        const auto type = freeValueType(grid.cell(row, 1));
        const std::string& text = grid.cell(row, 2);
        if (!type || grid.cell(row, 3).empty() || text == m_context.freeValuesShown[row - 1])
            continue;
        std::string problem;
        if (!freeValueBytes(*type, text, problem))
            return "\"value:\" of row " + std::to_string(row) + " (" + grid.cell(row, 0) + "): \"" + text + "\" " +
                   problem + ".";
    }
    return std::nullopt;
}

// The ship list line is fields between commas after a "!...!" tag: a field must not hold a comma
// (nor the name a "!"), and a field that still shows "n/a" has no value to write.
std::optional<std::string> SlotWrite::shipListRefusal() const
{
    if (!xwa() || !control(ui::Shiplistwrite).enabled() || !control(ui::Shiplistwrite).checked())
        return std::nullopt;
    struct Field {
        const ControlEntry* control;
        const char* forbidden;
    };
    for (const Field& field :
         {Field{&ui::Shiplistnamebox, ",!"}, Field{&ui::Playmodebox, ","}, Field{&ui::InSkirmishBox, ","}}) {
        const std::string& text = control(*field.control).text();
        if (text == kNoValue)
            return std::string(field.control->caption) + " shows no value (\"" + kNoValue +
                   "\"). Enter the craft's ship list values, or untick \"Write to Shiplist.txt\".";
        if (text.find_first_of(field.forbidden) != std::string::npos)
            return std::string(field.control->caption) + " \"" + text +
                   "\" cannot go into shiplist.txt: its fields are " + "separated by \",\"" +
                   (std::string(field.forbidden).size() > 1 ? " and its tags by \"!\"" : "") + ".";
    }
    return std::nullopt;
}

} // namespace plorik
