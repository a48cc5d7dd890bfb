#include "craft/CraftTable.h"
#include "craft/DisplaySteps.h"
#include "gamefiles/ShipList.h"
#include "text/NumberRule.h"

namespace plorik::display {

void showSpecies(const DisplayContext& context)
{
    Control& species = context["SpecNo"];
    if (context.profile.absent(Key::SpecNoOffset)) {
        species.setEnabled(false);
        return;
    }
    // Entry k of the table holds the slot whose species number is k. The search stops at the
    // entry before the last slot's, which is read but not compared.
    const std::int32_t slot = context.slotNumber();
    const std::int32_t last = context.profile.slotCount() - 1;
    const CraftTable table(context.profile);
    std::string text = "n/a";
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
        for (const char* key : {"Playmodebox", "InSkirmishBox", "Shiplistnamebox", "Known"})
            context[key].setEnabled(false);
        context["IconBox"].setText("n/a");
        context["IconBox"].setEnabled(false);
        context["Shiplistwrite"].setChecked(false);
        context["Shiplistwrite"].setEnabled(false);
        return;
    }
    const std::string species = context["SpecNo"].text();
    for (const SpeciesLine& line : readSpeciesLines(context.gameFile("shiplist.txt"))) {
        if (line.number != species)
            continue;
        context["Shiplistnamebox"].setText(line.name);
        context["Playmodebox"].setText(line.playMode);
        context["Known"].setChecked(line.known == "Known");
        context["InSkirmishBox"].setText(line.skirmish);
        *context.shipListSeparator = line.separator;
        context["IconBox"].setText(line.iconString);
        return;
    }
    for (const char* key : {"Playmodebox", "InSkirmishBox", "Shiplistnamebox"})
        context[key].setText("n/a");
    context["Known"].setChecked(false);
    context["IconBox"].setText(kDefaultIconString);
    *context.shipListSeparator = kDefaultShipListSeparator;
}

} // namespace plorik::display

namespace plorik::display {

void speciesChosen(Form& form, const std::filesystem::path& shipList, std::string& separator)
{
    const std::int32_t wanted = readLeadingNumber(form["SpecNo"].text());
    for (const SpeciesLine& line : readSpeciesLines(shipList)) {
        if (readNumber(line.number) != wanted)
            continue;
        separator = line.separator;
        form["IconBox"].setText(line.iconString);
        return;
    }
}

} // namespace plorik::display
