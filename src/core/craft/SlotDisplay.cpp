#include "craft/SlotDisplay.h"

#include "controls/MainWindowControls.h"
#include "craft/DisplaySteps.h"
#include "craft/HexView.h"
#include "profile/LookupSections.h"

namespace plorik {

void SlotDisplay::fillOutForm(bool keepShipType)
{
    m_complete = false;
    display::setShipTypeTexts(m_context);
    step("the executable");
    const BinaryFile file(m_context.executable, BinaryFile::Mode::Read);
    const ExecutableView exe(file, m_context.laid);
    m_context.exe = &exe;
    DataFileReading data(m_context.dataFile);
    const DisplayContext& context = m_context;
    step("the species number (the executable's species table, shiplist.txt)");
    display::showSpecies(context);
    step("the hex view (the executable)");
    HexView(context).fill();
    step("the ship list fields (shiplist.txt)");
    display::showShipList(context);
    step("the craft entry's fields");
    display::showStatusNotes(context);
    context[controls::CraftNoBox].setText(std::to_string(context.slotNumber()));
    display::showCraftId(context);
    display::showStatistics(context);
    display::showCockpit(context);
    step("the names (strings.txt, fronttxt.txt)");
    display::showNames(context);
    step("the descriptions (specdesc.txt)");
    display::showDescriptions(context);
    step("the ship type entry (the executable, the OPT list file)");
    display::resetWeaponTypes(context);
    display::showShipTypeEntry(context, keepShipType);
    step("the craft entry's fields");
    display::showStrengths(context);
    step("the weaponry (data.txt)");
    display::showWeaponry(context);
    step("the Unknown page (the executable)");
    display::showUnknownPage(context);
    m_context.exe = nullptr;
    m_complete = true;
    m_step.clear();
}

} // namespace plorik
