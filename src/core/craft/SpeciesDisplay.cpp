#include "controls/MainWindowControls.h"
#include "craft/CraftTable.h"
#include "craft/DisplaySteps.h"
#include "craft/Placeholders.h"
#include "gamefiles/ShipList.h"
#include "text/NumberRule.h"

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
    for (std::int32_t k = 1;; ++k) {
        const auto bytes = context.exe->readExactlyAt(table.speciesEntryOffset(k), 2);
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
