#include "controls/MainWindowControls.h"
#include "craft/FreeValues.h"
#include "craft/SlotGathering.h"
#include "craft/SlotWrite.h"
#include "text/NumberRule.h"

#include "controls/Windows.h"
#include <algorithm>

namespace plorik {

namespace {

const MainControl* const kShipListFields[] = {&controls::Shiplistnamebox, &controls::ShipTypeList,
                                              &controls::Playmodebox,     &controls::Known,
                                              &controls::InSkirmishBox,   &controls::IconBox};

} // namespace

std::optional<std::string> SlotWrite::valueRefusal() const
{
    return SlotGathering(m_context.form, m_context.shown, m_context.profile, m_context.slot).refusal();
}

std::optional<std::string> SlotWrite::speciesRefusal() const
{
    if (m_context.profile.absent(Key::SpecNoOffset) || !speciesChosen())
        return std::nullopt;
    const std::string& species = control(controls::SpecNo).text();
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
    const Control& grid = control(controls::FreeValuesGrid);
    for (std::size_t row = 1; row <= kUnknownRows && row < grid.rowCount(); ++row) {
        const auto type = freeValueType(grid.cell(row, 1));
        const std::string& text = grid.cell(row, 2);
        if (!type || grid.cell(row, 3).empty() ||
            !m_context.shown.cellChanged(m_context.form, controls::FreeValuesGrid, row, 2))
            continue;
        std::string problem;
        if (!freeValueBytes(*type, text, problem))
            return "\"value:\" of row " + std::to_string(row) + " (" + grid.cell(row, 0) + "): \"" + text + "\" " +
                   problem + ".";
    }
    return std::nullopt;
}

// Whether the species line has a field to store: a species or a field shown changed.
bool SlotWrite::shipListEdited() const
{
    return edited(controls::SpecNo) || std::any_of(std::begin(kShipListFields), std::end(kShipListFields),
                                                   [&](const MainControl* field) { return edited(*field); });
}

// The ship list line is fields between commas after a "!...!" tag: a field must not hold a comma
// (nor the name a "!"), and a field that still shows "n/a" has no value to write.
std::optional<std::string> SlotWrite::shipListRefusal() const
{
    if (!xwa() || !control(controls::Shiplistwrite).enabled() || !control(controls::Shiplistwrite).checked() ||
        (speciesChosen() && !shipListEdited()))
        return std::nullopt;
    struct Field {
        const MainControl* control;
        const char* forbidden;
    };
    for (const Field& field : {Field{&controls::Shiplistnamebox, ",!"}, Field{&controls::Playmodebox, ","},
                               Field{&controls::InSkirmishBox, ","}}) {
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

// Every reader of the game's text files keeps the first 255 characters of a line: a longer text
// would not read back as it was typed. (A line break inside a text is folded into a blank.)
std::optional<std::string> SlotWrite::lineRefusal() const
{
    constexpr std::size_t kLongestLine = 255;
    for (const MainControl* box :
         {&controls::CraftNameBox, &controls::PluralnameBox, &controls::CraftIDBox, &controls::CraftTypeBox,
          &controls::ManufactorBox, &controls::UsedByBox, &controls::DescriptionBox, &controls::CrewBox,
          &controls::Shiplistnamebox, &controls::Playmodebox, &controls::InSkirmishBox, &controls::IconBox,
          &controls::DBOPTFile}) {
        if (!edited(*box))
            continue;
        const std::string& text = control(*box).text();
        const std::string name = box->caption.empty() ? std::string(box->key) : std::string(box->caption);
        if (text.size() > kLongestLine)
            return name + " holds " + std::to_string(text.size()) +
                   " characters; a line of the game's text files keeps at most " + std::to_string(kLongestLine) + ".";
    }
    return std::nullopt;
}

} // namespace plorik
