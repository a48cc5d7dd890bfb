#include "controls/MainWindowControls.h"
#include "craft/CraftNumberItems.h"
#include "craft/DisplaySteps.h"
#include "craft/Placeholders.h"
#include "gamefiles/GameLines.h"
#include "gamefiles/SpecDesc.h"
#include "gamefiles/TextLines.h"
#include "text/GameTextLine.h"
#include "text/LineReader.h"

#include <algorithm>

namespace plorik::display {

namespace {

constexpr MainKey kDescriptionBoxes[] = {controls::CraftTypeBox, controls::ManufactorBox, controls::UsedByBox,
                                         controls::DescriptionBox, controls::CrewBox};

// A tagged line of strings.txt (1-based), or nullopt past the file's end.
std::optional<std::string> stringsLine(const std::vector<std::string>& lines, std::int64_t number)
{
    if (number < 1 || number > static_cast<std::int64_t>(lines.size()))
        return std::nullopt;
    return gameTextLine(lines[static_cast<std::size_t>(number - 1)]);
}

void showCraftName(const DisplayContext& context, const std::string& name)
{
    context[controls::CraftNameBox].setText(name);
    context[controls::TopCraftNameBox].setText(name);
}

void showGender(const DisplayContext& context, const std::optional<std::string>& genderLine)
{
    context[controls::MaleRadioB].setChecked(false);
    context[controls::FemaleRadioB].setChecked(false);
    const bool female = genderLine && !genderLine->empty() && genderLine->front() == 'f';
    context[female ? controls::FemaleRadioB : controls::MaleRadioB].setChecked(true);
}

} // namespace

void showNames(const DisplayContext& context)
{
    const VersionProfile& profile = context.profile;
    const std::int32_t slot = context.slotNumber();
    // Only the lines up to the last one shown are read: strings.txt holds every text of the game.
    std::int64_t last = std::max(GameLines::gender(profile, slot), GameLines::plural(profile, slot));
    if (context.xwa() && !profile.absent(Key::ShortNamesLine))
        last = std::max(last, GameLines::shortName(profile, slot));
    const std::vector<std::string> strings = readFirstLines(context.gameFile("strings.txt"), last);
    const auto gender = stringsLine(strings, GameLines::gender(profile, slot));
    showGender(context, gender);
    const bool named = !context.xwa() || slot <= kLastNamedXwaSlot;
    // A line past the end of its file reads as empty, as the game reads it.
    if (context.xwa()) {
        const std::string line = gender.value_or("");
        showCraftName(context, named ? (line.size() > 2 ? line.substr(2) : "") : kNoValue);
    }
    context[controls::PluralnameBox].setText(named ? stringsLine(strings, GameLines::plural(profile, slot)).value_or("")
                                                   : kNoValue);
    if (context.xwa() && !profile.absent(Key::ShortNamesLine)) {
        context[controls::CraftIDBox].setText(
            named ? stringsLine(strings, GameLines::shortName(profile, slot)).value_or("") : kNoValue);
    }
    if (!context.xwa()) {
        const auto longName = readLineNumber(context.gameFile("fronttxt.txt"), GameLines::longName(profile, slot));
        showCraftName(context, longName.value_or(""));
    }
}

void showDescriptions(const DisplayContext& context)
{
    std::optional<DescriptionRecord> record;
    const char* missing = kNoDescription;
    if (context.profile.absent(Key::SpecNoOffset)) {
        missing = kNotEditable;
        record = readPositionalDescription(context.gameFile("specdesc.txt"),
                                           displayedDescriptionRecord(context.slotIndex()));
    } else {
        record = readKeyedDescription(context.gameFile("specdesc.txt"), context[controls::SpecNo].text());
    }
    for (std::size_t i = 0; i < std::size(kDescriptionBoxes); ++i)
        context[kDescriptionBoxes[i]].setText(record ? (*record)[i] : missing);
}

} // namespace plorik::display
