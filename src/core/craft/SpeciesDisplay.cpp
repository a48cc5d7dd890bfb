#include "controls/MainWindowControls.h"
#include "craft/CraftTable.h"
#include "craft/DisplaySteps.h"
#include "craft/Placeholders.h"
#include "gamefiles/ShipList.h"
#include "text/NumberRule.h"

#include <algorithm>
#include <span>
#include <vector>

namespace plorik::display {

void showSpecies(const DisplayContext& context)
{
    Control& species = context[controls::SpecNo];
    if (context.profile.absent(Key::SpecNoOffset)) {
        species.setEnabled(false);
        return;
    }
    // Entry k of the table holds the slot whose species number is k. The search stops at the
    // entry before the last slot's, which is read but not compared.
    const std::int32_t slot = context.slotNumber();
    const std::int32_t last = context.profile.slotCount() - 1;
    const CraftTable table(context.profile);
    std::string text(kNoValue);
    // The entries read (1 to the last, at least the first) lie side by side: read at once when the
    // executable holds them all; else one by one, so that a table cut short fails where it ends.
    const std::int32_t entries = std::max(last, 1);
    const std::int64_t first = table.speciesEntryOffset(1);
    const bool whole = first >= 0 && table.speciesEntryOffset(entries) + 2 <= context.exe->size();
    const std::vector<std::uint8_t> block =
        whole ? context.exe->readExactlyAt(first, 2 * static_cast<std::size_t>(entries)) : std::vector<std::uint8_t>();
    std::vector<std::uint8_t> one;
    for (std::int32_t k = 1;; ++k) {
        std::span<const std::uint8_t> bytes;
        if (whole) {
            bytes = std::span(block).subspan(2 * static_cast<std::size_t>(k - 1), 2);
        } else {
            one = context.exe->readExactlyAt(table.speciesEntryOffset(k), 2);
            bytes = one;
        }
        if (k >= last)
            break;
        if ((bytes[0] | (bytes[1] << 8)) == slot) {
            text = std::to_string(k);
            break;
        }
    }
    species.setText(text);
    std::vector<std::string> items;
    for (const SpeciesLine& line : readSpeciesLines(context.gameFile("shiplist.txt")))
        items.push_back(line.number + "  " + line.name);
    species.setItems(items);
    species.setText(text);
}

void showShipList(const DisplayContext& context)
{
    if (context.profile.absent(Key::SpecNoOffset) || !context.xwa()) {
        for (MainKey key : {controls::Playmodebox, controls::InSkirmishBox, controls::Shiplistnamebox, controls::Known})
            context[key].setEnabled(false);
        context[controls::IconBox].setText(std::string(kNoValue));
        context[controls::IconBox].setEnabled(false);
        context[controls::Shiplistwrite].setChecked(false);
        context[controls::Shiplistwrite].setEnabled(false);
        return;
    }
    const std::string species = context[controls::SpecNo].text();
    for (const SpeciesLine& line : readSpeciesLines(context.gameFile("shiplist.txt"))) {
        if (line.number != species)
            continue;
        context[controls::Shiplistnamebox].setText(line.name);
        context[controls::Playmodebox].setText(line.playMode);
        context[controls::Known].setChecked(line.known == "Known");
        context[controls::InSkirmishBox].setText(line.skirmish);
        *context.shipListSeparator = line.separator;
        context[controls::IconBox].setText(line.iconString);
        return;
    }
    for (MainKey key : {controls::Playmodebox, controls::InSkirmishBox, controls::Shiplistnamebox})
        context[key].setText(std::string(kNoValue));
    context[controls::Known].setChecked(false);
    context[controls::IconBox].setText(kDefaultIconString);
    *context.shipListSeparator = kDefaultShipListSeparator;
}

} // namespace plorik::display

namespace plorik::display {

void speciesChosen(MainForm& form, const std::filesystem::path& shipList, std::string& separator)
{
    const std::int32_t wanted = readLeadingNumber(form[controls::SpecNo].text());
    for (const SpeciesLine& line : readSpeciesLines(shipList)) {
        if (readNumber(line.number) != wanted)
            continue;
        separator = line.separator;
        form[controls::IconBox].setText(line.iconString);
        return;
    }
}

} // namespace plorik::display
