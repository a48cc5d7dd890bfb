#include "craft/DisplaySteps.h"
#include "craft/SlotItems.h"
#include "gamefiles/GameLines.h"
#include "gamefiles/SpecDesc.h"
#include "gamefiles/TextLines.h"
#include "text/GameTextLine.h"
#include "text/LineReader.h"

namespace plorik::display {

namespace {

// X-Wing Alliance slots from 219 on have no names in the game's files.
constexpr const char* kNoNames = "n/a";
constexpr const char* kDescriptionBoxes[] = {"CraftTypeBox", "ManufactorBox", "UsedByBox", "DescriptionBox", "CrewBox"};

// A tagged line of strings.txt (1-based), or nullopt past the file's end.
std::optional<std::string> stringsLine(const std::vector<std::string>& lines, std::int64_t number)
{
    if (number < 1 || number > static_cast<std::int64_t>(lines.size()))
        return std::nullopt;
    return gameTextLine(lines[static_cast<std::size_t>(number - 1)]);
}

void showCraftName(const DisplayContext& context, const std::string& name)
{
    context["CraftNameBox"].setText(name);
    context["CraftnameBox2"].setText(name);
}

void showGender(const DisplayContext& context, const std::optional<std::string>& genderLine)
{
    context["MaleRadioB"].setChecked(false);
    context["FemaleRadioB"].setChecked(false);
    const bool female = genderLine && !genderLine->empty() && genderLine->front() == 'f';
    context[female ? "FemaleRadioB" : "MaleRadioB"].setChecked(true);
}

} // namespace

void showNames(const DisplayContext& context)
{
    const VersionProfile& profile = context.profile;
    const std::int32_t slot = context.slotNumber();
    const std::vector<std::string> strings = readAllLines(context.gameFile("strings.txt"));
    const auto gender = stringsLine(strings, GameLines::gender(profile, slot));
    showGender(context, gender);
    const bool named = !context.xwa() || slot <= kLastNamedXwaSlot;
    // A line past the end of its file reads as empty, as the game reads it.
    if (context.xwa()) {
        const std::string line = gender.value_or("");
        showCraftName(context, named ? (line.size() > 2 ? line.substr(2) : "") : kNoNames);
    }
    context["PluralnameBox"].setText(named ? stringsLine(strings, GameLines::plural(profile, slot)).value_or("")
                                           : kNoNames);
    if (context.xwa() && !profile.absent(Key::ShortNamesLine)) {
        context["CraftIDBox"].setText(named ? stringsLine(strings, GameLines::shortName(profile, slot)).value_or("")
                                            : kNoNames);
    }
    if (!context.xwa()) {
        const auto longName = readLineNumber(context.gameFile("fronttxt.txt"), GameLines::longName(profile, slot));
        showCraftName(context, longName.value_or(""));
    }
}

void showDescriptions(const DisplayContext& context)
{
    std::optional<DescriptionRecord> record;
    const char* missing = "**no entry found**";
    if (context.profile.absent(Key::SpecNoOffset)) {
        missing = "**Not editable**";
        record = readPositionalDescription(context.gameFile("specdesc.txt"),
                                           displayedDescriptionRecord(context.slotIndex()));
    } else {
        record = readKeyedDescription(context.gameFile("specdesc.txt"), context["SpecNo"].text());
    }
    for (std::size_t i = 0; i < std::size(kDescriptionBoxes); ++i)
        context[kDescriptionBoxes[i]].setText(record ? (*record)[i] : missing);
}

} // namespace plorik::display
